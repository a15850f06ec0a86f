#include "app/name_case.h"

#include "framework/text.h"
#include "framework/text_case.h"

#include <algorithm>

SpellingsByCase::SpellingsByCase(const std::vector<std::wstring>& names) {
  for (const std::wstring& name : names) Add(name);
}

void SpellingsByCase::Add(const std::wstring& name) {
  std::vector<std::wstring>& group = m_byUpperCase[ToUpperCase(name)];
  if (std::ranges::find(group, name) == group.end()) group.push_back(name);
}

void SpellingsByCase::Remove(const std::wstring& name) {
  const auto group = m_byUpperCase.find(ToUpperCase(name));
  if (group != m_byUpperCase.end()) std::erase(group->second, name);
}

const std::vector<std::wstring>* SpellingsByCase::Group(std::wstring_view name) const {
  const auto group = m_byUpperCase.find(ToUpperCase(name));
  return group == m_byUpperCase.end() ? nullptr : &group->second;
}

std::vector<std::wstring> SpellingsByCase::Of(std::wstring_view name) const {
  const std::vector<std::wstring>* group = Group(name);
  return group ? *group : std::vector<std::wstring>{};
}

bool SpellingsByCase::Contains(std::wstring_view name) const {
  const std::vector<std::wstring>* group = Group(name);
  return group && std::ranges::find(*group, name) != group->end();
}

bool SpellingsByCase::HasOtherSpelling(std::wstring_view name) const {
  const std::vector<std::wstring>* group = Group(name);
  return group && std::ranges::any_of(*group, [&](const std::wstring& spelling) { return spelling != name; });
}

std::vector<std::wstring> SpellingsAmong(std::vector<std::wstring> names, const std::wstring& name) {
  std::erase_if(names, [&](const std::wstring& stored) { return !SameTextIgnoringCase(stored, name); });
  return names;
}

// A character beyond 16 bits takes two units: "*" stands for both, so that
// no half of it is left in the pattern.
std::wstring SpellingsPattern(const std::wstring& name) {
  if (name.empty()) return name;
  const bool pair = CharacterLengthAt(name, 0) == 2;
  std::wstring pattern = name;
  pattern.replace(0, pair ? 2 : 1, pair ? L"*" : L"?");
  return pattern;
}
