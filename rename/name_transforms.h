#pragma once

#include <optional>
#include <string>
#include <string_view>

// Replaces the first occurrence of `original`, found regardless of case, in
// `fileName` by `replacement` as typed. The rest of the name keeps its case.
// An empty `original` is found at the start. No occurrence gives nullopt.
std::optional<std::string> SubstituteFirst(std::string_view fileName, std::string_view original,
                                           std::string_view replacement);

// stem + number with at least four digits + "." + extension, as "%s%04d.%s".
std::string NumberedName(std::string_view stem, unsigned number, std::string_view extension);
