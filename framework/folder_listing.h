// The names a folder stores, as it stores them.
#pragma once
#include <string>
#include <vector>

// Every name that a wildcard search for `pattern` (a path whose last part may
// hold * and ?) finds, spelled as the folder stores it. A search by an exact
// name is no use for that: on some disks it echoes the spelling asked for.
std::vector<std::wstring> NamesMatching(const std::wstring& pattern);
// The same, without the folders among them.
std::vector<std::wstring> FileNamesMatching(const std::wstring& pattern);
