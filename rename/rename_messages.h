// The English messages of the renaming commands for what the standard
// file-error message cannot say.
#pragma once
#include <string>
#include <string_view>

// A change of case stopped half-way: the file could neither take its new
// name nor get its old one back, and is under the temporary name now.
std::wstring LeftUnderTemporaryNameText(std::wstring_view oldName, std::wstring_view newName,
                                        std::wstring_view temporaryName);
