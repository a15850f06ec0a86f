#include "rename/safe_rename.h"

#include "app/temporary_name.h"
#include "framework/file.h"
#include "framework/folder_listing.h"
#include "framework/win32.h"

std::uint32_t SafeRenamer::CurrentFolderNames::Move(const std::wstring& from, const std::wstring& to) {
  // A move never replaces an existing file.
  return File::TryRename(from, to);
}

std::vector<std::wstring> SafeRenamer::CurrentFolderNames::StoredNames() { return NamesMatching(L"*"); }

std::wstring SafeRenamer::CurrentFolderNames::OpaqueTemporaryName(int attempt) {
  return ::OpaqueTemporaryName(GetCurrentProcessId(), attempt);
}
