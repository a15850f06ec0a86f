#include "framework/folder_listing.h"

#include "framework/unique_handles.h"

std::vector<std::string> NamesMatching(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const UniqueFindHandle search(FindFirstFileA(pattern.c_str(), &found));
  if (!search) return names;
  do {
    names.emplace_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return names;
}
