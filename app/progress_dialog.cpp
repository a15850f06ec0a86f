#include "app/progress_dialog.h"

#include "app/current_language.h"
#include "framework/window_text.h"
#include "res/resource.h"

namespace {

// The bar's range: positions are percentages.
constexpr int kRangeLow = 0;
constexpr int kRangeHigh = 100;

HWND TopLevelOwnerOf(HWND window) {
  while (window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

}  // namespace

ProgressDialog::ProgressDialog() : Dialog(TemplateIdFor(CurrentLanguage())) {}

ProgressDialog::~ProgressDialog() {
  if (GetSafeHwnd()) DestroyWindow();
  ReenableOwner();
}

int ProgressDialog::TemplateIdFor(LanguageId language) {
  return PickTemplate(language, IDD_PROGRESS_EN, IDD_PROGRESS_DE, IDD_PROGRESS_FR, IDD_PROGRESS_IT);
}

BOOL ProgressDialog::ShowOver(HWND owner) {
  m_hOwner = TopLevelOwnerOf(owner);
  if (m_hOwner && IsWindowEnabled(m_hOwner)) {
    EnableWindow(m_hOwner, FALSE);
    m_bOwnerDisabled = TRUE;
  }
  // Drawn now, not when the first item is done, which for a large file on a
  // slow disk can take seconds: whatever the dialog before (a save dialog,
  // a question) uncovered, and the progress window itself.
  if (m_hOwner) RedrawWindow(m_hOwner, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (!CreateModeless(owner)) {
    ReenableOwner();
    return FALSE;
  }
  RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return TRUE;
}

BOOL ProgressDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  // Looked up once: finding a control is dearer than updating it.
  m_hBar = GetDlgItem(IDC_PROGRESS_BAR);
  m_hPercentText = GetDlgItem(IDC_PROGRESS_PERCENT);
  m_hStatusText = GetDlgItem(IDC_PROGRESS_STATUS);
  SendMessageW(m_hBar, PBM_SETRANGE, 0, MAKELPARAM(kRangeLow, kRangeHigh));
  SendMessageW(m_hBar, PBM_SETPOS, kRangeLow, 0);
  WriteWindowText(GetSafeHwnd(), m_strTitle);
  return TRUE;
}

void ProgressDialog::SetStatusText(std::wstring_view text) {
  if (GetSafeHwnd()) WriteWindowText(m_hStatusText, text);
}

int ProgressDialog::SetPercent(int position) {
  DispatchPending();
  if (!GetSafeHwnd()) return 0;
  const LRESULT previous = SendMessageW(m_hBar, PBM_SETPOS, position, 0);
  ShowPercentText(position);
  return static_cast<int>(previous & 0xFFFF);
}

BOOL ProgressDialog::TakeCancelRequest() {
  DispatchPending();
  const BOOL requested = m_bCancelPressed;
  m_bCancelPressed = FALSE;
  return requested;
}

void ProgressDialog::DestroyWindow() {
  ReenableOwner();
  Dialog::DestroyWindow();
}

void ProgressDialog::DispatchPending() {
  // Never skipped: a Cancel click waiting here must reach OnCancel before
  // the poll that follows reads the flag. PM_NOYIELD: a look at an empty
  // queue must not give the processor away once per file, which on a busy
  // machine costs more than the file.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the loop that owns it
      return;
    }
    HWND self = GetSafeHwnd();
    const bool forUs = self && (message.hwnd == self || IsChild(self, message.hwnd));
    // Cancel is the default button, so the dialog manager would turn Enter
    // into a cancel request; Enter must do nothing here.
    const bool isEnter =
        (message.message == WM_KEYDOWN || message.message == WM_CHAR) && message.wParam == VK_RETURN;
    if (forUs && isEnter) continue;
    if (self && IsDialogMessageW(self, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void ProgressDialog::ShowPercentText(int position) {
  int percent = (position - kRangeLow) * 100 / (kRangeHigh - kRangeLow);
  if (percent != 100) percent %= 100;
  const std::wstring text = std::to_wstring(percent) + L'%';
  if (text != ReadWindowText(m_hPercentText)) WriteWindowText(m_hPercentText, text);
}

void ProgressDialog::ReenableOwner() {
  if (m_bOwnerDisabled && m_hOwner) EnableWindow(m_hOwner, TRUE);
  m_bOwnerDisabled = FALSE;
}
