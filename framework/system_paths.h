// Folders and paths the system names: the Windows and system folders, the
// environment, and the process's current directory.
#pragma once

#include <string>
#include <string_view>

// Without a final backslash, as the system gives them; empty on failure.
std::wstring WindowsFolderPath();
std::wstring SystemFolderPath();
// Empty when the variable is not set.
std::wstring EnvironmentVariable(std::wstring_view name);
// %NAME% references expanded; the text itself when that fails.
std::wstring ExpandEnvironmentText(std::wstring_view text);
// Empty when it cannot be read.
std::wstring CurrentDirectory();
bool ChangeCurrentDirectory(const std::wstring& folder);
