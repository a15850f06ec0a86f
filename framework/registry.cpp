#include "framework/registry.h"

#include <algorithm>

namespace {

HKEY g_refusedRoot = nullptr;

// The platform takes no name for the key's default value.
const wchar_t* ValueName(const std::wstring& name) { return name.empty() ? nullptr : name.c_str(); }

LONG CreateOneKey(HKEY parent, const std::wstring& name, UniqueRegKey& key) {
  wchar_t noClass[] = L"";
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG result = RegCreateKeyExW(parent, name.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &created, &disposition);
  if (result == ERROR_SUCCESS) key = UniqueRegKey(created);
  return result;
}

// Asks for the size first; a value that grows in between is read again.
LONG QueryValue(HKEY key, const wchar_t* name, RegistryValue& value) {
  DWORD size = 0;
  LONG result = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
  while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    value.bytes.resize(size);
    result = RegQueryValueExW(key, name, nullptr, &value.type, value.bytes.data(), &size);
    if (result == ERROR_SUCCESS) {
      value.bytes.resize(size);
      return result;
    }
  }
  return result;
}

// "a\b\c" → a, b, c. An empty path is one empty name: the parent itself.
std::vector<std::wstring> KeyNames(std::wstring_view path) {
  std::vector<std::wstring> names;
  for (std::size_t start = 0;;) {
    const std::size_t end = path.find(L'\\', start);
    names.emplace_back(path.substr(start, end == std::wstring_view::npos ? end : end - start));
    if (end == std::wstring_view::npos) return names;
    start = end + 1;
  }
}

}  // namespace

LONG CreateRegistryKey(HKEY parent, std::wstring_view path, UniqueRegKey& key) {
  if (g_refusedRoot && parent == g_refusedRoot) return ERROR_ACCESS_DENIED;
  UniqueRegKey current;
  for (const std::wstring& name : KeyNames(path)) {
    UniqueRegKey next;
    if (const LONG result = CreateOneKey(current ? current.get() : parent, name, next)) return result;
    current = std::move(next);
  }
  key = std::move(current);
  return ERROR_SUCCESS;
}

RegistryRootRefusal::RegistryRootRefusal(HKEY root) { g_refusedRoot = root; }

RegistryRootRefusal::~RegistryRootRefusal() { g_refusedRoot = nullptr; }

UniqueRegKey OpenRegistryKeyForReading(HKEY parent, std::wstring_view path) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(parent, std::wstring(path).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return UniqueRegKey();
  return UniqueRegKey(opened);
}

std::optional<RegistryValue> ReadRegistryValue(HKEY key, std::wstring_view name) {
  const std::wstring valueName(name);
  RegistryValue value;
  if (QueryValue(key, ValueName(valueName), value) != ERROR_SUCCESS) return std::nullopt;
  return value;
}

std::optional<std::wstring> ReadRegistryString(HKEY key, std::wstring_view name) {
  const std::optional<RegistryValue> value = ReadRegistryValue(key, name);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
  // A stray odd byte is no whole character.
  std::wstring text(value->bytes.size() / sizeof(wchar_t), L'\0');
  std::copy_n(value->bytes.begin(), text.size() * sizeof(wchar_t), reinterpret_cast<BYTE*>(text.data()));
  const std::size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return text;
}

LONG WriteRegistryString(HKEY key, std::wstring_view name, std::wstring_view text) {
  const std::wstring valueName(name);
  const std::wstring value(text);
  const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, ValueName(valueName), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        size);
}

LONG WriteRegistryNumber(HKEY key, std::wstring_view name, DWORD number) {
  const std::wstring valueName(name);
  return RegSetValueExW(key, ValueName(valueName), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                        sizeof number);
}

LONG DeleteRegistryTree(HKEY parent, std::wstring_view path) {
  const LONG result = RegDeleteTreeW(parent, std::wstring(path).c_str());
  return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}

LONG DeleteDefaultValueAndEmptyKey(HKEY parent, std::wstring_view path) {
  const std::wstring name(path);
  HKEY opened = nullptr;
  LONG result = RegOpenKeyExW(parent, name.c_str(), 0, KEY_ALL_ACCESS, &opened);
  if (result == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  if (result != ERROR_SUCCESS) return result;
  const UniqueRegKey key(opened);
  result = RegDeleteValueW(key.get(), nullptr);
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) return result;
  DWORD subkeys = 0;
  DWORD values = 0;
  result = RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                            nullptr, nullptr, nullptr, nullptr);
  if (result != ERROR_SUCCESS || subkeys != 0 || values != 0) return result;
  return RegDeleteKeyW(parent, name.c_str());
}
