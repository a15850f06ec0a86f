#include "framework/parse_number.h"

#include <charconv>
#include <string>

namespace {

constexpr std::size_t kCharactersRead = 31;

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::optional<std::uint32_t> ParseAsciiField(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  std::size_t end = text.size();
  while (end > begin && IsBlank(text[end - 1])) --end;
  text = text.substr(begin, end - begin);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars would take a second sign; only digits may follow ours.
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;

  std::uint32_t value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || stop != text.data() + text.size()) return std::nullopt;
  return negative ? static_cast<std::uint32_t>(0u - value) : value;
}

}  // namespace

std::optional<std::uint32_t> ParseUnsignedField(std::wstring_view text) {
  text = text.substr(0, kCharactersRead);
  std::string ascii;
  ascii.reserve(text.size());
  for (const wchar_t ch : text) {
    if (ch > 0x7F) return std::nullopt;
    ascii += static_cast<char>(ch);
  }
  return ParseAsciiField(ascii);
}
