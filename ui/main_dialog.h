// The program's one main window: the file, directory and drive lists of the
// shown folder, and the command buttons. The commands live in the folders of
// their features (rename/, archive/, print/, filetypes/) and see the window
// only as a CommandWindow; this class routes its buttons to them.
#pragma once
#include "app/command_window.h"
#include "app/language_id.h"
#include "app/stranded_files.h"
#include "framework/dialog.h"
#include "framework/file_exception.h"
#include "ui/navigation_messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MainDialog : public MappedDialog<MainDialog>, public CommandWindow {
 public:
  MainDialog();
  static int TemplateIdFor(LanguageId language);

  BOOL m_bArchiveArg = FALSE;    // a command line was given
  std::wstring m_strArchiveArg;  // the command-line text, verbatim
  HICON m_hIcon = nullptr;       // shared resource icon: not destroyed

  // What the commands use of the window.
  HWND OwnerWindow() const override { return GetSafeHwnd(); }
  int MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const override;
  void ShowFileError(std::wstring_view name, const FileException& error,
                     const wchar_t* caption) const override;
  int ListedFileCount() const override;
  std::wstring ListedFileName(int position) const override;
  std::vector<int> SelectedFilePositions() const override;
  std::optional<int> FocusedFilePosition() const override;
  std::wstring ListedFolder() const override;
  std::wstring TypedPattern() const override;
  std::wstring ListedPattern() const override;
  void Refresh() override;
  void FillLists() override;
  void EnableSelectionCommands(bool enable) override;

 protected:
  BOOL OnInitDialog() override;

 private:
  friend class MappedDialog<MainDialog>;

  // What the lists were last filled with: the pattern as the listing applied
  // it in the listed folder.
  std::wstring m_strListedPattern;
  // The folder that listing entered, ending in a backslash: what the
  // commands act on, whatever the current directory is meanwhile.
  std::wstring m_strListedFolder;
  // Looked up once: under Wine every GetDlgItem asks the server for the
  // window's children, which a command reading each listed name would pay
  // for every file.
  HWND m_hFileList = nullptr;
  // The folder whose leftovers were last settled: each folder once a visit.
  // Empty until the start has shown its folder.
  std::wstring m_strSettledFolder;
  bool m_bSettlesShownFolders = false;
  // What was found left behind and not yet told, by folder.
  std::vector<std::pair<std::wstring, std::vector<StrandedFile>>> m_strandedToTell;

  static const MessageMap<MainDialog>& GetMessageMap();

  // Browsing and selection.
  void OnFileListSelectionChange();
  void OnDirectoryDoubleClick();
  void OnDriveDoubleClick();
  void OnSelectAll();
  void OnSelectNone();
  void OnHomeDesktop();
  void OnHomePersonal();
  void OnHomeFavorites();
  void OnHomeWindows();
  void OnHomeSystem();
  void ShowProfileFolder(const wchar_t* subfolder);
  // At start: the Desktop, else the folder the program was started in.
  void ShowStartFolder();
  // Moves to a full folder path, or tells the user why the window stays.
  void ShowFolder(const std::wstring& folderPath);
  // Lists the folder and takes it as the browsed one; nothing changes when
  // it cannot be listed, and the answer says why.
  std::optional<FolderRefusal> MoveTo(const std::wstring& folderPath);
  void ReportFolderNotShown(const std::wstring& folderPath, FolderRefusal why) const;
  // Fills the three lists and the path line from the folder and pattern.
  // False when the folder cannot be read or the listing refuses the
  // pattern: the lists, the path line and the current directory stay.
  bool ListFolder(const std::wstring& folder, const std::wstring& pattern);
  std::optional<LRESULT> OnSysCommand(UINT command);
  std::optional<LRESULT> OnPaint();
  std::optional<LRESULT> OnQueryDragIcon();
  std::optional<LRESULT> OnDestroy();

  // What an earlier run left under temporary names in a folder just shown
  // (at start and on every browse, not on a refill of the same folder):
  // brought back or removed where that is safe, the rest told over the
  // shown window.
  void SettleNewlyShownFolder();
  std::optional<LRESULT> OnReportStrandedFiles();
  // The window, once the listed folder is settled for a command that acts on its files.
  CommandWindow& SettledWindow();
  // A refill that keeps the selected names selected, for a command about to act on them.
  void FillListsKeepingSelection();

  // The commands, forwarded to their features.
  void OnLowerCase();
  void OnUpperCase();
  void OnSubstitute();
  void OnDelete();
  void OnEnumerate();
  void OnPrint();
  void OnBackup();
  void OnRetrieve();
  // The archive named on the command line; returns how its Restore dialog ended.
  INT_PTR OpenCommandLineArchive();
  void OnFileListDoubleClick();
};
