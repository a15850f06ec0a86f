#include "framework/plain_file_name.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr std::size_t kMaxComponentLength = 255;

bool IsForbiddenCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20) {
    return true;
  }
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  return kForbidden.find(c) != std::string_view::npos;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

// Windows maps such a name to the device whatever extension follows it, and
// ignores blanks between the device name and the extension.
bool IsDeviceName(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') {
    stem.remove_suffix(1);
  }
  constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  if (std::ranges::any_of(kDevices, [&](std::string_view d) { return EqualsIgnoringAsciiCase(stem, d); })) {
    return true;
  }
  if (stem.size() != 4) {
    return false;
  }
  const std::string_view prefix = stem.substr(0, 3);
  if (!EqualsIgnoringAsciiCase(prefix, "COM") && !EqualsIgnoringAsciiCase(prefix, "LPT")) {
    return false;
  }
  // 0xB9, 0xB2, 0xB3: superscript one, two, three in code page 1252.
  const auto digit = static_cast<unsigned char>(stem[3]);
  return (digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name.size() > kMaxComponentLength) {
    return false;
  }
  if (std::ranges::any_of(name, IsForbiddenCharacter)) {
    return false;
  }
  // Covers "." and "..": Windows drops trailing dots and blanks.
  if (name.back() == '.' || name.back() == ' ') {
    return false;
  }
  return !IsDeviceName(name);
}
