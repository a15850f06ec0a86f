#include "filetypes/properties_dialog.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "filetypes/icon_area.h"
#include "filetypes/icon_browsing.h"
#include "filetypes/icon_file.h"
#include "filetypes/icon_source.h"
#include "framework/data_exchange.h"
#include "framework/display_scale.h"
#include "framework/file_dialog.h"
#include "framework/system_paths.h"
#include "framework/unique_handles.h"
#include "res/resource.h"

#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr wchar_t kIconFileFilter[] =
    L"All Icon Files (*.exe; *.dll; *.ico)|*.exe; *.dll; *.ico|Programs (*.exe)|*.exe|Libraries "
    L"(*.dll)|*.dll|Icon Resources (*.ico)|*.ico||";
constexpr wchar_t kApplicationFilter[] =
    L"Programs (*.exe)|*.exe|Scripts (*.bat; *.cmd)|*.bat; *.cmd|All Executables (*.exe; *.cmd; *.bat)|"
    L"*.exe; *.cmd; *.bat||";
constexpr wchar_t kApplicationTitle[] = L"Get A Program File";

// The path chosen in an open dialog over the Windows directory, or "" when cancelled.
std::wstring ChooseFile(HWND owner, std::wstring_view title, std::wstring_view filter) {
  FileDialog dialog(true, {}, {}, OFN_HIDEREADONLY, filter, owner);
  dialog.m_strTitle = title;
  dialog.m_strInitialDirectory = WindowsFolderPath();
  if (dialog.DoModal() != IDOK) return {};
  return dialog.GetPathName();
}

// A control's rectangle in the dialog's client pixels.
RECT ClientRectOf(HWND dialog, int controlId) {
  RECT rect{};
  HWND control = ::GetDlgItem(dialog, controlId);
  if (control == nullptr || !GetWindowRect(control, &rect)) return rect;
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class DrawDepthGuard {
 public:
  DrawDepthGuard() { ++PropertiesDialog::s_nIconDrawDepth; }
  ~DrawDepthGuard() { --PropertiesDialog::s_nIconDrawDepth; }
  DrawDepthGuard(const DrawDepthGuard&) = delete;
  DrawDepthGuard& operator=(const DrawDepthGuard&) = delete;
  bool Nested() const { return PropertiesDialog::s_nIconDrawDepth > 1; }
};

}  // namespace

PropertiesDialog::PropertiesDialog() : MappedDialog(TemplateIdFor(CurrentLanguage())) {
  s_nIconDrawDepth = 0;
}

int PropertiesDialog::TemplateIdFor(LanguageId language) {
  return PickTemplate(language, IDD_PROPERTIES_EN, IDD_PROPERTIES_DE, IDD_PROPERTIES_FR, IDD_PROPERTIES_IT);
}

const MessageMap<PropertiesDialog>& PropertiesDialog::GetMessageMap() {
  static constexpr CommandEntry<PropertiesDialog> commands[] = {
      {IDC_PROPERTIES_CHANGE_APPLICATION, BN_CLICKED, &PropertiesDialog::OnChangeApplication},
      {IDC_PROPERTIES_NEXT_ICON, BN_CLICKED, &PropertiesDialog::OnNextIcon},
      {IDC_PROPERTIES_PREVIOUS_ICON, BN_CLICKED, &PropertiesDialog::OnPreviousIcon},
      {IDC_PROPERTIES_CHANGE_ICON_FILE, BN_CLICKED, &PropertiesDialog::OnChangeIconFile},
  };
  static constexpr MessageEntry<PropertiesDialog> messages[] = {
      MapMessage<&PropertiesDialog::OnPaint>(WM_PAINT),
  };
  static constexpr MessageMap<PropertiesDialog> map{commands, messages};
  return map;
}

void PropertiesDialog::DoDataExchange(DataExchange& exchange) {
  DDX_Text(exchange, IDC_PROPERTIES_LAST_ACCESSED, m_strLastAccessed);
  DDX_Check(exchange, IDC_PROPERTIES_ARCHIVE, m_bArchive);
  DDX_Text(exchange, IDC_PROPERTIES_CREATED, m_strCreated);
  DDX_Text(exchange, IDC_PROPERTIES_FILE_NAME, m_strFileName);
  DDX_Check(exchange, IDC_PROPERTIES_HIDDEN, m_bHidden);
  DDX_Text(exchange, IDC_PROPERTIES_LAST_READ, m_strLastRead);
  DDX_Check(exchange, IDC_PROPERTIES_READ_ONLY, m_bReadOnly);
  DDX_Check(exchange, IDC_PROPERTIES_SYSTEM, m_bSystem);
  DDX_Text(exchange, IDC_PROPERTIES_SIZE, m_strSize);
  DDX_Text(exchange, IDC_PROPERTIES_APPLICATION, m_strApplication);
  DDX_Text(exchange, IDC_PROPERTIES_ICON_FILE, m_strIconFile);
}

void PropertiesDialog::DrawIconArea(HDC dc) {
  const DrawDepthGuard guard;
  if (guard.Nested()) return;

  // The text shows the icon file as registered; the icons come from where
  // the shell would find it, never from the folder that is shown.
  const std::optional<std::wstring> source = IconSourceFile(m_strIconFile);
  m_nIconCount = source ? CountIcons(*source) : 0;
  if (m_nIconCount == 0) {
    MessageBox(Text(LocalizedText::NoIconsInFile, CurrentLanguage()),
               Text(LocalizedText::ErrorTitle, CurrentLanguage()), MB_OK | MB_ICONERROR);
    return;
  }

  const UniqueIcon icon = ExtractIconAt(*source, m_nIconIndex);
  SetDlgItemText(IDC_PROPERTIES_ICON_GROUP, IconCaption(m_nIconIndex, m_nIconCount));

  const HWND dialog = GetSafeHwnd();
  const int dpi = WindowDpi(dialog);
  const IconAreaPlace place = PlaceIconArea(ClientRectOf(dialog, IDC_PROPERTIES_ICON_GROUP),
                                            ClientRectOf(dialog, IDC_PROPERTIES_NEXT_ICON),
                                            ClientRectOf(dialog, IDC_PROPERTIES_PREVIOUS_ICON),
                                            IconSizeForDpi(dpi), ScaleFrom96Dpi(kIconMarginAt96Dpi, dpi));
  Rectangle(dc, place.frame.left, place.frame.top, place.frame.right, place.frame.bottom);
  if (icon)
    DrawIconEx(dc, place.iconOrigin.x, place.iconOrigin.y, icon.get(), place.iconSize, place.iconSize, 0,
               nullptr, DI_NORMAL);
}

void PropertiesDialog::RedrawIconArea() {
  const UniqueWindowDC dc(GetSafeHwnd());
  DrawIconArea(dc.get());
}

std::optional<LRESULT> PropertiesDialog::OnPaint() {
  const PaintContext paint(GetSafeHwnd());
  DrawIconArea(paint.get());
  return 0;
}

void PropertiesDialog::OnNextIcon() {
  m_nIconIndex = NextIconIndex(m_nIconIndex, m_nIconCount);
  RedrawIconArea();
}

void PropertiesDialog::OnPreviousIcon() {
  m_nIconIndex = PreviousIconIndex(m_nIconIndex, m_nIconCount);
  RedrawIconArea();
}

void PropertiesDialog::OnChangeIconFile() {
  const std::wstring chosen = ChooseFile(GetSafeHwnd(), L"", kIconFileFilter);
  if (chosen.empty()) return;
  m_bIconChanged = TRUE;
  m_strIconFile = chosen;
  SetDlgItemText(IDC_PROPERTIES_ICON_FILE, m_strIconFile);
  m_nIconIndex = 0;
  RedrawIconArea();
}

void PropertiesDialog::OnChangeApplication() {
  const std::wstring chosen = ChooseFile(GetSafeHwnd(), kApplicationTitle, kApplicationFilter);
  if (chosen.empty()) return;
  m_bApplicationChanged = TRUE;
  m_strApplication = chosen;
  SetDlgItemText(IDC_PROPERTIES_APPLICATION, m_strApplication);
  m_nIconIndex = 0;
  RedrawIconArea();
}
