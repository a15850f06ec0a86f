#include "framework/text_case.h"

#include "framework/win32.h"

namespace {

// The system maps each UTF-16 unit in place, so the copy keeps its length.
template <class Map>
std::wstring MappedCopy(std::wstring_view text, Map map) {
  std::wstring copy(text);
  if (!copy.empty()) map(copy.data(), static_cast<DWORD>(copy.size()));
  return copy;
}

}  // namespace

std::wstring ToLowerCase(std::wstring_view text) { return MappedCopy(text, CharLowerBuffW); }

std::wstring ToUpperCase(std::wstring_view text) { return MappedCopy(text, CharUpperBuffW); }

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && ToUpperCase(a) == ToUpperCase(b);
}

std::optional<std::size_t> FindIgnoringCase(std::wstring_view text, std::wstring_view part) {
  const std::size_t at = ToUpperCase(text).find(ToUpperCase(part));
  if (at == std::wstring::npos) return std::nullopt;
  return at;
}
