#include "temp_folder.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "framework/unique_handles.h"

namespace fs = std::filesystem;

namespace {

fs::path UniqueTempPath() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  return UniqueFolderPath(base);
}

std::string Lowered(std::string text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

fs::path UniqueFolderPath(const fs::path& parent) {
  static std::atomic<int> counter{0};
  return parent / ("dorvex-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
}

fs::path FatDiskFolderPath() {
  char drive[16];
  const DWORD length = GetEnvironmentVariableA("DORVEX_FAT_DRIVE", drive, sizeof drive);
  if (length == 0 || length >= sizeof drive)
    throw std::runtime_error("this test needs the case-ignoring FAT disk that scripts/test.sh mounts as root "
                             "(DORVEX_FAT_DRIVE is not set)");
  const std::string root = std::string(drive, length) + "\\";
  if (GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR)
    throw std::runtime_error("the case-ignoring FAT disk " + root + " named by DORVEX_FAT_DRIVE is not there");
  return UniqueFolderPath(root);
}

std::string ReadWholeFile(const std::string& path) {
  const UniqueFileHandle file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string content;
  char buffer[65536];
  DWORD read = 0;
  while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
    content.append(buffer, read);
  return content;
}

void WriteWholeFile(const std::string& path, std::string_view content) {
  const UniqueFileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file ||
      !WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
      written != content.size())
    throw std::runtime_error("cannot write " + path);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TempFolder::TempFolder() : TempFolder(UniqueTempPath()) {}

TempFolder::TempFolder(const fs::path& path) : m_path(path) { fs::create_directories(m_path); }

TempFolder::~TempFolder() {
  // Leave the process's current directory so the folder can go.
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  SetCurrentDirectoryA(temp);
  std::error_code ignored;
  fs::remove_all(m_path, ignored);
}

std::string TempFolder::WindowsPath() const {
  std::string path = m_path.string();
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

fs::path TempFolder::Write(std::string_view name, std::string_view content) const {
  WriteWholeFile(PathOf(name), content);
  return m_path / std::string(name);
}

fs::path TempFolder::MakeFolder(std::string_view name) const {
  const fs::path folder = m_path / std::string(name);
  fs::create_directories(folder);
  return folder;
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const UniqueFindHandle search(FindFirstFileA(PathOf("*").c_str(), &found));
  for (bool more = bool(search); more; more = FindNextFileA(search.get(), &found)) {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  }
  std::ranges::sort(names);
  return names;
}

FakeProfile::FakeProfile() { Enter(); }

FakeProfile::FakeProfile(const fs::path& folder) : m_profile(folder) { Enter(); }

void FakeProfile::Enter() {
  char previous[2048];
  const DWORD length = GetEnvironmentVariableA("USERPROFILE", previous, sizeof previous);
  m_hadPrevious = length > 0 && length < sizeof previous;
  if (m_hadPrevious) m_previous.assign(previous, length);
  m_profile.MakeFolder("Desktop");
  std::string profile = m_profile.WindowsPath();
  profile.pop_back();
  SetEnvironmentVariableA("USERPROFILE", profile.c_str());
}

FakeProfile::~FakeProfile() {
  SetEnvironmentVariableA("USERPROFILE", m_hadPrevious ? m_previous.c_str() : nullptr);
}

std::string FakeProfile::DesktopPathLine() const { return Lowered(Desktop().string()); }
