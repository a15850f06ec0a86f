// Probing a listed file before it is changed.
#pragma once
#include "framework/file.h"

#include <string_view>

// Opens the listed file for reading without sharing, as the probe that shows
// whether it may be changed now. A name that Windows would map onto another
// file or a device (trailing dot or blank, reserved names, wildcards) is
// refused instead of opened.
bool OpenListedFile(File& file, std::wstring_view listedName, FileException& error);
