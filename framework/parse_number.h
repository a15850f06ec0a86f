#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reads an unsigned number typed into an edit field. Only the first 31
// characters count. Blanks and tabs around the number are ignored, a '+' is
// accepted, and a '-' wraps the value to 32 bits ("-1" gives 4294967295, which
// a range check then refuses). An empty text, a text without digits, anything
// after the number but blanks and tabs, and a magnitude beyond 4294967295 all
// fail. Only ASCII digits, signs and blanks make a number: any other
// character among the first 31 fails the field, and none is ever dropped or
// read as a digit.
std::optional<std::uint32_t> ParseUnsignedField(std::wstring_view text);
