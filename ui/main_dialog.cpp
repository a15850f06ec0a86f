#include "ui/main_dialog.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "framework/display_scale.h"
#include "framework/list_box.h"
#include "framework/unique_handles.h"
#include "res/resource.h"
#include "ui/about_dialog.h"
#include "ui/browsing_state.h"
#include "ui/language_dialog.h"

#include <cctype>
#include <vector>

namespace {

// The listing service rewrites the buffer it is given; this leaves room for
// the longest folder and file pattern the window accepts.
constexpr std::size_t kListingBufferSize = 4096;
constexpr int kMaxFileSpecLength = 511;
constexpr DWORD kMaxPlatformPath = 2047;

std::string EnvironmentValue(const char* name) {
  std::vector<char> buffer(kMaxPlatformPath + 1);
  const DWORD length = GetEnvironmentVariableA(name, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return {};
  return std::string(buffer.data(), length);
}

std::string SelectedListText(HWND list) {
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return {};
  return ListBoxText(list, static_cast<int>(selected));
}

// The platform folders for the Home buttons, with the trailing backslash.
std::string ProfileFolder(const char* subfolder) {
  const std::string profile = EnvironmentValue("USERPROFILE");
  return profile.empty() ? std::string() : profile + "\\" + subfolder + "\\";
}

std::string WindowsFolder(UINT (*WINAPI query)(LPSTR, UINT)) {
  std::vector<char> buffer(kMaxPlatformPath + 1);
  const UINT length = query(buffer.data(), kMaxPlatformPath);
  if (length == 0 || length > kMaxPlatformPath) return {};
  return std::string(buffer.data(), length) + "\\";
}

}  // namespace

MainDialog::MainDialog() : MappedDialog(TemplateIdFor(CurrentLanguage())) {
  m_hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
}

int MainDialog::TemplateIdFor(LanguageId language) {
  return PickTemplate(language, IDD_MAIN_EN, IDD_MAIN_DE, IDD_MAIN_FR, IDD_MAIN_IT);
}

const MessageMap<MainDialog>& MainDialog::GetMessageMap() {
  static constexpr CommandEntry<MainDialog> commands[] = {
      {IDC_FILE_LIST, LBN_SELCHANGE, &MainDialog::OnFileListSelectionChange},
      {IDC_FILE_LIST, LBN_SETFOCUS, &MainDialog::OnFileListSelectionChange},
      {IDC_FILE_LIST, LBN_DBLCLK, &MainDialog::OnFileListDoubleClick},
      {IDC_DIRECTORY_LIST, LBN_DBLCLK, &MainDialog::OnDirectoryDoubleClick},
      {IDC_DRIVE_LIST, LBN_DBLCLK, &MainDialog::OnDriveDoubleClick},
      {IDC_FILE_SPEC, EN_CHANGE, &MainDialog::Refresh},
      {IDC_REFRESH, BN_CLICKED, &MainDialog::Refresh},
      {IDC_SELECT_ALL, BN_CLICKED, &MainDialog::OnSelectAll},
      {IDC_SELECT_NONE, BN_CLICKED, &MainDialog::OnSelectNone},
      {IDC_HOME_DESKTOP, BN_CLICKED, &MainDialog::OnHomeDesktop},
      {IDC_HOME_PERSONAL, BN_CLICKED, &MainDialog::OnHomePersonal},
      {IDC_HOME_FAVORITES, BN_CLICKED, &MainDialog::OnHomeFavorites},
      {IDC_HOME_WINDOWS, BN_CLICKED, &MainDialog::OnHomeWindows},
      {IDC_HOME_SYSTEM, BN_CLICKED, &MainDialog::OnHomeSystem},
      {IDC_LOWER_CASE, BN_CLICKED, &MainDialog::OnLowerCase},
      {IDC_UPPER_CASE, BN_CLICKED, &MainDialog::OnUpperCase},
      {IDC_SUBSTITUTE, BN_CLICKED, &MainDialog::OnSubstitute},
      {IDC_DELETE, BN_CLICKED, &MainDialog::OnDelete},
      {IDC_ENUMERATE, BN_CLICKED, &MainDialog::OnEnumerate},
      {IDC_PRINT, BN_CLICKED, &MainDialog::OnPrint},
      {IDC_BACKUP, BN_CLICKED, &MainDialog::OnBackup},
      {IDC_RETRIEVE, BN_CLICKED, &MainDialog::OnRetrieve},
  };
  static constexpr MessageEntry<MainDialog> messages[] = {
      {WM_SYSCOMMAND, &MainDialog::OnSysCommand},
      {WM_PAINT, &MainDialog::OnPaint},
      {WM_QUERYDRAGICON, &MainDialog::OnQueryDragIcon},
      {WM_DESTROY, &MainDialog::OnDestroy},
  };
  static constexpr MessageMap<MainDialog> map{commands, messages};
  return map;
}

BOOL MainDialog::OnInitDialog() {
  Dialog::OnInitDialog();

  if (HMENU systemMenu = GetSystemMenu(GetSafeHwnd(), FALSE)) {
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_SYS_ABOUT,
                TextCStr(LocalizedText::AboutMenuItem, CurrentLanguage()));
    AppendMenuA(systemMenu, MF_STRING, IDM_SYS_LANGUAGE,
                TextCStr(LocalizedText::LanguageMenuItem, CurrentLanguage()));
  }
  SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  FileSpec = "*.*";
  SetDlgItemText(IDC_FILE_SPEC, FileSpec);  // its change notification already refreshes once
  OnHomeDesktop();

  // Only the Exit button ends the program here; a Restore dialog that never
  // showed has been reported and is no answer.
  if (m_bArchiveArg && OpenCommandLineArchive() == IDCANCEL) OnCancel();
  return TRUE;
}

void MainDialog::Refresh() {
  std::string pattern = GetDlgItemText(IDC_FILE_SPEC);
  if (pattern.size() > kMaxFileSpecLength) pattern.resize(kMaxFileSpecLength);
  FileSpec = pattern;
  PathSpec = CurrentDrive + CurrentFolder + FileSpec;
  FillLists();
  EnableSelectionCommands(false);
}

void MainDialog::FillLists() {
  struct Listing {
    int listId;
    int pathLineId;
    UINT mask;
  };
  static constexpr Listing listings[] = {
      {IDC_FILE_LIST, IDC_PATH_LINE, 0},
      {IDC_DIRECTORY_LIST, 0, DDL_DIRECTORY | DDL_EXCLUSIVE},
      {IDC_DRIVE_LIST, 0, DDL_DRIVES | DDL_EXCLUSIVE},
  };
  // Wine's listing service takes "c:\*.*" as "c:" plus a pattern, which lists
  // the drive's current directory instead of its root: enter the folder
  // first, and step back out when the listing refuses the pattern.
  const std::string previousDirectory = CurrentDirectory();
  const std::string folder = ShownFolder();
  const bool entered = !folder.empty() && SetCurrentDirectoryA(folder.c_str());
  bool first = true;
  for (const Listing& listing : listings) {
    std::vector<char> buffer(kListingBufferSize, '\0');
    PathSpec.copy(buffer.data(), buffer.size() - 1);
    ListRedrawPause pause(GetDlgItem(listing.listId));
    const int listed =
        DlgDirListA(GetSafeHwnd(), buffer.data(), listing.listId, listing.pathLineId, listing.mask);
    if (first && !listed && entered) SetCurrentDirectoryA(previousDirectory.c_str());
    first = false;
    PathSpec = buffer.data();
  }
}

void MainDialog::EnableSelectionCommands(bool enable) {
  for (int id : {IDC_LOWER_CASE, IDC_UPPER_CASE, IDC_SUBSTITUTE, IDC_DELETE})
    EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
}

void MainDialog::OnFileListSelectionChange() {
  const LRESULT selected = SendMessageA(GetDlgItem(IDC_FILE_LIST), LB_GETSELCOUNT, 0, 0);
  EnableSelectionCommands(selected != 0 && selected != LB_ERR);
}

void MainDialog::OnDirectoryDoubleClick() {
  std::string entry = SelectedListText(GetDlgItem(IDC_DIRECTORY_LIST));
  if (entry.size() < 2) return;
  entry.back() = '\\';  // "[system]" becomes "system\"
  entry.erase(0, 1);
  if (entry == "..\\") {
    std::string parent = CurrentFolder;
    if (!parent.empty()) parent.pop_back();
    const auto cut = parent.rfind('\\');
    parent.erase(cut == std::string::npos ? 0 : cut);
    CurrentFolder = parent + "\\";
  } else {
    CurrentFolder += entry;
  }
  Refresh();
}

void MainDialog::OnDriveDoubleClick() {
  const std::string entry = SelectedListText(GetDlgItem(IDC_DRIVE_LIST));
  // Drive entries read "[-c-]".
  if (entry.size() != 5 || !entry.starts_with("[-") || !entry.ends_with("-]")) return;
  CurrentDrive = {entry[2], ':'};
  CurrentFolder.assign(1, '\\');
  Refresh();
}

void MainDialog::OnSelectAll() {
  HWND list = GetDlgItem(IDC_FILE_LIST);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  if (count > 0) {
    SendMessageA(list, LB_SELITEMRANGEEX, 0, count - 1);
    EnableSelectionCommands(true);
  } else {
    EnableSelectionCommands(false);
  }
}

void MainDialog::OnSelectNone() {
  SendMessageA(GetDlgItem(IDC_FILE_LIST), LB_SETSEL, FALSE, -1);
  EnableSelectionCommands(false);
}

void MainDialog::OnHomeDesktop() { ShowFolder(ProfileFolder("Desktop")); }
void MainDialog::OnHomePersonal() { ShowFolder(ProfileFolder("Personal")); }
void MainDialog::OnHomeFavorites() { ShowFolder(ProfileFolder("Favorites")); }
void MainDialog::OnHomeWindows() { ShowFolder(WindowsFolder(&GetWindowsDirectoryA)); }
void MainDialog::OnHomeSystem() { ShowFolder(WindowsFolder(&GetSystemDirectoryA)); }

void MainDialog::ShowFolder(const std::string& folderPath) {
  // The split into drive and folder needs a drive letter: an unset profile or
  // a network path leaves the window as it is.
  const bool hasDrive = folderPath.size() >= 3 && std::isalpha(static_cast<unsigned char>(folderPath[0])) &&
                        folderPath[1] == ':';
  if (!hasDrive) return;
  CurrentDrive = folderPath.substr(0, 2);
  CurrentFolder = folderPath.substr(2);
  Refresh();
}

std::optional<LRESULT> MainDialog::OnSysCommand(WPARAM command, LPARAM) {
  switch (command & 0xFFF0) {
    case IDM_SYS_ABOUT: {
      AboutDialog about;
      about.DoModal();
      return 0;
    }
    case IDM_SYS_LANGUAGE:
      ChangeStoredLanguage(*this);
      return 0;
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> MainDialog::OnPaint(WPARAM, LPARAM) {
  if (!IsIconic(GetSafeHwnd())) return std::nullopt;
  PaintContext paint(GetSafeHwnd());
  SendMessageA(GetSafeHwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.get()), 0);
  RECT client{};
  GetClientRect(GetSafeHwnd(), &client);
  // At the window's own scale: a large icon of its display, not of 96 dpi.
  const int iconSize = IconSizeForDpi(WindowDpi(GetSafeHwnd()));
  const int x = (client.right - client.left - iconSize + 1) / 2;
  const int y = (client.bottom - client.top - iconSize + 1) / 2;
  DrawIconEx(paint.get(), x, y, m_hIcon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
  return 0;
}

std::optional<LRESULT> MainDialog::OnQueryDragIcon(WPARAM, LPARAM) {
  return reinterpret_cast<LRESULT>(m_hIcon);
}

std::optional<LRESULT> MainDialog::OnDestroy(WPARAM, LPARAM) {
  WinHelpA(GetSafeHwnd(), nullptr, HELP_QUIT, 0);
  return std::nullopt;
}
