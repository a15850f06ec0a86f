// The framework's own English messages for cases that its callers never see
// coming: a dialog that could not be opened, and a typed character that the
// program's code page cannot carry.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// A modal dialog whose window was never made; `systemError` 0 when the
// platform gave none.
std::string DialogNotShownText(int templateId, std::uint32_t systemError);

// A character typed into an edit that the code page `codePage` lacks.
std::wstring UnmappableCharacterText(std::wstring_view character, unsigned codePage);
