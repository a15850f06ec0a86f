// The program's one main window: the file, directory and drive lists of the
// shown folder, and the command buttons. The commands live in the folders of
// their features (rename/, archive/, print/, filetypes/); this class routes them.
#pragma once
#include "app/language_id.h"
#include "framework/dialog.h"
#include "framework/file_exception.h"

#include <string>
#include <string_view>

class MainDialog : public MappedDialog<MainDialog> {
 public:
  MainDialog();
  static int TemplateIdFor(LanguageId language);

  BOOL m_bArchiveArg = FALSE;   // a command line was given
  std::string m_strArchiveArg;  // the command-line text, verbatim
  HICON m_hIcon = nullptr;      // shared resource icon: not destroyed

  void Refresh();
  void FillLists();
  void EnableSelectionCommands(bool enable);

  // The standard message for a failed file operation.
  void ShowFileError(std::string_view name, const FileException& error, const char* caption) const;

 protected:
  BOOL OnInitDialog() override;

 private:
  friend class MappedDialog<MainDialog>;
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
  void ShowFolder(const std::string& folderPath);
  std::optional<LRESULT> OnSysCommand(WPARAM command, LPARAM);
  std::optional<LRESULT> OnPaint(WPARAM, LPARAM);
  std::optional<LRESULT> OnQueryDragIcon(WPARAM, LPARAM);
  std::optional<LRESULT> OnDestroy(WPARAM, LPARAM);

  // Selection operations and numbering (rename/).
  void OnLowerCase();
  void OnUpperCase();
  void OnSubstitute();
  void OnDelete();
  void ProcessSelection(int code);
  void OnEnumerate();

  // Backup archive (archive/).
  void OnBackup();
  void OnRetrieve();
  // The archive named on the command line; returns how its Restore dialog ended.
  INT_PTR OpenCommandLineArchive();

  // Listing and properties (print/, filetypes/).
  void OnPrint();
  void OnFileListDoubleClick();
};
