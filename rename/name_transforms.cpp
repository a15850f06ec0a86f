#include "rename/name_transforms.h"

#include <array>
#include <charconv>

namespace {

using CaseTable = std::array<unsigned char, 256>;

constexpr bool IsAccentedCapital(unsigned c) { return c >= 0xC0 && c <= 0xDE && c != 0xD7; }

constexpr CaseTable MakeLowerTable() {
  CaseTable table{};
  for (unsigned c = 0; c < 256; ++c) {
    unsigned mapped = c;
    if ((c >= 'A' && c <= 'Z') || IsAccentedCapital(c))
      mapped = c + 0x20;
    else if (c == 0x8A || c == 0x8C || c == 0x8E)
      mapped = c + 0x10;
    else if (c == 0x9F)
      mapped = 0xFF;
    table[c] = static_cast<unsigned char>(mapped);
  }
  return table;
}

constexpr CaseTable MakeUpperTable() {
  CaseTable table{};
  for (unsigned c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
  const CaseTable lower = MakeLowerTable();
  for (unsigned c = 0; c < 256; ++c)
    if (lower[c] != c) table[lower[c]] = static_cast<unsigned char>(c);
  return table;
}

constexpr CaseTable kLower = MakeLowerTable();
constexpr CaseTable kUpper = MakeUpperTable();

std::string Mapped(std::string_view text, const CaseTable& table) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(table[static_cast<unsigned char>(ch)]);
  return out;
}

}  // namespace

std::string ToLowerAnsi(std::string_view text) { return Mapped(text, kLower); }

std::string ToUpperAnsi(std::string_view text) { return Mapped(text, kUpper); }

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

bool SameNameIgnoringCase(std::string_view a, std::string_view b) { return ToUpperAnsi(a) == ToUpperAnsi(b); }
