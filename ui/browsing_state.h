// Which folder the main window shows. Every refill of the lists also makes
// the listed folder the process's current directory, where the file dialogs
// start; the commands act by full paths in the listed folder instead.
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
// the current directory the listing left. Usually `folder` itself, spelled
// as it spells it. But a file pattern that names a folder of its own
// ("sub\*.txt") makes the listing enter that folder, which only the current
// directory knows.
std::wstring FolderEnteredByListing(const std::wstring& folder, const std::wstring& currentDirectory);

// The longest folder-and-pattern path the listing may be given, in UTF-16
// units: the listing service, and the path line it writes, hold MAX_PATH
// characters with the terminating null.
inline constexpr std::size_t kMaxListingPath = 259;

// A full folder path ("c:\users\x\" or without the final backslash) split the
// way the browsing strings hold it. Nothing for any other form: a relative
// path, or a network path (\\server\share\) that has no drive to name.
struct DriveAndFolder {
  std::wstring drive;   // "c:"
  std::wstring folder;  // "\users\x\"
};
std::optional<DriveAndFolder> SplitFolderPath(std::wstring_view folderPath);

// The parent of a full folder path, ending in a backslash; a root is its own.
std::wstring ParentFolderPath(std::wstring_view folderPath);
