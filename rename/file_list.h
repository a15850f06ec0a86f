// Probing a listed file before it is changed.
#pragma once
#include "framework/file.h"

#include <string>
#include <string_view>

// Opens the listed file of `folder` (a full path ending in a backslash) for
// reading without sharing, as the probe that shows whether it may be changed
// now. A name that Windows would map onto another file or a device (trailing
// dot or blank, reserved names, wildcards) is refused instead of opened.
bool OpenListedFile(File& file, const std::wstring& folder, std::wstring_view listedName,
                    FileException& error);
