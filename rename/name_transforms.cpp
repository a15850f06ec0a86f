#include "rename/name_transforms.h"

#include "app/ansi_case.h"

#include <array>
#include <charconv>

std::optional<std::string> SubstituteFirst(std::string_view fileName, std::string_view original,
                                           std::string_view replacement) {
  const std::size_t position = ToLowerAnsi(fileName).find(ToLowerAnsi(original));
  if (position == std::string::npos) return std::nullopt;
  std::string result(fileName.substr(0, position));
  result += replacement;
  result += fileName.substr(position + original.size());
  return result;
}

std::string NumberedName(std::string_view stem, unsigned number, std::string_view extension) {
  std::array<char, 16> digits{};
  auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
  const auto length = static_cast<std::size_t>(end - digits.data());

  std::string name(stem);
  if (length < 4) name.append(4 - length, '0');
  name.append(digits.data(), end);
  name += '.';
  name += extension;
  return name;
}
