// The stored language: HKEY_CURRENT_USER\Software\Dorvex, value "Language" (REG_DWORD).
#pragma once
#include "app/language_id.h"
#include "framework/unique_handles.h"

#include <optional>

// Creates or opens Software and then Dorvex under HKEY_CURRENT_USER; an empty
// key when either step fails.
UniqueRegKey OpenLanguageSettingKey();

// Any value of at most 4 bytes counts as the number, whatever its stored type.
std::optional<LanguageId> ReadStoredLanguage(const UniqueRegKey& key);
bool WriteStoredLanguage(const UniqueRegKey& key, LanguageId language);
