// Reads and writes HKEY_CLASSES_ROOT the way another program or the shell
// would, so that tests look at the registry independently of the code they test.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

inline bool ClassKeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Sets a default value the way another program's installer would.
inline void SetClassValue(const std::string& path, const std::string& value) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, path.c_str(), nullptr, REG_SZ, value.c_str(),
                            static_cast<DWORD>(value.size() + 1)),
            ERROR_SUCCESS)
      << path;
}

inline std::optional<std::string> ClassValue(const std::string& path) {
  char buffer[4096] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(HKEY_CLASSES_ROOT, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::string(buffer);
}

// The same through the UTF-16 call, for values with letters beyond the code page.
inline std::optional<std::wstring> ClassValue(const std::wstring& path) {
  wchar_t buffer[4096] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(buffer);
}
