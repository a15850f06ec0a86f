#include "app/language_setting.h"

#include <cstring>

namespace {

UniqueRegKey CreateSubkey(HKEY parent, const char* name) {
  UniqueRegKey key;
  DWORD disposition = 0;
  char keyClass[] = "REG_SZ";
  if (RegCreateKeyExA(parent, name, 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      key.receive(), &disposition) != ERROR_SUCCESS)
    key.reset();
  return key;
}

}  // namespace

UniqueRegKey OpenLanguageSettingKey() {
  UniqueRegKey software = CreateSubkey(HKEY_CURRENT_USER, "Software");
  if (!software) return {};
  return CreateSubkey(software.get(), "Dorvex");
}

std::optional<LanguageId> ReadStoredLanguage(const UniqueRegKey& key) {
  unsigned char buffer[4] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegQueryValueExA(key.get(), "Language", nullptr, &type, buffer, &size) != ERROR_SUCCESS)
    return std::nullopt;
  LanguageId value = 0;
  std::memcpy(&value, buffer, sizeof value);
  return value;
}

bool WriteStoredLanguage(const UniqueRegKey& key, LanguageId language) {
  const DWORD value = static_cast<DWORD>(language);
  return RegSetValueExA(key.get(), "Language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}
