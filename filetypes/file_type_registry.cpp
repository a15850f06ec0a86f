#include "filetypes/file_type_registry.h"

#include "filetypes/extension.h"
#include "filetypes/icon_value.h"
#include "framework/unique_handles.h"

#include <shlobj.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

namespace {

constexpr DWORD kValueBufferSize = 2047;
constexpr DWORD kModulePathBufferSize = 1024;
constexpr char kNotRegistered[] = "not registered";

LONG CreateKey(HKEY parent, const char* name, UniqueRegKey& key) {
  char keyClass[] = "REG_SZ";
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG result = RegCreateKeyExA(parent, name, 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                      nullptr, &created, &disposition);
  if (result == ERROR_SUCCESS) key = UniqueRegKey(created);
  return result;
}

// Creates each name below the previous one; `key` ends up as the last.
LONG CreateKeyPath(HKEY parent, std::initializer_list<const char*> names, UniqueRegKey& key) {
  UniqueRegKey current;
  for (const char* name : names) {
    UniqueRegKey next;
    if (const LONG result = CreateKey(current ? current.get() : parent, name, next)) return result;
    current = std::move(next);
  }
  key = std::move(current);
  return ERROR_SUCCESS;
}

// An empty key when it cannot be opened.
UniqueRegKey OpenKey(HKEY parent, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(parent, name, 0, KEY_READ, &opened) != ERROR_SUCCESS) return UniqueRegKey();
  return UniqueRegKey(opened);
}

UniqueRegKey OpenKeyPath(HKEY parent, std::initializer_list<const char*> names) {
  UniqueRegKey current;
  for (const char* name : names) {
    UniqueRegKey next = OpenKey(current ? current.get() : parent, name);
    if (!next) return UniqueRegKey();
    current = std::move(next);
  }
  return current;
}

// The key's default value as stored, whatever its type; a value that does not
// fit the buffer with its terminating zero counts as missing.
std::optional<std::string> ReadDefaultValue(HKEY key) {
  std::array<char, kValueBufferSize> buffer{};
  DWORD size = kValueBufferSize;
  if (RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  const std::string_view stored(buffer.data(), std::min(size, kValueBufferSize));
  const std::size_t end = stored.find('\0');
  if (end == std::string_view::npos && stored.size() == kValueBufferSize) return std::nullopt;
  return std::string(stored.substr(0, end));
}

LONG WriteDefaultValue(HKEY key, const std::string& text) {
  return RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1));
}

// The type key that the extension names, opened for reading.
UniqueRegKey OpenTypeOf(std::string_view extension) {
  if (!IsRegistrableExtension(extension)) return UniqueRegKey();
  const UniqueRegKey extensionKey = OpenKey(HKEY_CLASSES_ROOT, std::string(extension).c_str());
  if (!extensionKey) return UniqueRegKey();
  const std::optional<std::string> progId = ReadDefaultValue(extensionKey.get());
  // An empty name would open the classes root itself.
  if (!progId || progId->empty()) return UniqueRegKey();
  return OpenKey(HKEY_CLASSES_ROOT, progId->c_str());
}

// Points the extension at the ProgID made from it and creates that type's key.
LONG CreateOwnTypeOf(std::string_view extension, UniqueRegKey& typeKey) {
  const std::string progId = ProgIdFor(extension);
  UniqueRegKey extensionKey;
  if (const LONG result = CreateKey(HKEY_CLASSES_ROOT, std::string(extension).c_str(), extensionKey))
    return result;
  if (const LONG result = WriteDefaultValue(extensionKey.get(), progId)) return result;
  return CreateKey(HKEY_CLASSES_ROOT, progId.c_str(), typeKey);
}

// Writes the value and tells whether it differs from what was there.
bool RewriteDefaultValue(HKEY key, const std::string& text) {
  const std::optional<std::string> before = ReadDefaultValue(key);
  return WriteDefaultValue(key, text) == ERROR_SUCCESS && before != text;
}

std::optional<std::string> RunningProgramPath() {
  std::array<char, kModulePathBufferSize + 1> buffer{};
  const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), kModulePathBufferSize);
  // A cut-off path would name some other file.
  if (length == 0 || length >= kModulePathBufferSize) return std::nullopt;
  return std::string(buffer.data(), length);
}

}  // namespace

namespace FileTypeRegistry {

std::string ReadOpenCommand(std::string_view extension) {
  const UniqueRegKey type = OpenTypeOf(extension);
  if (!type) return kNotRegistered;
  const UniqueRegKey command = OpenKeyPath(type.get(), {"Shell", "Open", "Command"});
  if (!command) return kNotRegistered;
  return ReadDefaultValue(command.get()).value_or(kNotRegistered);
}

IconLocation ReadDefaultIcon(std::string_view extension) {
  const IconLocation fallback{kNoIconFile, 0};
  const UniqueRegKey type = OpenTypeOf(extension);
  if (!type) return fallback;
  const UniqueRegKey icon = OpenKey(type.get(), "DefaultIcon");
  if (!icon) return fallback;
  const std::optional<std::string> value = ReadDefaultValue(icon.get());
  return value ? ParseIconValue(*value) : fallback;
}

long WriteOpenCommand(std::string_view extension, std::string_view application) {
  if (!IsRegistrableExtension(extension) || application.empty()) return ERROR_SUCCESS;
  UniqueRegKey type;
  if (const LONG result = CreateOwnTypeOf(extension, type)) return result;
  UniqueRegKey command;
  if (const LONG result = CreateKeyPath(type.get(), {"Shell", "Open", "Command"}, command)) return result;
  return WriteDefaultValue(command.get(), OpenCommandFor(application));
}

long WriteDefaultIcon(std::string_view extension, std::string_view iconFile, std::int32_t index) {
  if (!IsRegistrableExtension(extension) || iconFile.empty()) return ERROR_SUCCESS;
  UniqueRegKey type;
  if (const LONG result = CreateOwnTypeOf(extension, type)) return result;
  UniqueRegKey icon;
  if (const LONG result = CreateKey(type.get(), "DefaultIcon", icon)) return result;
  return WriteDefaultValue(icon.get(), IconValueFor(iconFile, index));
}

void NotifyShellOfChange() { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

}  // namespace FileTypeRegistry

void RegisterBackupFileType() {
  const std::optional<std::string> program = RunningProgramPath();
  if (!program) return;
  const std::string command = OpenCommandFor(*program);
  const std::string icon = IconValueFor(*program, 1);

  bool changed = false;
  if (UniqueRegKey extension; CreateKey(HKEY_CLASSES_ROOT, ".Backup", extension) == ERROR_SUCCESS)
    changed |= RewriteDefaultValue(extension.get(), "Dorvex");

  UniqueRegKey type;
  if (CreateKey(HKEY_CLASSES_ROOT, "Dorvex", type) == ERROR_SUCCESS) {
    if (UniqueRegKey open; CreateKeyPath(type.get(), {"Shell", "Open", "Command"}, open) == ERROR_SUCCESS)
      changed |= RewriteDefaultValue(open.get(), command);
    if (UniqueRegKey defaultIcon; CreateKey(type.get(), "DefaultIcon", defaultIcon) == ERROR_SUCCESS)
      changed |= RewriteDefaultValue(defaultIcon.get(), icon);
    changed |= RewriteDefaultValue(type.get(), "Archive Folder");
  }
  if (changed) FileTypeRegistry::NotifyShellOfChange();
}
