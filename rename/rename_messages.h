// The English messages of the renaming commands for what the standard
// file-error message cannot say.
#pragma once
#include <string>
#include <string_view>

// A change of case stopped half-way: the file could neither take its new
// name nor get its old one back, and is under the temporary name now.
std::string LeftUnderTemporaryNameText(std::string_view oldName, std::string_view newName,
                                       std::string_view temporaryName);
