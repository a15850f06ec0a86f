#include "archive/restore_dialog.h"

#include "app/ansi_case.h"
#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "archive/archive_messages.h"
#include "archive/file_archive_source.h"
#include "archive/item_data_store.h"
#include "archive/restore_naming.h"
#include "framework/file_dialog.h"
#include "framework/folder_listing.h"
#include "framework/plain_file_name.h"
#include "framework/string_format.h"
#include "res/resource.h"

#include <algorithm>
#include <span>
#include <vector>

using archive_format::ArchiveItem;
using archive_format::ArchiveListing;

namespace {

void WriteChunkTo(File& target, std::span<const std::uint8_t> chunk) {
  target.Write(chunk.data(), static_cast<std::uint32_t>(chunk.size()));
}

SpellingsByCase NamesOf(const ArchiveListing& listing) {
  SpellingsByCase names;
  for (const ArchiveItem& item : listing.items) names.Add(item.name);
  return names;
}

// Asks where an item goes, the item's name and extension offered.
FileDialog TargetDialogFor(const std::string& itemName, HWND owner) {
  const std::string extension = DerivedExtension(itemName);
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
  FileDialog openDialog(true, "Backup", "*.Backup", OFN_HIDEREADONLY, "Backup Files (*.Backup)|*.Backup",
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
  // elsewhere in another order still restores the item the row shows.
  HWND list = GetDlgItem(IDC_RESTORE_ITEMS);
  for (std::size_t index = 0; index < listing->items.size(); ++index) {
    const LRESULT row =
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(listing->items[index].name.c_str()));
    if (row >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(index));
  }
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  SetDlgItemText(IDC_RESTORE_SOURCE_FOLDER, listing->sourceFolder);
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

bool RestoreDialog::HasOriginalFolder(const ArchiveListing& listing) {
  // A folder in a device namespace is refused where the target is opened.
  if (!IsRestorableFolder(listing.sourceFolder) || NamesAbsoluteFolder(listing.sourceFolder)) return true;
  MessageBox(NoOriginalFolderText(m_strArchivePath), Text(LocalizedText::RestoreTitle, CurrentLanguage()),
             MB_ICONSTOP);
  return false;
}

std::optional<std::string> RestoreDialog::CaseTwinOnDisk(const SpellingsByCase& itemNames,
                                                         const std::string& folder, const ArchiveItem& item) {
  // Only an archive that holds another spelling of the name pays for a look
  // at the folder.
  if (!itemNames.HasOtherSpelling(item.name) || item.name.empty()) return std::nullopt;
  // A wildcard in place of the first letter finds every stored spelling.
  std::string pattern = item.name;
  pattern.front() = '?';
  return CaseTwinInTheWay(item.name, NamesMatching(PathInFolder(folder, pattern)), itemNames);
}

bool RestoreDialog::IsRestorable(const ArchiveItem& item) {
  if (IsPlainFileName(item.name)) return true;
  MessageBox(UnsafeItemNameText(item.name), Text(LocalizedText::ErrorTitle, CurrentLanguage()), MB_ICONSTOP);
  return false;
}

void RestoreDialog::RestoreItem(BOOL bAskTarget) {
  const LanguageId language = CurrentLanguage();
  HWND list = GetDlgItem(IDC_RESTORE_ITEMS);
  const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (row == LB_ERR) return;  // an archive without items
  const auto itemIndex = static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, row, 0));

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
  const ArchiveItem& item = listing->items[itemIndex];
  if (!IsRestorable(item)) return;
  if (!bAskTarget && !HasOriginalFolder(*listing)) return;

  std::string targetPath;
  if (bAskTarget) {
    FileDialog saveDialog = TargetDialogFor(item.name, GetSafeHwnd());
    if (saveDialog.DoModal() != IDOK) return;
    targetPath = saveDialog.GetPathName();
  } else {
    targetPath = PathInFolder(listing->sourceFolder, item.name);
  }

  // A path chosen in the save dialog was confirmed there, over any spelling.
  if (!bAskTarget) {
    if (const auto twin = CaseTwinOnDisk(NamesOf(*listing), listing->sourceFolder, item)) {
      MessageBox(CaseTwinText(item.name, *twin), targetPath, MB_ICONSTOP);
      return;
    }
  }
  File target;
  if ((!bAskTarget && !IsRestorableFolder(listing->sourceFolder)) ||
      !target.Open(targetPath, File::Mode::CreateReadWrite, nullptr)) {
    MessageBox(Text(LocalizedText::ArchiveReadError, language), targetPath, MB_OK);
    return;
  }
  FileArchiveSource source(archive);
  std::vector<std::uint8_t> buffer(archive_format::kCopyBufferSize);
  archive_format::CopyItemData(
      source, item, [&](std::span<const std::uint8_t> chunk) { WriteChunkTo(target, chunk); }, buffer);
  target.Close();
  archive.Close();
}

void RestoreDialog::RestoreAllItems(BOOL bAskTarget) {
  const LanguageId language = CurrentLanguage();
  ProgressDialog progress;
  const auto showSummary = [&](int restored) {
    MessageBox(FormatString(TextCStr(LocalizedText::ItemsRestored, language), restored),
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
  const std::vector<ArchiveItem>& items = listing->items;

  std::string folder = listing->sourceFolder;
  if (!bAskTarget && !HasOriginalFolder(*listing)) return;
  if (bAskTarget) {
    // The first item that can be written is offered; with none there is
    // nothing to ask about.
    const auto offered = std::find_if(items.begin(), items.end(),
                                      [](const ArchiveItem& item) { return IsPlainFileName(item.name); });
    if (offered != items.end()) {
      FileDialog saveDialog = TargetDialogFor(offered->name, GetSafeHwnd());
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

  int restored = 0;
  progress.m_strTitle = Text(LocalizedText::RestoreTitle, language);
  progress.ShowOver(GetSafeHwnd());
  PacedProgress pace(progress);
  FileArchiveSource source(archive);
  std::vector<std::uint8_t> buffer(archive_format::kCopyBufferSize);
  const SpellingsByCase itemNames = NamesOf(*listing);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const ArchiveItem& item = items[i];
    if (IsRestorable(item)) {
      const std::string targetPath = PathInFolder(folder, item.name);
      // Every target, also one that cannot be created: its message names it.
      pace.SetStatus(targetPath);
      File target;
      if (const auto twin = CaseTwinOnDisk(itemNames, folder, item)) {
        pace.FlushStatus();
        MessageBox(CaseTwinText(item.name, *twin), targetPath, MB_ICONSTOP);
      } else if (IsRestorableFolder(folder) &&
                 target.Open(targetPath, File::Mode::CreateReadWrite, nullptr)) {
        archive_format::CopyItemData(
            source, item, [&](std::span<const std::uint8_t> chunk) { WriteChunkTo(target, chunk); }, buffer);
        target.Close();
        ++restored;
      } else {
        pace.FlushStatus();
        MessageBox(Text(LocalizedText::OpenOrCreateError, language), targetPath, MB_ICONSTOP);
      }
    }
    pace.SetPosition(static_cast<int>(i), static_cast<int>(items.size()));
    if (pace.TakeCancelRequest() &&
        MessageBox(Text(LocalizedText::CancelQuestion, language), Text(LocalizedText::RestoreTitle, language),
                   MB_YESNO | MB_ICONQUESTION) == IDYES)
      break;
  }
  archive.Close();
  pace.FlushStatus();  // the summary comes up over the window
  showSummary(restored);
}
