#include "archive/restore_run.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "archive/archive_messages.h"
#include "archive/item_data_store.h"
#include "archive/item_restore.h"
#include "framework/folder_listing.h"
#include "framework/path.h"
#include "framework/text.h"

#include <cstdint>
#include <vector>

using archive_format::ArchiveItem;

namespace {

SpellingsByCase NamesOf(const DecodedNames& names) {
  SpellingsByCase spellings;
  for (const std::optional<std::wstring>& name : names.items)
    if (name) spellings.Add(*name);
  return spellings;
}

// The other item of the archive that the folder holds under the item's name
// in other case, if any: writing would replace it.
std::optional<std::wstring> CaseTwinOnDisk(const SpellingsByCase& itemNames, const std::wstring& folder,
                                           const std::wstring& itemName) {
  // Only an archive that holds another spelling of the name pays for a look
  // at the folder.
  if (!itemNames.HasOtherSpelling(itemName) || itemName.empty()) return std::nullopt;
  return CaseTwinInTheWay(itemName, NamesMatching(PathInFolder(folder, SpellingsPattern(itemName))),
                          itemNames);
}

bool IsTheArchive(const OpenedArchive& archive, const std::wstring& targetPath) {
  return archive.file && archive.file->Is(targetPath);
}

}  // namespace

std::optional<std::wstring> OriginalFolderRefusal(const std::wstring& archivePath,
                                                  const std::optional<std::wstring>& folder) {
  if (!folder) return FolderNotValidText(archivePath, SystemCodePage());
  // A folder in a device namespace is refused where the target is opened.
  if (!IsRestorableFolder(*folder) || NamesAbsoluteFolder(*folder)) return std::nullopt;
  return NoOriginalFolderText(archivePath);
}

std::optional<std::wstring> ItemRefusal(std::size_t index, const std::optional<std::wstring>& name) {
  if (!name) return ItemNameNotValidText(index + 1, SystemCodePage());
  if (IsPlainFileName(*name)) return std::nullopt;
  return UnsafeItemNameText(*name);
}

void RestoreOneItem(const RestoreWindow& window, const OpenedArchive& archive, std::size_t index,
                    const std::wstring& targetPath, bool intoOriginalFolder) {
  const std::wstring& name = *archive.names.items[index];
  if (intoOriginalFolder) {
    const std::wstring& folder = *archive.names.sourceFolder;
    if (const auto twin = CaseTwinOnDisk(NamesOf(archive.names), folder, name)) {
      window.MessageBox(CaseTwinText(name, *twin), targetPath, MB_ICONSTOP);
      return;
    }
  }
  // An archive's folder in a device namespace takes no file.
  const bool folderTakesFiles = !intoOriginalFolder || IsRestorableFolder(*archive.names.sourceFolder);
  std::vector<std::uint8_t> buffer(archive_format::kCopyBufferSize);
  if (!folderTakesFiles || IsTheArchive(archive, targetPath) ||
      !RestoreItemData(archive.source, archive.path, archive.listing.items[index], targetPath, buffer))
    window.MessageBox(Text(LocalizedText::ArchiveReadError, CurrentLanguage()), targetPath, MB_OK);
}

int RestoreEveryItem(const RestoreWindow& window, RunProgress& progress, const OpenedArchive& archive,
                     const std::wstring& folder) {
  const LanguageId language = CurrentLanguage();
  const std::vector<ArchiveItem>& items = archive.listing.items;
  const SpellingsByCase itemNames = NamesOf(archive.names);
  std::vector<std::uint8_t> buffer(archive_format::kCopyBufferSize);
  int restored = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::optional<std::wstring>& name = archive.names.items[i];
    if (const std::optional<std::wstring> refusal = ItemRefusal(i, name)) {
      progress.ShowLatest();
      window.MessageBox(*refusal, Text(LocalizedText::ErrorTitle, language), MB_ICONSTOP);
    } else {
      const std::wstring targetPath = PathInFolder(folder, *name);
      // Every target, also one that cannot be created: its message names it.
      progress.SetStatus(targetPath);
      if (const auto twin = CaseTwinOnDisk(itemNames, folder, *name)) {
        progress.ShowLatest();
        window.MessageBox(CaseTwinText(*name, *twin), targetPath, MB_ICONSTOP);
      } else if (IsRestorableFolder(folder) && !IsTheArchive(archive, targetPath) &&
                 RestoreItemData(archive.source, archive.path, items[i], targetPath, buffer)) {
        ++restored;
      } else {
        progress.ShowLatest();
        window.MessageBox(Text(LocalizedText::OpenOrCreateError, language), targetPath, MB_ICONSTOP);
      }
    }
    progress.SetPosition(static_cast<int>(i), static_cast<int>(items.size()));
    if (progress.TakeCancelRequest() &&
        window.MessageBox(Text(LocalizedText::CancelQuestion, language),
                          Text(LocalizedText::RestoreTitle, language), MB_YESNO | MB_ICONQUESTION) == IDYES)
      break;
  }
  return restored;
}
