#include "app/language_setting.h"

#include "framework/registry.h"

#include <cstring>

namespace {
constexpr wchar_t kLanguageValue[] = L"Language";
}  // namespace

UniqueRegKey OpenLanguageSettingKey() {
  UniqueRegKey key;
  if (CreateRegistryKey(HKEY_CURRENT_USER, L"Software\\Dorvex", key) != ERROR_SUCCESS) return {};
  return key;
}

std::optional<LanguageId> ReadStoredLanguage(const UniqueRegKey& key) {
  const std::optional<RegistryValue> stored = ReadRegistryValue(key.get(), kLanguageValue);
  if (!stored || stored->bytes.size() > sizeof(LanguageId)) return std::nullopt;
  // A shorter value is its bytes followed by zeros; an empty one is 0.
  LanguageId value = 0;
  if (!stored->bytes.empty()) std::memcpy(&value, stored->bytes.data(), stored->bytes.size());
  return value;
}

bool WriteStoredLanguage(const UniqueRegKey& key, LanguageId language) {
  return WriteRegistryNumber(key.get(), kLanguageValue, static_cast<DWORD>(language)) == ERROR_SUCCESS;
}
