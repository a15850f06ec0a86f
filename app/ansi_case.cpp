#include "app/ansi_case.h"

#include <algorithm>
#include <array>

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

bool SameNameIgnoringCase(std::string_view a, std::string_view b) { return ToUpperAnsi(a) == ToUpperAnsi(b); }

SpellingsByCase::SpellingsByCase(const std::vector<std::string>& names) {
  for (const std::string& name : names) Add(name);
}

void SpellingsByCase::Add(const std::string& name) {
  std::vector<std::string>& group = m_byUpperCase[ToUpperAnsi(name)];
  if (std::ranges::find(group, name) == group.end()) group.push_back(name);
}

void SpellingsByCase::Remove(const std::string& name) {
  const auto group = m_byUpperCase.find(ToUpperAnsi(name));
  if (group != m_byUpperCase.end()) std::erase(group->second, name);
}

const std::vector<std::string>* SpellingsByCase::Group(std::string_view name) const {
  const auto group = m_byUpperCase.find(ToUpperAnsi(name));
  return group == m_byUpperCase.end() ? nullptr : &group->second;
}

std::vector<std::string> SpellingsByCase::Of(std::string_view name) const {
  const std::vector<std::string>* group = Group(name);
  return group ? *group : std::vector<std::string>{};
}

bool SpellingsByCase::Contains(std::string_view name) const {
  const std::vector<std::string>* group = Group(name);
  return group && std::ranges::find(*group, name) != group->end();
}

bool SpellingsByCase::HasOtherSpelling(std::string_view name) const {
  const std::vector<std::string>* group = Group(name);
  return group && std::ranges::any_of(*group, [&](const std::string& spelling) { return spelling != name; });
}
