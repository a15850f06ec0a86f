#include "rename/folder_names.h"

#include "app/name_case.h"
#include "app/temporary_name.h"
#include "framework/file.h"
#include "framework/folder_listing.h"
#include "framework/text_case.h"
#include "framework/win32.h"

std::uint32_t FolderNames::Move(const std::wstring& from, const std::wstring& to) {
  // A move never replaces an existing file.
  return File::TryRename(m_folder + from, m_folder + to);
}

std::vector<std::wstring> FolderNames::StoredNames() { return NamesMatching(m_folder + L"*"); }

std::vector<std::wstring> FolderNames::StoredSpellingsOf(const std::wstring& name) {
  std::vector<std::wstring> spellings = NamesMatching(m_folder + SpellingsPattern(name));
  std::erase_if(spellings, [&](const std::wstring& stored) { return !SameTextIgnoringCase(stored, name); });
  return spellings;
}

std::wstring FolderNames::OpaqueTemporaryName(int attempt) {
  return ::OpaqueTemporaryName(GetCurrentProcessId(), attempt);
}
