// The framework's own English messages for cases that its callers never see
// coming: a typed character that the program's code page cannot carry.
#pragma once
#include <string>
#include <string_view>

// A character typed into an edit that the code page `codePage` lacks.
std::wstring UnmappableCharacterText(std::wstring_view character, unsigned codePage);
