#include "framework/dialog.h"

#include "framework/application.h"
#include "framework/data_exchange.h"
#include "framework/framework_messages.h"
#include "framework/window_text.h"

#include <exception>
#include <vector>

namespace {

// Messages whose result a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

}  // namespace

Dialog::Dialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

Dialog::~Dialog() {
  if (m_hWnd && !m_modal) ::DestroyWindow(m_hWnd);
}

INT_PTR Dialog::DoModal() {
  HWND owner = m_parent ? m_parent : MainWindow();
  m_modal = true;
  m_bInitialized = false;
  SetLastError(0);
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                                         &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
  const DWORD error = GetLastError();
  m_modal = false;
  if (!m_bInitialized) {
    // A missing template, a control class that cannot be made, an owner that
    // is gone: the user saw nothing, so nothing may count as an answer.
    ShowMessageBox(owner, DialogNotShownText(m_templateId, error), ApplicationName(), MB_OK | MB_ICONSTOP);
    return kNotShown;
  }
  return result;
}

bool Dialog::CreateModeless(HWND parent) {
  m_parent = parent;
  m_modal = false;
  return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent,
                            &Dialog::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::DestroyWindow() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

std::wstring Dialog::GetDlgItemText(int controlId) const { return ReadWindowText(GetDlgItem(controlId)); }

void Dialog::SetDlgItemText(int controlId, std::wstring_view text) {
  ::SetDlgItemTextW(m_hWnd, controlId, std::wstring(text).c_str());
}

void Dialog::EndDialog(INT_PTR result) {
  if (m_modal) {
    ::EndDialog(m_hWnd, result);
  } else {
    DestroyWindow();
  }
}

int Dialog::MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const {
  return ShowMessageBox(m_hWnd, text, caption, style);
}

bool Dialog::UpdateData(bool saveAndValidate) {
  DataExchange exchange(m_hWnd, saveAndValidate);
  try {
    DoDataExchange(exchange);
  } catch (const DataExchangeFailed&) {
    exchange.FocusFailedControl();
    return false;
  }
  return true;
}

BOOL Dialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void Dialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::OnCommand(int, int) { return false; }

std::optional<LRESULT> Dialog::OnWindowMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

void Dialog::RouteCommand(int controlId, int notification) {
  if (OnCommand(controlId, notification)) return;
  if (notification != BN_CLICKED) return;
  if (controlId == IDOK) {
    OnOK();
  } else if (controlId == IDCANCEL) {
    OnCancel();
  }
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  if (message == WM_COMMAND) {
    RouteCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  const std::optional<LRESULT> result = OnWindowMessage(message, wParam, lParam);
  if (!result) return FALSE;
  if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(*result);
  SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, *result);
  return TRUE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->m_hWnd = window;
    self->m_bInitialized = true;
    SetWindowLongPtrW(window, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  }
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->m_hWnd = nullptr;
    return FALSE;
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    const UncaughtExceptionReport report = ReportOfUncaughtException(std::current_exception());
    ShowMessageBox(window, report.text, ApplicationName(), MB_OK | report.icon);
  }
  return message == WM_INITDIALOG ? TRUE : FALSE;
}
