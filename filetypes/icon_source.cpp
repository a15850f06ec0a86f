#include "filetypes/icon_source.h"

#include "filetypes/file_type_registry.h"
#include "framework/file.h"
#include "framework/path.h"
#include "framework/system_paths.h"

namespace {

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
  if (name.empty() || name == FileTypeRegistry::kNoIconFile || IsDeviceNamespacePath(name))
    return std::nullopt;
  const bool hasDrive = StartsWithDriveRoot(name);
  if (name.find(L':', hasDrive ? 2 : 0) != std::wstring_view::npos) return std::nullopt;
  if (hasDrive || StartsWithTwoSeparators(name)) return std::wstring(name);
  if (IsPathSeparator(name[0])) return std::nullopt;
  for (const std::wstring& folder : folders) {
    if (folder.empty()) continue;
    std::wstring candidate = folder;
    if (!IsPathSeparator(candidate.back())) candidate += L'\\';
    candidate += name;
    if (isFile(candidate)) return candidate;
  }
  return std::nullopt;
}

std::optional<std::wstring> IconSourceFile(std::wstring_view iconFile) {
  return ResolveIconFile(ExpandEnvironmentText(iconFile), IconSearchFolders(), IsExistingFile);
}
