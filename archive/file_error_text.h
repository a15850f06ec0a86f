// The text of the standard file-error message: the name, " could not be
// opened because", a line break and the sentence for the cause.
#pragma once
#include <string>
#include <string_view>

std::wstring FileErrorText(std::wstring_view name, int cause);
