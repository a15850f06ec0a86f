#include "ui/browsing_state.h"

#include "framework/file.h"
#include "framework/path_checks.h"
#include "framework/text_case.h"

std::wstring CurrentDrive;
std::wstring CurrentFolder;
std::wstring FileSpec;
std::wstring PathSpec;

std::wstring ShownFolder() { return CurrentDrive + CurrentFolder; }

std::wstring FolderEnteredByListing(const std::wstring& folder, const std::wstring& currentDirectory) {
  const std::wstring entered = FolderWithSeparator(currentDirectory);
  if (entered.empty()) return folder;
  const std::wstring folderFull = FolderWithSeparator(FullPathOf(folder));
  return SameTextIgnoringCase(folderFull, entered) ? FolderWithSeparator(folder) : entered;
}

std::optional<DriveAndFolder> SplitFolderPath(std::wstring_view folderPath) {
  // The browsing strings hold backslashes alone.
  if (!StartsWithDriveRoot(folderPath) || folderPath[2] != L'\\') return std::nullopt;
  return DriveAndFolder{std::wstring(folderPath.substr(0, 2)),
                        FolderWithSeparator(std::wstring(folderPath.substr(2)))};
}

std::wstring ParentFolderPath(std::wstring_view folderPath) {
  std::wstring parent = FolderWithSeparator(std::wstring(folderPath));
  const std::size_t root = parent.find(L'\\');
  if (root == std::wstring::npos) return parent;
  const std::size_t cut = parent.rfind(L'\\', parent.size() - 2);
  if (cut == std::wstring::npos || cut < root || parent.size() - 1 == root) return parent;
  parent.erase(cut + 1);
  return parent;
}
