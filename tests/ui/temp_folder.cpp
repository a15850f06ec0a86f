#include "temp_folder.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "test_environment.h"
#include "wide_text.h"

namespace fs = std::filesystem;

namespace {

fs::path UniqueTempPath() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  return UniqueFolderPath(base);
}

// For the messages of failures: names that the code page lacks stay readable.
std::string Utf8(std::wstring_view text) {
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

std::string Lowered(std::string text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

fs::path UniqueFolderPath(const fs::path& parent) {
  static std::atomic<int> counter{0};
  // Wine soon gives a new process the id of an ended one, whose folder may
  // still be there when something in it could not be removed.
  for (;;) {
    fs::path path =
        parent / ("dorvex-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    std::error_code error;
    if (!fs::exists(path, error) && !error) return path;
  }
}

fs::path FatDiskFolderPath() {
  const auto drive = usersim::EnvironmentValue("DORVEX_FAT_DRIVE");
  if (!drive)
    throw std::runtime_error(
        "this test needs the case-ignoring FAT disk that scripts/test.sh mounts as root "
        "(DORVEX_FAT_DRIVE is not set)");
  const std::string root = *drive + "\\";
  if (GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR)
    throw std::runtime_error("the case-ignoring FAT disk " + root +
                             " named by DORVEX_FAT_DRIVE is not there");
  return UniqueFolderPath(root);
}

// The narrow paths are the system code page's spelling of the same names.
std::string ReadWholeFile(const std::string& path) { return ReadWholeFile(Wide(path)); }

void WriteWholeFile(const std::string& path, std::string_view content) {
  WriteWholeFile(Wide(path), content);
}

bool FileExists(const std::string& path) { return FileExists(Wide(path)); }

std::string ReadWholeFile(const std::wstring& path) {
  const UniqueFileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string content;
  char buffer[65536];
  DWORD read = 0;
  while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
    content.append(buffer, read);
  return content;
}

void WriteWholeFile(const std::wstring& path, std::string_view content) {
  const UniqueFileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file ||
      !WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
      written != content.size())
    throw std::runtime_error("cannot write " + Utf8(path));
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HeldOpen::HeldOpen(const std::string& path)
    : m_file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
  if (!m_file) throw std::runtime_error("cannot hold " + path + " open");
}

MappedDrive::MappedDrive(std::string_view name, std::string_view tmpfsSize) {
  const std::string prefix = usersim::EnvironmentValue("WINEPREFIX").value_or("");
  if (prefix.empty() || prefix.find('\'') != std::string::npos) {
    m_whyNot = "no usable WINEPREFIX in the environment";
    return;
  }
  for (char letter : std::string("qponmlkjih")) {
    if (GetDriveTypeA((std::string{letter} + ":\\").c_str()) == DRIVE_NO_ROOT_DIR) {
      m_letter = letter;
      break;
    }
  }
  if (!m_letter) {
    m_whyNot = "no free drive letter";
    return;
  }
  m_folder = prefix + "/" + std::string(name) + "-" + std::to_string(GetCurrentProcessId()) + "-" + m_letter;
  m_link = prefix + "/dosdevices/" + m_letter + ":";
  std::string script = "mkdir -p '" + m_folder + "'";
  if (!tmpfsSize.empty())
    script += " && mount -t tmpfs -o size=" + std::string(tmpfsSize) + " tmpfs '" + m_folder + "'";
  usersim::RunUnixShell(script + " && ln -sfn '" + m_folder + "' '" + m_link + "'");
  for (int tries = 0; tries < 100 && !Mapped(); ++tries) Sleep(50);
  if (!Mapped())
    m_whyNot = "cannot map drive " + Root() + (tmpfsSize.empty() ? "" : " to a small disk (it takes root)");
}

MappedDrive::~MappedDrive() {
  if (m_letter)
    usersim::RunUnixShell("rm -f '" + m_link + "'; umount -l '" + m_folder + "' 2>/dev/null; rmdir '" +
                          m_folder + "' 2>/dev/null");
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
  return Write(Wide(name), content);
}

fs::path TempFolder::MakeFolder(std::string_view name) const { return MakeFolder(Wide(name)); }

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

std::wstring TempFolder::WideWindowsPath() const {
  std::wstring path = m_path.wstring();
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path;
}

fs::path TempFolder::Write(std::wstring_view name, std::string_view content) const {
  WriteWholeFile(PathOf(name), content);
  return m_path / std::wstring(name);
}

fs::path TempFolder::MakeFolder(std::wstring_view name) const {
  const fs::path folder = m_path / std::wstring(name);
  fs::create_directories(folder);
  return folder;
}

std::vector<std::wstring> TempFolder::WideNames() const {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle search(FindFirstFileW(PathOf(L"*").c_str(), &found));
  for (bool more = bool(search); more; more = FindNextFileW(search.get(), &found)) {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  }
  std::ranges::sort(names);
  return names;
}

FakeProfile::FakeProfile() { Enter(); }

FakeProfile::FakeProfile(const fs::path& folder) : m_profile(folder) { Enter(); }

void FakeProfile::Enter() {
  m_previous = usersim::EnvironmentValue("USERPROFILE");
  m_profile.MakeFolder("Desktop");
  std::string profile = m_profile.WindowsPath();
  profile.pop_back();
  SetEnvironmentVariableA("USERPROFILE", profile.c_str());
}

FakeProfile::~FakeProfile() {
  SetEnvironmentVariableA("USERPROFILE", m_previous ? m_previous->c_str() : nullptr);
}

std::string FakeProfile::DesktopPathLine() const { return Lowered(Desktop().string()); }
