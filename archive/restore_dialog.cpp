#include "archive/restore_dialog.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "app/stranded_file_check.h"
#include "archive/archive_messages.h"
#include "archive/file_archive_source.h"
#include "archive/restore_naming.h"
#include "archive/restore_run.h"
#include "framework/file_dialog.h"
#include "framework/list_box.h"
#include "framework/path.h"
#include "framework/string_format.h"
#include "framework/text.h"
#include "res/resource.h"

#include <algorithm>

using archive_format::ArchiveListing;

namespace {

// The dialog's boxes, as a Restore step sees them.
class DialogBoxes final : public RestoreWindow {
 public:
  explicit DialogBoxes(const Dialog& dialog) : m_dialog(dialog) {}
  int MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const override {
    return m_dialog.MessageBox(text, caption, style);
  }

 private:
  const Dialog& m_dialog;
};

// Asks where an item goes, the item's name and extension offered.
FileDialog TargetDialogFor(const std::wstring& itemName, HWND owner) {
  const std::wstring extension = DerivedExtension(itemName);
  return FileDialog(false, extension, itemName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    RestoreFilterFor(extension), owner);
}

}  // namespace

RestoreDialog::RestoreDialog(HWND parent) : MappedDialog(TemplateIdFor(CurrentLanguage()), parent) {}

int RestoreDialog::TemplateIdFor(LanguageId language) {
  return PickTemplate(language, IDD_RESTORE_EN, IDD_RESTORE_DE, IDD_RESTORE_FR, IDD_RESTORE_IT);
}

const MessageMap<RestoreDialog>& RestoreDialog::GetMessageMap() {
  static constexpr CommandEntry<RestoreDialog> commands[] = {
      {IDC_RESTORE_ITEMS, LBN_DBLCLK, &RestoreDialog::OnItemDoubleClick},
      {IDC_RESTORE_ALL_NEW, BN_CLICKED, &RestoreDialog::OnRestoreAllNew},
      {IDC_RESTORE_ALL_ORIGINAL, BN_CLICKED, &RestoreDialog::OnRestoreAllOriginal},
      {IDC_RESTORE_FILE_NEW, BN_CLICKED, &RestoreDialog::OnRestoreFileNew},
      {IDC_RESTORE_FILE_ORIGINAL, BN_CLICKED, &RestoreDialog::OnRestoreFileOriginal},
      {IDC_RESTORE_ITEMS, LBN_SELCHANGE, &RestoreDialog::OnItemSelChange},
  };
  static constexpr MessageMap<RestoreDialog> map{commands, {}};
  return map;
}

BOOL RestoreDialog::OnInitDialog() {
  const LanguageId language = CurrentLanguage();
  FileDialog openDialog(true, L"Backup", L"*.Backup", OFN_HIDEREADONLY, L"Backup Files (*.Backup)|*.Backup",
                        GetSafeHwnd());
  if (m_bNoExit) EnableWindow(GetDlgItem(IDCANCEL), FALSE);
  if (m_bChooseArchive) {
    if (openDialog.DoModal() != IDOK) return TRUE;
    m_strArchivePath = openDialog.GetPathName();
  }

  File archive;
  if (!archive.Open(m_strArchivePath, File::Mode::ReadExisting, nullptr)) {
    MessageBox(Text(LocalizedText::OpenFileError, language), m_strArchivePath, MB_OK);
    return TRUE;
  }
  const auto listing = ListOpenedArchive(archive);
  if (!listing) {
    MessageBox(Text(LocalizedText::NotABackupFile, language), Text(LocalizedText::ErrorTitle, language),
               MB_ICONINFORMATION);
    return FALSE;
  }
  archive.Close();

  // Rows are sorted by name; each remembers its item, so an archive made
  // elsewhere in another order still restores the item the row shows. An
  // item whose name is no text here shows by its position: it keeps its row,
  // and restoring it says why it cannot be.
  const unsigned codePage = SystemCodePage();
  const DecodedNames names = DecodeNames(*listing, codePage);
  HWND list = GetDlgItem(IDC_RESTORE_ITEMS);
  for (std::size_t index = 0; index < names.items.size(); ++index) {
    const std::optional<std::wstring>& name = names.items[index];
    const int row = ListBoxAdd(list, name ? *name : ItemPlaceholderText(index + 1, codePage));
    if (row >= 0) ListBoxSetData(list, row, static_cast<LPARAM>(index));
  }
  ListBoxSetCurrent(list, 0);
  SetDlgItemText(IDC_RESTORE_SOURCE_FOLDER,
                 names.sourceFolder ? *names.sourceFolder : FolderPlaceholderText(codePage));
  if (listing->damage) ReportDamage(*listing);
  return Dialog::OnInitDialog();
}

std::optional<ArchiveListing> RestoreDialog::ListOpenedArchive(File& archive) {
  FileArchiveSource source(archive);
  return archive_format::ListArchive(source);
}

void RestoreDialog::ReportDamage(const ArchiveListing& listing) {
  MessageBox(DamagedArchiveText(m_strArchivePath, listing.items.size()),
             Text(LocalizedText::ErrorTitle, CurrentLanguage()), MB_ICONEXCLAMATION);
}

bool RestoreDialog::RefusedOriginalFolder(const DecodedNames& names) {
  const std::optional<std::wstring> refusal = OriginalFolderRefusal(m_strArchivePath, names.sourceFolder);
  if (refusal) MessageBox(*refusal, Text(LocalizedText::RestoreTitle, CurrentLanguage()), MB_ICONSTOP);
  return refusal.has_value();
}

void RestoreDialog::RestoreItem(BOOL bAskTarget) {
  const LanguageId language = CurrentLanguage();
  HWND list = GetDlgItem(IDC_RESTORE_ITEMS);
  const std::optional<int> row = ListBoxCurrent(list);
  if (!row) return;  // an archive without items
  const auto itemIndex = static_cast<std::size_t>(ListBoxData(list, *row));

  File archive;
  if (!archive.Open(m_strArchivePath, File::Mode::ReadExisting, nullptr)) {
    MessageBox(Text(LocalizedText::OpenOrCreateError, language), m_strArchivePath, MB_ICONSTOP);
    return;
  }
  const auto listing = ListOpenedArchive(archive);
  if (!listing) {
    MessageBox(Text(LocalizedText::NotABackupFile, language), Text(LocalizedText::RestoreTitle, language),
               MB_ICONINFORMATION);
    return;
  }
  if (itemIndex >= listing->items.size()) {  // the file was cut short since it was listed
    ReportDamage(*listing);
    return;
  }
  const DecodedNames names = DecodeNames(*listing, SystemCodePage());
  const std::optional<std::wstring>& name = names.items[itemIndex];
  if (const std::optional<std::wstring> refusal = ItemRefusal(itemIndex, name)) {
    MessageBox(*refusal, Text(LocalizedText::ErrorTitle, language), MB_ICONSTOP);
    return;
  }
  if (!bAskTarget && RefusedOriginalFolder(names)) return;

  std::wstring targetPath;
  if (bAskTarget) {
    FileDialog saveDialog = TargetDialogFor(*name, GetSafeHwnd());
    if (saveDialog.DoModal() != IDOK) return;
    targetPath = saveDialog.GetPathName();
  } else {
    targetPath = PathInFolder(*names.sourceFolder, *name);
  }
  SettleStrandedFilesBeforeWriting(GetSafeHwnd(), FolderOfPath(targetPath));
  FileArchiveSource source(archive);
  const ExcludedFile archiveFile(archive, m_strArchivePath, FolderOfPath(targetPath));
  RestoreOneItem(DialogBoxes(*this), {source, m_strArchivePath, *listing, names, &archiveFile}, itemIndex,
                 targetPath, !bAskTarget);
  archive.Close();
}

void RestoreDialog::RestoreAllItems(BOOL bAskTarget) {
  const LanguageId language = CurrentLanguage();
  ProgressDialog progress;
  const auto showSummary = [&](int restored) {
    MessageBox(FormatText(Text(LocalizedText::ItemsRestored, language), {restored}),
               Text(LocalizedText::ResultTitle, language), MB_ICONINFORMATION);
  };

  File archive;
  if (!archive.Open(m_strArchivePath, File::Mode::ReadExisting, nullptr)) {
    MessageBox(Text(LocalizedText::OpenFileError, language), Text(LocalizedText::RestoreTitle, language),
               MB_ICONSTOP);
    return;
  }
  const auto listing = ListOpenedArchive(archive);
  if (!listing) {
    MessageBox(Text(LocalizedText::NotABackupFile, language), Text(LocalizedText::ErrorTitle, language),
               MB_ICONINFORMATION);
    return;
  }
  // Said before anything is written: only the intact items are restored.
  if (listing->damage) ReportDamage(*listing);
  const DecodedNames names = DecodeNames(*listing, SystemCodePage());

  std::wstring folder = names.sourceFolder.value_or(std::wstring());
  if (!bAskTarget && RefusedOriginalFolder(names)) return;
  if (bAskTarget) {
    // The first item that can be written is offered; with none there is
    // nothing to ask about.
    const auto offered =
        std::find_if(names.items.begin(), names.items.end(),
                     [](const std::optional<std::wstring>& name) { return name && IsPlainFileName(*name); });
    if (offered != names.items.end()) {
      FileDialog saveDialog = TargetDialogFor(**offered, GetSafeHwnd());
      if (saveDialog.DoModal() != IDOK) {
        archive.Close();
        showSummary(0);
        return;
      }
      folder = saveDialog.GetFolderPath();
    } else {
      folder.clear();
    }
  }

  SettleStrandedFilesBeforeWriting(GetSafeHwnd(), folder);
  progress.m_strTitle = Text(LocalizedText::RestoreTitle, language);
  progress.ShowOver(GetSafeHwnd());
  PacedProgress pace(progress);
  FileArchiveSource source(archive);
  const ExcludedFile archiveFile(archive, m_strArchivePath, folder);
  const int restored = RestoreEveryItem(DialogBoxes(*this), pace,
                                        {source, m_strArchivePath, *listing, names, &archiveFile}, folder);
  archive.Close();
  pace.ShowLatest();  // the summary comes up over the window
  showSummary(restored);
}
