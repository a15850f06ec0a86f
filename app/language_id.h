#pragma once

#include <cstdint>

// The user-interface language. The numbering is fixed: it is the row order of
// the text tables, the radio-button order of the language dialog and the value
// kept in the registry.
using LanguageId = std::int32_t;

namespace Language {
inline constexpr LanguageId English = 0;
inline constexpr LanguageId German = 1;
inline constexpr LanguageId French = 2;
inline constexpr LanguageId Italian = 3;
inline constexpr int Count = 4;
}  // namespace Language
