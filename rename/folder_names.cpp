#include "rename/folder_names.h"

#include "app/name_case.h"
#include "app/temporary_name.h"
#include "framework/file.h"
#include "framework/folder_listing.h"
#include "framework/win32.h"

std::uint32_t FolderNames::Move(const std::wstring& from, const std::wstring& to) {
  // A move never replaces an existing file.
  return File::TryRename(m_folder + from, m_folder + to);
}

std::vector<std::wstring> FolderNames::StoredNames() { return NamesMatching(m_folder + L"*"); }

std::vector<std::wstring> FolderNames::StoredSpellingsOf(const std::wstring& name) {
  return SpellingsAmong(NamesMatching(m_folder + SpellingsPattern(name)), name);
}

std::wstring FolderNames::OpaqueTemporaryName(int attempt) {
  return ::OpaqueTemporaryName(GetCurrentProcessId(), attempt);
}
