#pragma once

#include <optional>
#include <string>
#include <string_view>

// Replaces the first occurrence of `original`, found regardless of case by
// the system's rules, in `fileName` by `replacement` as typed. The rest of
// the name keeps its case. An empty `original` is found at the start. No
// occurrence gives nullopt.
std::optional<std::wstring> SubstituteFirst(std::wstring_view fileName, std::wstring_view original,
                                            std::wstring_view replacement);

// stem + number with at least four digits + "." + extension, as "%s%04d.%s".
std::wstring NumberedName(std::wstring_view stem, unsigned number, std::wstring_view extension);
