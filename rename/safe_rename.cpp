#include "rename/safe_rename.h"

#include "framework/folder_listing.h"
#include "framework/string_format.h"
#include "framework/win32.h"

std::uint32_t SafeRenamer::CurrentFolderNames::Move(const std::string& from, const std::string& to) {
  // MoveFileA never replaces an existing file.
  if (MoveFileA(from.c_str(), to.c_str())) return 0;
  return GetLastError();
}

std::vector<std::string> SafeRenamer::CurrentFolderNames::StoredNames() { return NamesMatching("*"); }

std::string SafeRenamer::CurrentFolderNames::TemporaryName(int attempt) {
  return FormatString("~dvx%08lx%04x.tmp", static_cast<unsigned long>(GetCurrentProcessId()), attempt);
}
