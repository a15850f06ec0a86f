#include "framework/folder_listing.h"

#include "framework/unique_handles.h"

namespace {

std::vector<std::wstring> NamesMatching(const std::wstring& pattern, bool filesOnly) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle search(FindFirstFileW(pattern.c_str(), &found));
  if (!search) return names;
  do {
    if (!filesOnly || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      names.emplace_back(found.cFileName);
  } while (FindNextFileW(search.get(), &found));
  return names;
}

}  // namespace

std::vector<std::wstring> NamesMatching(const std::wstring& pattern) { return NamesMatching(pattern, false); }

std::vector<std::wstring> FileNamesMatching(const std::wstring& pattern) {
  return NamesMatching(pattern, true);
}
