// Lists the items of one backup archive and writes them back: the selected
// item or all of them, into the folder they came from or where the user says.
#pragma once
#include "app/language_id.h"
#include "archive/archive_format.h"
#include "archive/restore_naming.h"
#include "framework/dialog.h"
#include "framework/file.h"

#include <optional>
#include <string>

class RestoreDialog : public MappedDialog<RestoreDialog> {
 public:
  explicit RestoreDialog(HWND parent = nullptr);
  static int TemplateIdFor(LanguageId language);

  BOOL m_bChooseArchive = FALSE;  // ask for the archive with an open-file dialog first
  BOOL m_bNoExit = FALSE;         // disable the Exit button
  std::wstring m_strArchivePath;

  // bAskTarget: ask where to write; otherwise write into the archive's folder.
  void RestoreItem(BOOL bAskTarget);
  void RestoreAllItems(BOOL bAskTarget);

 protected:
  BOOL OnInitDialog() override;

 private:
  friend class MappedDialog<RestoreDialog>;
  static const MessageMap<RestoreDialog>& GetMessageMap();

  void OnItemDoubleClick() { RestoreItem(TRUE); }
  void OnRestoreAllNew() { RestoreAllItems(TRUE); }
  void OnRestoreAllOriginal() { RestoreAllItems(FALSE); }
  void OnRestoreFileNew() { RestoreItem(TRUE); }
  void OnRestoreFileOriginal() { RestoreItem(FALSE); }
  void OnItemSelChange() {}

  // The listing of an opened archive; nothing when it is no backup archive.
  std::optional<archive_format::ArchiveListing> ListOpenedArchive(File& archive);
  void ReportDamage(const archive_format::ArchiveListing& listing);
  // True, once said, when the items cannot go into the archive's own folder.
  bool RefusedOriginalFolder(const DecodedNames& names);
};
