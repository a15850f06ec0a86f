#pragma once

#include <string>
#include <string_view>

// Case mapping of code page 1252 as the system's CharLowerA/CharUpperA do it:
// A-Z, the accented capitals 0xC0-0xDE (but not the multiplication sign 0xD7)
// and the pairs S/Z caron, OE and Y diaeresis. Sharp s and micro stay as they are.
std::string ToLowerAnsi(std::string_view text);
std::string ToUpperAnsi(std::string_view text);
// True when the names differ at most in the case of their letters.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
