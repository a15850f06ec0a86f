// The language setting in the registry of the test's Wine prefix.
#pragma once
#include <windows.h>

#include <optional>

#include "app/language_id.h"

inline void StoreLanguage(LanguageId language) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Dorvex", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                  nullptr);
  const DWORD value = static_cast<DWORD>(language);
  RegSetValueExA(key, "Language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

inline void ForgetLanguage() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Dorvex", 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, "Language");
    RegCloseKey(key);
  }
}

inline std::optional<LanguageId> StoredLanguage() {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Dorvex", "Language", RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return static_cast<LanguageId>(value);
}

// The stored language for as long as it lives, put back as it was afterwards,
// so that the language dialog of a first start does not come in between a
// test and the program it starts.
class StoredLanguageGuard {
 public:
  explicit StoredLanguageGuard(LanguageId language) { StoreLanguage(language); }
  ~StoredLanguageGuard() {
    if (m_previous) {
      StoreLanguage(*m_previous);
    } else {
      ForgetLanguage();
    }
  }
  StoredLanguageGuard(const StoredLanguageGuard&) = delete;
  StoredLanguageGuard& operator=(const StoredLanguageGuard&) = delete;

 private:
  std::optional<LanguageId> m_previous = StoredLanguage();
};
