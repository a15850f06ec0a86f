#include "rename/name_transforms.h"

#include "framework/text_case.h"

#include <array>
#include <charconv>

std::optional<std::wstring> SubstituteFirst(std::wstring_view fileName, std::wstring_view original,
                                            std::wstring_view replacement) {
  // Case mapping keeps the length, so the found range is the occurrence itself.
  const std::optional<std::size_t> position = FindIgnoringCase(fileName, original);
  if (!position) return std::nullopt;
  std::wstring result(fileName.substr(0, *position));
  result += replacement;
  result += fileName.substr(*position + original.size());
  return result;
}

std::wstring NumberedName(std::wstring_view stem, unsigned number, std::wstring_view extension) {
  std::array<char, 16> digits{};
  auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
  const auto length = static_cast<std::size_t>(end - digits.data());

  std::wstring name(stem);
  if (length < 4) name.append(4 - length, L'0');
  // The digits are ASCII, each one the same character in UTF-16.
  name.append(digits.data(), end);
  name += L'.';
  name += extension;
  return name;
}
