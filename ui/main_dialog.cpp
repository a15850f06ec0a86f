#include "ui/main_dialog.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/stranded_file_check.h"
#include "archive/backup_command.h"
#include "archive/restore_command.h"
#include "filetypes/properties_command.h"
#include "framework/display_scale.h"
#include "framework/file.h"
#include "framework/folder_listing.h"
#include "framework/list_box.h"
#include "framework/path.h"
#include "framework/system_paths.h"
#include "framework/unique_handles.h"
#include "framework/window_text.h"
#include "print/print_listing.h"
#include "rename/enumerate_command.h"
#include "rename/selection_operations.h"
#include "res/resource.h"
#include "ui/about_dialog.h"
#include "ui/browsing_state.h"
#include "ui/language_dialog.h"
#include "ui/navigation_messages.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kMaxFileSpecLength = 511;

// Posted at start, so that what an earlier run left behind is told over the shown window.
constexpr UINT kReportStrandedFilesMessage = WM_APP + 1;

// The field's text cut to the longest pattern kept, never between the two
// halves of a surrogate pair: half a character would match other names.
std::wstring LimitedFileSpec(std::wstring text) {
  if (text.size() <= kMaxFileSpecLength) return text;
  std::size_t length = kMaxFileSpecLength;
  if (IS_HIGH_SURROGATE(text[length - 1])) --length;
  text.resize(length);
  return text;
}

std::wstring SelectedListText(HWND list) {
  const std::optional<int> selected = ListBoxCurrent(list);
  return selected ? ListBoxText(list, *selected) : std::wstring();
}

}  // namespace

MainDialog::MainDialog() : MappedDialog(TemplateIdFor(CurrentLanguage())) {
  m_hIcon = LoadProgramIcon(IDI_APPLICATION_ICON);
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
      MapSysCommand<&MainDialog::OnSysCommand>(),
      MapMessage<&MainDialog::OnPaint>(WM_PAINT),
      MapMessage<&MainDialog::OnQueryDragIcon>(WM_QUERYDRAGICON),
      MapMessage<&MainDialog::OnDestroy>(WM_DESTROY),
      MapMessage<&MainDialog::OnReportStrandedFiles>(kReportStrandedFilesMessage),
  };
  static constexpr MessageMap<MainDialog> map{commands, messages};
  return map;
}

// The commands live in their features' folders. Those that act on the
// listed files first settle what an earlier run left half-done there.
void MainDialog::OnLowerCase() { RunSelectionCommand(SettledWindow(), RenameOperation::LowerCase); }
void MainDialog::OnUpperCase() { RunSelectionCommand(SettledWindow(), RenameOperation::UpperCase); }
void MainDialog::OnSubstitute() { RunSelectionCommand(SettledWindow(), RenameOperation::Substitute); }
void MainDialog::OnDelete() { RunSelectionCommand(SettledWindow(), RenameOperation::Delete); }
void MainDialog::OnEnumerate() { EnumerateListedFiles(SettledWindow()); }
void MainDialog::OnPrint() { PrintListing(*this); }
void MainDialog::OnBackup() { BackUpListedFiles(SettledWindow()); }
void MainDialog::OnRetrieve() { RestoreFromChosenArchive(); }
INT_PTR MainDialog::OpenCommandLineArchive() { return RestoreFromArchive(m_strArchiveArg); }
void MainDialog::OnFileListDoubleClick() { EditPropertiesOfFocusedFile(*this); }

BOOL MainDialog::OnInitDialog() {
  m_hFileList = GetDlgItem(IDC_FILE_LIST);
  Dialog::OnInitDialog();

  if (HMENU systemMenu = GetSystemMenu(GetSafeHwnd(), FALSE)) {
    AppendMenuSeparator(systemMenu);
    AppendMenuText(systemMenu, IDM_SYS_ABOUT, Text(LocalizedText::AboutMenuItem, CurrentLanguage()));
    AppendMenuText(systemMenu, IDM_SYS_LANGUAGE, Text(LocalizedText::LanguageMenuItem, CurrentLanguage()));
  }
  SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

  FileSpec = L"*.*";
  SetDlgItemText(IDC_FILE_SPEC, FileSpec);  // its change notification already refreshes once
  ShowStartFolder();
  m_bSettlesShownFolders = true;
  SettleNewlyShownFolder();

  // Only the Exit button ends the program here; a Restore dialog that never
  // showed has been reported and is no answer.
  if (m_bArchiveArg && OpenCommandLineArchive() == IDCANCEL) OnCancel();
  return TRUE;
}

void MainDialog::SettleNewlyShownFolder() {
  if (!m_bSettlesShownFolders || m_strListedFolder == m_strSettledFolder) return;
  m_strSettledFolder = m_strListedFolder;
  std::vector<StrandedFile> files = SettleStrandedFilesIn(m_strSettledFolder);
  // Lists the same folder again, which settles nothing more.
  if (ChangedTheFolder(files)) FillLists();
  if (StrandedFilesText(m_strSettledFolder, files).empty()) return;
  // Told once the window shows the folder, not from inside the browsing.
  m_strandedToTell.emplace_back(m_strSettledFolder, std::move(files));
  PostMessageW(GetSafeHwnd(), kReportStrandedFilesMessage, 0, 0);
}

std::optional<LRESULT> MainDialog::OnReportStrandedFiles() {
  std::vector<std::pair<std::wstring, std::vector<StrandedFile>>> reports;
  reports.swap(m_strandedToTell);
  for (const auto& [folder, files] : reports) ReportStrandedFiles(GetSafeHwnd(), folder, files);
  return 0;
}

CommandWindow& MainDialog::SettledWindow() {
  if (SettleStrandedFilesBeforeWriting(GetSafeHwnd(), ListedFolder())) FillListsKeepingSelection();
  return *this;
}

void MainDialog::FillListsKeepingSelection() {
  std::vector<std::wstring> selected;
  for (int position : SelectedFilePositions()) selected.push_back(ListedFileName(position));
  std::ranges::sort(selected);
  FillLists();
  bool anySelected = false;
  for (int position = 0; position < ListedFileCount(); ++position) {
    if (!std::ranges::binary_search(selected, ListedFileName(position))) continue;
    ListBoxSelect(m_hFileList, position, true);
    anySelected = true;
  }
  EnableSelectionCommands(anySelected);
}

int MainDialog::MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const {
  return Dialog::MessageBox(text, caption, style);
}

void MainDialog::ShowFileError(std::wstring_view name, const FileException& error,
                               const wchar_t* caption) const {
  MessageBox(FileErrorText(name, error.m_cause), caption, MB_OK | MB_ICONSTOP);
}

int MainDialog::ListedFileCount() const { return ListBoxCount(m_hFileList); }

std::wstring MainDialog::ListedFileName(int position) const { return ListBoxText(m_hFileList, position); }

std::vector<int> MainDialog::SelectedFilePositions() const {
  // The whole selection, however long: no position is guessed or read twice.
  return SelectedPositions(m_hFileList);
}

std::optional<int> MainDialog::FocusedFilePosition() const { return ListBoxCaret(m_hFileList); }

std::wstring MainDialog::ListedFolder() const { return m_strListedFolder; }
std::wstring MainDialog::TypedPattern() const { return FileSpec; }
std::wstring MainDialog::ListedPattern() const { return PathSpec; }

void MainDialog::Refresh() {
  FileSpec = LimitedFileSpec(ReadWindowText(GetDlgItem(IDC_FILE_SPEC)));
  // A pattern the listing refuses leaves the lists as they were.
  ListFolder(ShownFolder(), FileSpec);
  EnableSelectionCommands(false);
}

void MainDialog::FillLists() {
  // The folder and pattern of the last listing, not the field's text: the
  // pattern may have named a folder of its own (work\*.*), or have been
  // refused, and a refill must show the files the commands just acted on.
  ListFolder(ListedFolder(), m_strListedPattern);
}

bool MainDialog::ListFolder(const std::wstring& folder, const std::wstring& pattern) {
  // Read first, shown after: a folder that cannot be listed leaves the lists
  // as they were.
  const std::optional<DirectoryListing> listing = ListDirectory(folder + pattern);
  if (!listing) return false;
  // A pattern that names a folder of its own ("sub\*.txt") has entered that
  // folder; a refill lists it again with the pattern alone.
  m_strListedPattern = listing->pattern;
  m_strListedFolder = FolderEnteredByListing(folder, listing->folder);
  ListBoxFill(m_hFileList, listing->files);
  ListBoxFill(GetDlgItem(IDC_DIRECTORY_LIST), listing->folders);
  ListBoxFill(GetDlgItem(IDC_DRIVE_LIST), listing->drives);
  SetDlgItemText(IDC_PATH_LINE, PathLineOf(listing->folder));
  // Where the file dialogs start. A current directory past MAX_PATH breaks
  // the platform's own code (Wine's loader then fails to load a library as
  // the window paints): a deeper folder leaves it at the nearest folder
  // above that fits. The commands name files by full paths.
  ChangeCurrentDirectory(NearestFolderWithin(listing->folder, MAX_PATH - 1));
  PathSpec = m_strListedPattern;
  SettleNewlyShownFolder();
  return true;
}

void MainDialog::EnableSelectionCommands(bool enable) {
  for (int id : {IDC_LOWER_CASE, IDC_UPPER_CASE, IDC_SUBSTITUTE, IDC_DELETE})
    EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
}

void MainDialog::OnFileListSelectionChange() {
  EnableSelectionCommands(ListBoxSelectedCount(m_hFileList) > 0);
}

void MainDialog::OnDirectoryDoubleClick() {
  std::wstring entry = SelectedListText(GetDlgItem(IDC_DIRECTORY_LIST));
  if (entry.size() < 2) return;
  entry.back() = L'\\';  // "[system]" becomes "system\"
  entry.erase(0, 1);
  // The list holds the subfolders of the listed folder, which a pattern
  // naming a folder of its own makes another than the browsed one.
  const std::wstring listed = ListedFolder();
  ShowFolder(entry == L"..\\" ? ParentFolderPath(listed) : listed + entry);
}

void MainDialog::OnDriveDoubleClick() {
  const std::wstring entry = SelectedListText(GetDlgItem(IDC_DRIVE_LIST));
  // Drive entries read "[-c-]".
  if (entry.size() != 5 || !entry.starts_with(L"[-") || !entry.ends_with(L"-]")) return;
  ShowFolder(std::wstring{entry[2], L':', L'\\'});
}

void MainDialog::OnSelectAll() {
  ListBoxSelectAll(m_hFileList, true);
  EnableSelectionCommands(ListBoxCount(m_hFileList) > 0);
}

void MainDialog::OnSelectNone() {
  ListBoxSelectAll(m_hFileList, false);
  EnableSelectionCommands(false);
}

void MainDialog::OnHomeDesktop() { ShowProfileFolder(L"Desktop"); }
void MainDialog::OnHomePersonal() { ShowProfileFolder(L"Personal"); }
void MainDialog::OnHomeFavorites() { ShowProfileFolder(L"Favorites"); }
// A folder the system could not name stays empty, and is refused as no folder.
void MainDialog::OnHomeWindows() { ShowFolder(FolderWithSeparator(WindowsFolderPath())); }
void MainDialog::OnHomeSystem() { ShowFolder(FolderWithSeparator(SystemFolderPath())); }

void MainDialog::ShowProfileFolder(const wchar_t* subfolder) {
  const std::wstring profile = EnvironmentVariable(L"USERPROFILE");
  if (profile.empty()) {
    ReportFolderNotShown(std::wstring(L"%USERPROFILE%\\") + subfolder + L"\\", FolderRefusal::ProfileNotSet);
    return;
  }
  ShowFolder(FullPathOf(profile + L"\\" + subfolder + L"\\"));
}

void MainDialog::ShowStartFolder() {
  const std::wstring profile = EnvironmentVariable(L"USERPROFILE");
  if (!profile.empty() && !MoveTo(FullPathOf(profile + L"\\Desktop\\"))) return;
  // No Desktop to show: the lists already show the folder the program was
  // started in, and the browsing strings name it too, so that moving on
  // from there and every command act where the lists show.
  if (const auto start = SplitFolderPath(ListedFolder())) {
    CurrentDrive = start->drive;
    CurrentFolder = start->folder;
  }
}

void MainDialog::ShowFolder(const std::wstring& folderPath) {
  if (const auto refusal = MoveTo(folderPath)) ReportFolderNotShown(folderPath, *refusal);
}

std::optional<FolderRefusal> MainDialog::MoveTo(const std::wstring& folderPath) {
  // A path relative to some current directory, or a network path, cannot be
  // held as drive and folder.
  const auto target = SplitFolderPath(folderPath);
  if (!target) return FolderRefusal::NotOnADrive;
  // A pattern that named a folder of its own stays behind: the new folder is
  // listed with the pattern alone, as the listing applied it.
  const bool patternNamedAFolder = ListedFolder() != ShownFolder();
  const std::wstring folder = target->drive + target->folder;
  if (!ListFolder(folder, m_strListedPattern)) return FolderRefusal::Unavailable;
  CurrentDrive = target->drive;
  CurrentFolder = target->folder;
  EnableSelectionCommands(false);
  if (patternNamedAFolder && FileSpec != m_strListedPattern) {
    SetDlgItemText(IDC_FILE_SPEC, m_strListedPattern);  // its change notification lists once more
  }
  return std::nullopt;
}

void MainDialog::ReportFolderNotShown(const std::wstring& folderPath, FolderRefusal why) const {
  MessageBox(FolderNotShownText(folderPath, why), kNavigationErrorCaption, MB_OK | MB_ICONEXCLAMATION);
}

std::optional<LRESULT> MainDialog::OnSysCommand(UINT command) {
  switch (command) {
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

std::optional<LRESULT> MainDialog::OnPaint() {
  if (!IsIconic(GetSafeHwnd())) return std::nullopt;
  PaintContext paint(GetSafeHwnd());
  SendMessageW(GetSafeHwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.get()), 0);
  RECT client{};
  GetClientRect(GetSafeHwnd(), &client);
  // At the window's own scale: a large icon of its display, not of 96 dpi.
  const int iconSize = IconSizeForDpi(WindowDpi(GetSafeHwnd()));
  const int x = (client.right - client.left - iconSize + 1) / 2;
  const int y = (client.bottom - client.top - iconSize + 1) / 2;
  DrawIconEx(paint.get(), x, y, m_hIcon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
  return 0;
}

std::optional<LRESULT> MainDialog::OnQueryDragIcon() { return reinterpret_cast<LRESULT>(m_hIcon); }

std::optional<LRESULT> MainDialog::OnDestroy() {
  WinHelpW(GetSafeHwnd(), nullptr, HELP_QUIT, 0);
  return std::nullopt;
}
