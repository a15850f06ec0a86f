// Which folder the main window shows. Every refill of the lists also makes
// the listed folder (or, past MAX_PATH, the nearest folder above it) the
// process's current directory, where the file dialogs start; the commands
// act by full paths in the listed folder instead.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

extern std::wstring CurrentDrive;   // "c:"
extern std::wstring CurrentFolder;  // "\windows\system\" (always begins and ends with "\")
extern std::wstring FileSpec;       // the file-pattern field, "*.*" at start
extern std::wstring PathSpec;       // CurrentDrive + CurrentFolder + FileSpec; the pattern alone once listed

// CurrentDrive + CurrentFolder.
std::wstring ShownFolder();

// The folder a listing of `folder` entered, ending in a backslash, given
// the full path of the folder it listed. Usually `folder` itself, spelled
// as it spells it. But a file pattern that names a folder of its own
// ("sub\*.txt") makes the listing enter that folder.
std::wstring FolderEnteredByListing(const std::wstring& folder, const std::wstring& listedFolder);
