#include "ui/browsing_state.h"

#include "framework/path.h"
#include "framework/text_case.h"

std::wstring CurrentDrive;
std::wstring CurrentFolder;
std::wstring FileSpec;
std::wstring PathSpec;

std::wstring ShownFolder() { return CurrentDrive + CurrentFolder; }

std::wstring FolderEnteredByListing(const std::wstring& folder, const std::wstring& listedFolder) {
  const std::wstring entered = FolderWithSeparator(listedFolder);
  if (entered.empty()) return folder;
  const std::wstring folderFull = FolderWithSeparator(FullPathOf(folder));
  return SameTextIgnoringCase(folderFull, entered) ? FolderWithSeparator(folder) : entered;
}
