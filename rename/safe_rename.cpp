#include "rename/safe_rename.h"

#include "framework/string_format.h"
#include "framework/unique_handles.h"
#include "app/ansi_case.h"

std::uint32_t SafeRenamer::CurrentFolderNames::Move(const std::string& from, const std::string& to) {
  // MoveFileA never replaces an existing file.
  if (MoveFileA(from.c_str(), to.c_str())) return 0;
  return GetLastError();
}

std::vector<std::string> SafeRenamer::CurrentFolderNames::Spellings(const std::string& name) {
  // A lookup by the name reports one spelling, on some disks the one asked
  // for; a wildcard in place of its first letter lists the stored ones,
  // among a few other names.
  std::string pattern = name;
  pattern[0] = '?';
  std::vector<std::string> spellings;
  WIN32_FIND_DATAA found{};
  UniqueFindHandle search(FindFirstFileA(pattern.c_str(), &found));
  if (!search) return spellings;
  do {
    if (SameNameIgnoringCase(found.cFileName, name)) spellings.emplace_back(found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return spellings;
}

std::string SafeRenamer::CurrentFolderNames::TemporaryName(int attempt) {
  return FormatString("~dvx%08lx%04x.tmp", static_cast<unsigned long>(GetCurrentProcessId()), attempt);
}
