#include "ui/browsing_state.h"

#include "framework/file.h"
#include "framework/win32.h"

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
