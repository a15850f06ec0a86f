#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Names grouped by their letters regardless of case (the system's rules), so
// that every spelling of a name is found in one step however many names
// there are.
class SpellingsByCase {
 public:
  SpellingsByCase() = default;
  explicit SpellingsByCase(const std::vector<std::wstring>& names);

  // A spelling already held is held once.
  void Add(const std::wstring& name);
  void Remove(const std::wstring& name);
  // Every held spelling of the name, itself among them when held.
  std::vector<std::wstring> Of(std::wstring_view name) const;
  bool Contains(std::wstring_view name) const;
  // Some held spelling differs from this one.
  bool HasOtherSpelling(std::wstring_view name) const;

 private:
  const std::vector<std::wstring>* Group(std::wstring_view name) const;

  std::unordered_map<std::wstring, std::vector<std::wstring>> m_byUpperCase;
};

// The names among `names` that are spellings of `name` (equal but for case,
// by the system's rules), as stored.
std::vector<std::wstring> SpellingsAmong(std::vector<std::wstring> names, const std::wstring& name);

// The name with its first character made a wildcard: a search for it finds
// every stored spelling of the name (and a few other names), spelled as
// stored, without reading out the whole folder.
std::wstring SpellingsPattern(const std::wstring& name);
