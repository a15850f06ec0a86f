// A listed file's extension, as the file-type entries are keyed by it.
#pragma once

#include <string>
#include <string_view>

// The name from its last "." on, the dot included ("report.final.txt" gives
// ".txt"); a name without a dot has no extension and gives "".
std::wstring ExtensionOf(std::wstring_view fileName);

// A dot followed by a name that is one registry key: anything else (empty,
// a lone ".", no leading dot, a backslash that would reach into another key)
// is never looked up or written.
bool IsRegistrableExtension(std::wstring_view extension);
