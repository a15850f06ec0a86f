#include "filetypes/icon_source.h"

#include "filetypes/file_type_registry.h"
#include "framework/file.h"
#include "framework/system_paths.h"

namespace {

bool IsSeparator(wchar_t ch) { return ch == L'\\' || ch == L'/'; }

bool IsDriveLetter(wchar_t ch) { return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z'); }

bool HasDrive(std::wstring_view path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSeparator(path[2]);
}

bool IsUncPath(std::wstring_view path) {
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

// "\\.\" and "\\?\" reach devices and raw paths, not files of a folder.
bool IsDeviceNamespace(std::wstring_view path) {
  return IsUncPath(path) && path.size() >= 4 && (path[2] == L'.' || path[2] == L'?') && IsSeparator(path[3]);
}

bool IsExistingFile(const std::wstring& path) {
  const std::optional<DWORD> attributes = File::GetAttributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::vector<std::wstring> IconSearchFolders() {
  std::vector<std::wstring> folders;
  for (const std::wstring& folder : {SystemFolderPath(), WindowsFolderPath()})
    if (!folder.empty()) folders.push_back(folder);
  return folders;
}

std::optional<std::wstring> ResolveIconFile(std::wstring_view expandedIconFile,
                                            const std::vector<std::wstring>& folders,
                                            const std::function<bool(const std::wstring&)>& isFile) {
  const std::wstring_view name = expandedIconFile;
  if (name.empty() || name == FileTypeRegistry::kNoIconFile || IsDeviceNamespace(name)) return std::nullopt;
  const bool hasDrive = HasDrive(name);
  if (name.find(L':', hasDrive ? 2 : 0) != std::wstring_view::npos) return std::nullopt;
  if (hasDrive || IsUncPath(name)) return std::wstring(name);
  if (IsSeparator(name[0])) return std::nullopt;
  for (const std::wstring& folder : folders) {
    if (folder.empty()) continue;
    std::wstring candidate = folder;
    if (!IsSeparator(candidate.back())) candidate += L'\\';
    candidate += name;
    if (isFile(candidate)) return candidate;
  }
  return std::nullopt;
}

std::optional<std::wstring> IconSourceFile(std::wstring_view iconFile) {
  return ResolveIconFile(ExpandEnvironmentText(iconFile), IconSearchFolders(), IsExistingFile);
}
