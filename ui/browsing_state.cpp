#include "ui/browsing_state.h"

#include "framework/file.h"
#include "framework/win32.h"

#include <cctype>
#include <vector>

std::string CurrentDrive;
std::string CurrentFolder;
std::string FileSpec;
std::string PathSpec;

std::string ShownFolder() { return CurrentDrive + CurrentFolder; }

namespace {

std::string WithTrailingBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::string CurrentDirectory() {
  std::vector<char> buffer(MAX_PATH * 4, '\0');
  const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  return length > 0 && length < buffer.size() ? std::string(buffer.data(), length) : std::string();
}

std::string ListedFolder() {
  const std::string shown = ShownFolder();
  const std::string current = WithTrailingBackslash(CurrentDirectory());
  if (current.empty()) return shown;
  const std::string shownFull = WithTrailingBackslash(FullPathOf(shown));
  return lstrcmpiA(shownFull.c_str(), current.c_str()) == 0 ? shown : current;
}

std::optional<DriveAndFolder> SplitFolderPath(std::string_view folderPath) {
  const bool onDrive = folderPath.size() >= 3 && std::isalpha(static_cast<unsigned char>(folderPath[0])) &&
                       folderPath[1] == ':' && folderPath[2] == '\\';
  if (!onDrive) return std::nullopt;
  return DriveAndFolder{std::string(folderPath.substr(0, 2)),
                        WithTrailingBackslash(std::string(folderPath.substr(2)))};
}

std::string ParentFolderPath(std::string_view folderPath) {
  std::string parent = WithTrailingBackslash(std::string(folderPath));
  const std::size_t root = parent.find('\\');
  if (root == std::string::npos) return parent;
  const std::size_t cut = parent.rfind('\\', parent.size() - 2);
  if (cut == std::string::npos || cut < root || parent.size() - 1 == root) return parent;
  parent.erase(cut + 1);
  return parent;
}
