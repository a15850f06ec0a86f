#include "filetypes/icon_source.h"

#include "filetypes/file_type_registry.h"

#include <windows.h>

#include <array>

namespace {

bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }

bool IsDriveLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

bool HasDrive(std::string_view path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && IsSeparator(path[2]);
}

bool IsUncPath(std::string_view path) { return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]); }

// "\\.\" and "\\?\" reach devices and raw paths, not files of a folder.
bool IsDeviceNamespace(std::string_view path) {
  return IsUncPath(path) && path.size() >= 4 && (path[2] == '.' || path[2] == '?') && IsSeparator(path[3]);
}

std::string ExpandEnvironment(std::string_view text) {
  const std::string source(text);
  const DWORD size = ExpandEnvironmentStringsA(source.c_str(), nullptr, 0);
  if (size == 0) return source;
  std::string expanded(size, '\0');
  const DWORD written = ExpandEnvironmentStringsA(source.c_str(), expanded.data(), size);
  if (written == 0 || written > size) return source;
  expanded.resize(written - 1);
  return expanded;
}

std::string Folder(UINT(WINAPI* get)(LPSTR, UINT)) {
  std::array<char, MAX_PATH + 1> buffer{};
  const UINT length = get(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return {};
  return std::string(buffer.data(), length);
}

bool IsExistingFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::vector<std::string> IconSearchFolders() {
  std::vector<std::string> folders;
  for (const std::string& folder : {Folder(GetSystemDirectoryA), Folder(GetWindowsDirectoryA)})
    if (!folder.empty()) folders.push_back(folder);
  return folders;
}

std::optional<std::string> ResolveIconFile(std::string_view expandedIconFile,
                                           const std::vector<std::string>& folders,
                                           const std::function<bool(const std::string&)>& isFile) {
  const std::string_view name = expandedIconFile;
  if (name.empty() || name == FileTypeRegistry::kNoIconFile || IsDeviceNamespace(name)) return std::nullopt;
  const bool hasDrive = HasDrive(name);
  if (name.find(':', hasDrive ? 2 : 0) != std::string_view::npos) return std::nullopt;
  if (hasDrive || IsUncPath(name)) return std::string(name);
  if (IsSeparator(name[0])) return std::nullopt;
  for (const std::string& folder : folders) {
    if (folder.empty()) continue;
    std::string candidate = folder;
    if (!IsSeparator(candidate.back())) candidate += '\\';
    candidate += name;
    if (isFile(candidate)) return candidate;
  }
  return std::nullopt;
}

std::optional<std::string> IconSourceFile(std::string_view iconFile) {
  return ResolveIconFile(ExpandEnvironment(iconFile), IconSearchFolders(), IsExistingFile);
}
