#include "framework/path.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// In UTF-16 units, as the file systems count a name's length.
constexpr std::size_t kMaxComponentLength = 255;

bool IsDriveLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// Only ASCII letters: Windows matches device names by them alone.
wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool IsDeviceDigit(wchar_t c) {
  constexpr wchar_t kSuperscriptOne = 0x00B9;
  constexpr wchar_t kSuperscriptTwo = 0x00B2;
  constexpr wchar_t kSuperscriptThree = 0x00B3;
  return (c >= L'0' && c <= L'9') || c == kSuperscriptOne || c == kSuperscriptTwo || c == kSuperscriptThree;
}

// Windows maps such a name to the device whatever extension follows it, and
// ignores blanks between the device name and the extension.
bool IsDeviceName(std::wstring_view name) {
  std::wstring_view stem = name.substr(0, name.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') {
    stem.remove_suffix(1);
  }
  constexpr std::array<std::wstring_view, 6> kDevices = {L"CON", L"PRN",    L"AUX",
                                                         L"NUL", L"CONIN$", L"CONOUT$"};
  if (std::ranges::any_of(kDevices, [&](std::wstring_view d) { return EqualsIgnoringAsciiCase(stem, d); })) {
    return true;
  }
  if (stem.size() != 4) {
    return false;
  }
  const std::wstring_view prefix = stem.substr(0, 3);
  if (!EqualsIgnoringAsciiCase(prefix, L"COM") && !EqualsIgnoringAsciiCase(prefix, L"LPT")) {
    return false;
  }
  return IsDeviceDigit(stem[3]);
}

}  // namespace

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool StartsWithDriveRoot(std::wstring_view path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsPathSeparator(path[2]);
}

bool StartsWithTwoSeparators(std::wstring_view path) {
  return path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
}

bool IsDeviceNamespacePath(std::wstring_view path) {
  if (path.size() < 4 || !IsPathSeparator(path[0]) || !IsPathSeparator(path[3])) return false;
  const bool win32Devices = IsPathSeparator(path[1]) && (path[2] == L'.' || path[2] == L'?');
  const bool objectManager = path[1] == L'?' && path[2] == L'?';
  return win32Devices || objectManager;
}

bool NamesAbsoluteFolder(std::wstring_view folder) {
  if (StartsWithDriveRoot(folder)) return true;
  // \\server\share: both parts present.
  if (folder.size() < 5 || !StartsWithTwoSeparators(folder) || IsPathSeparator(folder[2])) return false;
  const std::wstring_view rest = folder.substr(2);
  const auto separator = rest.find_first_of(L"\\/");
  return separator != std::wstring_view::npos && separator + 1 < rest.size() &&
         !IsPathSeparator(rest[separator + 1]);
}

bool HoldsForbiddenNameCharacter(std::wstring_view text) {
  constexpr std::wstring_view kForbidden = L"\\/:*?\"<>|";
  return std::ranges::any_of(
      text, [&](wchar_t c) { return c < 0x20 || kForbidden.find(c) != std::wstring_view::npos; });
}

bool IsPlainFileName(std::wstring_view name) {
  if (name.empty() || name.size() > kMaxComponentLength) {
    return false;
  }
  if (HoldsForbiddenNameCharacter(name)) {
    return false;
  }
  // Covers "." and "..": Windows drops trailing dots and blanks.
  if (name.back() == L'.' || name.back() == L' ') {
    return false;
  }
  return !IsDeviceName(name);
}

std::wstring FolderWithSeparator(std::wstring folder) {
  if (!folder.empty() && !IsPathSeparator(folder.back())) folder += L'\\';
  return folder;
}

std::wstring PathInFolder(std::wstring_view folder, std::wstring_view name) {
  std::wstring path =
      folder.ends_with(L':') ? std::wstring(folder) : FolderWithSeparator(std::wstring(folder));
  path += name;
  return path;
}

std::wstring FolderOfPath(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, separator + 1));
}

std::optional<DriveAndFolder> SplitFolderPath(std::wstring_view folderPath) {
  // The browsing strings hold backslashes alone.
  if (!StartsWithDriveRoot(folderPath) || folderPath[2] != L'\\') return std::nullopt;
  return DriveAndFolder{std::wstring(folderPath.substr(0, 2)),
                        FolderWithSeparator(std::wstring(folderPath.substr(2)))};
}

std::wstring ParentFolderPath(std::wstring_view folderPath) {
  std::wstring parent = FolderWithSeparator(std::wstring(folderPath));
  const std::size_t root = parent.find(L'\\');
  if (root == std::wstring::npos) return parent;
  const std::size_t cut = parent.rfind(L'\\', parent.size() - 2);
  if (cut == std::wstring::npos || cut < root || parent.size() - 1 == root) return parent;
  parent.erase(cut + 1);
  return parent;
}

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongSharePrefix = L"\\\\?\\UNC\\";

}  // namespace

std::wstring LongFormOfFullPath(std::wstring_view fullPath) {
  if (fullPath.size() <= kMaxPlainPathLength || IsDeviceNamespacePath(fullPath))
    return std::wstring(fullPath);
  // The long form is taken literally, separators included.
  std::wstring path(fullPath);
  std::ranges::replace(path, L'/', L'\\');
  if (StartsWithDriveRoot(path)) return std::wstring(kLongPrefix) + path;
  if (NamesAbsoluteFolder(FolderOfPath(path))) return std::wstring(kLongSharePrefix) + path.substr(2);
  return path;
}

std::wstring WithoutLongPrefix(std::wstring_view path) {
  if (path.starts_with(kLongSharePrefix)) return L"\\\\" + std::wstring(path.substr(kLongSharePrefix.size()));
  if (path.starts_with(kLongPrefix) && StartsWithDriveRoot(path.substr(kLongPrefix.size())))
    return std::wstring(path.substr(kLongPrefix.size()));
  return std::wstring(path);
}

std::wstring NearestFolderWithin(std::wstring_view folder, std::size_t limit) {
  std::wstring nearest(folder);
  while (nearest.size() > limit) {
    const std::size_t cut = nearest.find_last_of(L"\\/", nearest.size() - 2);
    if (cut == std::wstring::npos) return {};
    nearest.erase(cut + 1);
  }
  return nearest;
}
