#include "framework/folder_listing.h"

#include "framework/path.h"
#include "framework/text_case.h"
#include "framework/unique_handles.h"

#include <string_view>

namespace {

bool IsFolder(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls `take` for every entry a wildcard search finds. False when the
// search fails for another reason than finding nothing.
template <class Take>
bool SearchFolder(const std::wstring& pattern, Take take) {
  WIN32_FIND_DATAW found{};
  // One search per refill of a large folder: fetch the entries in large
  // batches, and without the short names, which are never shown.
  const UniqueFindHandle search(FindFirstFileExW(SearchCallPath(pattern).c_str(), FindExInfoBasic, &found,
                                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!search) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
  }
  do {
    take(found);
  } while (FindNextFileW(search.get(), &found));
  return true;
}

std::vector<std::wstring> NamesMatching(const std::wstring& pattern, bool filesOnly) {
  std::vector<std::wstring> names;
  SearchFolder(pattern, [&](const WIN32_FIND_DATAW& found) {
    if (!filesOnly || !IsFolder(found)) names.emplace_back(found.cFileName);
  });
  return names;
}

bool IsExistingFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(FileCallPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool HoldsWildcard(std::wstring_view name) { return name.find_first_of(L"*?") != std::wstring_view::npos; }

// A pattern that every name matches, so that one search gives the files and
// the folders alike.
bool MatchesEveryName(std::wstring_view pattern) { return pattern == L"*" || pattern == L"*.*"; }

// Files that are hidden or belong to the system are left out, as the
// platform's listing of ordinary files leaves them out: a desktop.ini is no
// file of the user's to rename, number or delete.
bool IsOrdinaryFile(const WIN32_FIND_DATAW& found) {
  return (found.dwFileAttributes &
          (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

void TakeFolder(const WIN32_FIND_DATAW& found, std::vector<std::wstring>& folders) {
  const std::wstring_view name = found.cFileName;
  if (name == L".") return;
  folders.push_back(L"[" + std::wstring(name) + L"]");
}

// Each letter asked by its root, as the platform's listing asks: the mask of
// logical drives can miss a drive mapped since the program started.
std::vector<std::wstring> DriveEntries() {
  std::vector<std::wstring> drives;
  for (wchar_t letter = L'a'; letter <= L'z'; ++letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    if (GetDriveTypeW(root) > DRIVE_NO_ROOT_DIR) drives.push_back({L'[', L'-', letter, L'-', L']'});
  }
  return drives;
}

}  // namespace

std::vector<std::wstring> NamesMatching(const std::wstring& pattern) { return NamesMatching(pattern, false); }

std::vector<std::wstring> FileNamesMatching(const std::wstring& pattern) {
  return NamesMatching(pattern, true);
}

std::optional<DirectoryListing> ListDirectory(const std::wstring& pathSpec) {
  DirectoryListing listing;
  // A folder alone lists all its files; else the last part is the pattern,
  // applied in the folder before it.
  if (pathSpec.empty() || IsExistingFolder(pathSpec)) {
    listing.folder = pathSpec;
    listing.pattern = L"*";
  } else {
    // A bare pattern applies in the current directory.
    listing.folder = FolderOfPath(pathSpec);
    listing.pattern = pathSpec.substr(listing.folder.size());
    if (listing.folder.empty()) listing.folder = L".\\";
    if (!HoldsWildcard(listing.pattern) || !IsExistingFolder(listing.folder)) return std::nullopt;
  }
  listing.folder = FolderWithSeparator(FullPathOf(listing.folder.empty() ? L"." : listing.folder));

  // The pattern is handed on as it is: normalizing it would drop the dot
  // that makes "*." mean the names without an extension.
  const std::wstring pattern = listing.folder + listing.pattern;
  const bool oneSearch = MatchesEveryName(listing.pattern);
  const bool searched = SearchFolder(pattern, [&](const WIN32_FIND_DATAW& found) {
    if (IsOrdinaryFile(found)) listing.files.emplace_back(found.cFileName);
    if (oneSearch && IsFolder(found)) TakeFolder(found, listing.folders);
  });
  if (!searched) return std::nullopt;
  // Folders are listed whatever the pattern, as the platform lists them.
  if (!oneSearch && !SearchFolder(listing.folder + L"*", [&](const WIN32_FIND_DATAW& found) {
        if (IsFolder(found)) TakeFolder(found, listing.folders);
      })) {
    return std::nullopt;
  }
  listing.drives = DriveEntries();
  return listing;
}

std::wstring PathLineOf(const std::wstring& folder) {
  std::wstring line = folder;
  if (line.size() > 3 && line.back() == L'\\') line.pop_back();
  return ToLowerCase(line);
}
