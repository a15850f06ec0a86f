#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Case mapping of code page 1252 as the system's CharLowerA/CharUpperA do it:
// A-Z, the accented capitals 0xC0-0xDE (but not the multiplication sign 0xD7)
// and the pairs S/Z caron, OE and Y diaeresis. Sharp s and micro stay as they are.
std::string ToLowerAnsi(std::string_view text);
std::string ToUpperAnsi(std::string_view text);
// True when the names differ at most in the case of their letters.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// Names grouped by their letters regardless of case, so that every spelling
// of a name is found in one step however many names there are.
class SpellingsByCase {
 public:
  SpellingsByCase() = default;
  explicit SpellingsByCase(const std::vector<std::string>& names);

  // A spelling already held is held once.
  void Add(const std::string& name);
  void Remove(const std::string& name);
  // Every held spelling of the name, itself among them when held.
  std::vector<std::string> Of(std::string_view name) const;
  bool Contains(std::string_view name) const;
  // Some held spelling differs from this one.
  bool HasOtherSpelling(std::string_view name) const;

 private:
  const std::vector<std::string>* Group(std::string_view name) const;

  std::unordered_map<std::string, std::vector<std::string>> m_byUpperCase;
};
