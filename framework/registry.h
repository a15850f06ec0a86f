// The registry through its UTF-16 calls: values are read and written whole,
// whatever characters they hold.
#pragma once
#include "framework/unique_handles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Creates or opens the key at `path` (names separated by "\") under
// `parent`, one level at a time, with all access; the system error, or
// ERROR_SUCCESS with `key` set.
LONG CreateRegistryKey(HKEY parent, std::wstring_view path, UniqueRegKey& key);

// While one lives, creating a key right under `root` is refused with
// ERROR_ACCESS_DENIED, as the system refuses a standard user the machine's
// keys: for tests of what the program does then. One at a time.
class RegistryRootRefusal {
 public:
  explicit RegistryRootRefusal(HKEY root);
  ~RegistryRootRefusal();
  RegistryRootRefusal(const RegistryRootRefusal&) = delete;
  RegistryRootRefusal& operator=(const RegistryRootRefusal&) = delete;
};

// Opens an existing key for reading; an empty key when it cannot.
UniqueRegKey OpenRegistryKeyForReading(HKEY parent, std::wstring_view path);

struct RegistryValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
};
// An empty name stands for the key's default value.
std::optional<RegistryValue> ReadRegistryValue(HKEY key, std::wstring_view name);
// A REG_SZ or REG_EXPAND_SZ value up to its first NUL; nullopt when the value
// is missing or of another type.
std::optional<std::wstring> ReadRegistryString(HKEY key, std::wstring_view name);
LONG WriteRegistryString(HKEY key, std::wstring_view name, std::wstring_view text);
LONG WriteRegistryNumber(HKEY key, std::wstring_view name, DWORD number);

// Removes the key at `path` under `parent` with all it holds; ERROR_SUCCESS
// also when there was none.
LONG DeleteRegistryTree(HKEY parent, std::wstring_view path);
// Removes the key's default value, then the key itself if it holds nothing
// else (no value, no subkey); ERROR_SUCCESS also when there was none.
LONG DeleteDefaultValueAndEmptyKey(HKEY parent, std::wstring_view path);
