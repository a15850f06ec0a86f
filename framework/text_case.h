// Lower and upper case by the system's own rules (CharLowerBuffW /
// CharUpperBuffW), on whole UTF-16 texts. A mapping never changes the length,
// so a position found in a mapped text is the same position in the original.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

std::wstring ToLowerCase(std::wstring_view text);
std::wstring ToUpperCase(std::wstring_view text);
// True when the texts differ at most in the case of their letters.
bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b);
// The position of the first occurrence of `part` in `text`, case ignored by
// the same rules; an empty part is found at 0.
std::optional<std::size_t> FindIgnoringCase(std::wstring_view text, std::wstring_view part);
