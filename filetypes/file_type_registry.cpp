#include "filetypes/file_type_registry.h"

#include "filetypes/extension.h"
#include "filetypes/icon_value.h"
#include "framework/application.h"
#include "framework/registry.h"
#include "framework/unique_handles.h"

#include <shlobj.h>

#include <optional>

namespace {

constexpr wchar_t kNotRegistered[] = L"not registered";
constexpr wchar_t kOpenCommandPath[] = L"Shell\\Open\\Command";
constexpr wchar_t kDefaultIconKey[] = L"DefaultIcon";
constexpr wchar_t kUserClassesPath[] = L"Software\\Classes\\";

// Creates or opens a key of the classes root. New keys there land in the
// machine's classes, which a standard user may not write; the user's own
// classes, which the classes root shows that user first, then take them.
LONG CreateClassKey(std::wstring_view path, UniqueRegKey& key) {
  const LONG result = CreateRegistryKey(HKEY_CLASSES_ROOT, path, key);
  if (result != ERROR_ACCESS_DENIED) return result;
  return CreateRegistryKey(HKEY_CURRENT_USER, kUserClassesPath + std::wstring(path), key);
}

// The key's default value as stored, however long; a value that is not text
// counts as missing.
std::optional<std::wstring> ReadDefaultValue(HKEY key) { return ReadRegistryString(key, L""); }

LONG WriteDefaultValue(HKEY key, std::wstring_view text) { return WriteRegistryString(key, L"", text); }

// The type key that the extension names, opened for reading.
UniqueRegKey OpenTypeOf(std::wstring_view extension) {
  if (!IsRegistrableExtension(extension)) return UniqueRegKey();
  const UniqueRegKey extensionKey = OpenRegistryKeyForReading(HKEY_CLASSES_ROOT, extension);
  if (!extensionKey) return UniqueRegKey();
  const std::optional<std::wstring> progId = ReadDefaultValue(extensionKey.get());
  // An empty name would open the classes root itself.
  if (!progId || progId->empty()) return UniqueRegKey();
  return OpenRegistryKeyForReading(HKEY_CLASSES_ROOT, *progId);
}

// Points the extension at the ProgID made from it and creates that type's key.
LONG CreateOwnTypeOf(std::wstring_view extension, UniqueRegKey& typeKey) {
  const std::wstring progId = ProgIdFor(extension);
  UniqueRegKey extensionKey;
  if (const LONG result = CreateClassKey(extension, extensionKey)) return result;
  if (const LONG result = WriteDefaultValue(extensionKey.get(), progId)) return result;
  return CreateClassKey(progId, typeKey);
}

// Writes the value and tells whether it differs from what was there.
bool RewriteDefaultValue(HKEY key, std::wstring_view text) {
  const std::optional<std::wstring> before = ReadDefaultValue(key);
  return WriteDefaultValue(key, text) == ERROR_SUCCESS && before != text;
}

}  // namespace

namespace FileTypeRegistry {

std::wstring ReadOpenCommand(std::wstring_view extension) {
  const UniqueRegKey type = OpenTypeOf(extension);
  if (!type) return kNotRegistered;
  const UniqueRegKey command = OpenRegistryKeyForReading(type.get(), kOpenCommandPath);
  if (!command) return kNotRegistered;
  return ReadDefaultValue(command.get()).value_or(kNotRegistered);
}

IconLocation ReadDefaultIcon(std::wstring_view extension) {
  const IconLocation fallback{kNoIconFile, 0};
  const UniqueRegKey type = OpenTypeOf(extension);
  if (!type) return fallback;
  const UniqueRegKey icon = OpenRegistryKeyForReading(type.get(), kDefaultIconKey);
  if (!icon) return fallback;
  const std::optional<std::wstring> value = ReadDefaultValue(icon.get());
  return value ? ParseIconValue(*value) : fallback;
}

long WriteOpenCommand(std::wstring_view extension, std::wstring_view application) {
  if (!IsRegistrableExtension(extension) || application.empty()) return ERROR_SUCCESS;
  UniqueRegKey type;
  if (const LONG result = CreateOwnTypeOf(extension, type)) return result;
  UniqueRegKey command;
  if (const LONG result = CreateRegistryKey(type.get(), kOpenCommandPath, command)) return result;
  return WriteDefaultValue(command.get(), OpenCommandFor(application));
}

long WriteDefaultIcon(std::wstring_view extension, std::wstring_view iconFile, std::int32_t index) {
  if (!IsRegistrableExtension(extension) || iconFile.empty()) return ERROR_SUCCESS;
  UniqueRegKey type;
  if (const LONG result = CreateOwnTypeOf(extension, type)) return result;
  UniqueRegKey icon;
  if (const LONG result = CreateRegistryKey(type.get(), kDefaultIconKey, icon)) return result;
  return WriteDefaultValue(icon.get(), IconValueFor(iconFile, index));
}

void NotifyShellOfChange() { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

}  // namespace FileTypeRegistry

// The user's own classes, where the installer's step registers.
LONG CreateUserClassKey(std::wstring_view path, UniqueRegKey& key) {
  return CreateRegistryKey(HKEY_CURRENT_USER, kUserClassesPath + std::wstring(path), key);
}

void RegisterBackupFileType(BackupTypeScope scope) {
  const auto createClassKey = scope == BackupTypeScope::UserClasses ? &CreateUserClassKey : &CreateClassKey;
  const std::wstring program = ProgramPath();
  // Without its own path the program has nothing to point the entries at.
  if (program.empty()) return;
  const std::wstring command = OpenCommandFor(program);
  const std::wstring icon = IconValueFor(program, 1);

  bool changed = false;
  if (UniqueRegKey extension; createClassKey(L".Backup", extension) == ERROR_SUCCESS)
    changed |= RewriteDefaultValue(extension.get(), L"Dorvex");

  UniqueRegKey type;
  if (createClassKey(L"Dorvex", type) == ERROR_SUCCESS) {
    if (UniqueRegKey open; CreateRegistryKey(type.get(), kOpenCommandPath, open) == ERROR_SUCCESS)
      changed |= RewriteDefaultValue(open.get(), command);
    if (UniqueRegKey defaultIcon;
        CreateRegistryKey(type.get(), kDefaultIconKey, defaultIcon) == ERROR_SUCCESS)
      changed |= RewriteDefaultValue(defaultIcon.get(), icon);
    changed |= RewriteDefaultValue(type.get(), L"Archive Folder");
  }
  if (changed) FileTypeRegistry::NotifyShellOfChange();
}

void UnregisterBackupFileType() {
  for (const auto& [root, prefix] : {std::pair{HKEY_CLASSES_ROOT, std::wstring()},
                                     std::pair{HKEY_CURRENT_USER, std::wstring(kUserClassesPath)}}) {
    DeleteRegistryTree(root, prefix + L"Dorvex");
    const UniqueRegKey extension = OpenRegistryKeyForReading(root, prefix + L".Backup");
    const bool namesUs = extension && ReadDefaultValue(extension.get()) == std::wstring(L"Dorvex");
    if (namesUs) DeleteDefaultValueAndEmptyKey(root, prefix + L".Backup");
  }
  FileTypeRegistry::NotifyShellOfChange();
}
