// Every rule of the program about paths and names, in one place. Most are
// told from the text alone, as Windows reads it (path.cpp, no disk asked);
// those marked "asks the system" are in path_system.cpp. Drive letters are
// the 26 ASCII letters whatever the locale calls a letter, and "\" and "/"
// both separate.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

bool IsPathSeparator(wchar_t c);

// "c:\" or "c:/" at the start.
bool StartsWithDriveRoot(std::wstring_view path);

// Two separators at the start: a share ("\\server\share") or one of the
// device namespaces.
bool StartsWithTwoSeparators(std::wstring_view path);

// "\\.\", "\\?\" or "\??\" at the start: devices and raw paths, where a name
// such as "PhysicalDrive0" is a disk, not a file of a folder.
bool IsDeviceNamespacePath(std::wstring_view path);

// Whether a folder path names a folder by itself: a drive root, or a
// \\server\share with both parts. Anything else (empty, "docs\", "c:docs\")
// would be resolved against whatever folder happens to be current. Says
// nothing about the device namespaces: see IsDeviceNamespacePath.
bool NamesAbsoluteFolder(std::wstring_view folder);

// \ / : * ? " < > | or a control character anywhere in the text. Only these
// ASCII characters: look-alikes such as the fullwidth backslash are ordinary
// letters of a name.
bool HoldsForbiddenNameCharacter(std::wstring_view text);

// True only for a bare file name that Windows stores
// under exactly that name as an ordinary file in the folder it is joined to:
// no path parts, no stream or device, nothing the file system would trim.
bool IsPlainFileName(std::wstring_view name);

// The folder ready for a name to follow: a backslash added unless it ends in
// a separator already. An empty folder stays empty.
std::wstring FolderWithSeparator(std::wstring folder);

// The folder followed by the name, with a backslash put between them when
// the folder ends in none (an archive made elsewhere may lack it). A bare
// "c:" is left as it is: a backslash would make it the drive's root.
std::wstring PathInFolder(std::wstring_view folder, std::wstring_view name);

// The folder part of a path, up to and with its last backslash (or slash);
// empty for a bare name.
std::wstring FolderOfPath(std::wstring_view path);

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

// --- The form a file call is handed.

// The longest path, in UTF-16 units, that the system takes in its plain form
// (MAX_PATH with its terminating null). Longer ones need the "\\?\" form.
inline constexpr std::size_t kMaxPlainPathLength = 259;

// A full path (as FullPathOf gives it) in the form every file call takes at
// any length: itself up to kMaxPlainPathLength, else "\\?\c:\..." or
// "\\?\UNC\server\share\...". A path already in a device namespace, or not
// full, is left as it is.
std::wstring LongFormOfFullPath(std::wstring_view fullPath);

// The path without a "\\?\" (or "\\?\UNC\") prefix: what a user is shown,
// and what the system hands back when it was given the long form.
std::wstring WithoutLongPrefix(std::wstring_view path);

// The folder itself when its path fits in `limit` characters, else the
// nearest folder above it that fits (ending in a backslash); empty when
// none does. For the calls that still hold MAX_PATH characters at most.
std::wstring NearestFolderWithin(std::wstring_view folder, std::size_t limit);

// Asks the system: the full path of a possibly relative path, normalized as
// every file call normalizes it ("." and ".." resolved, "/" made "\",
// trailing dots and blanks dropped); the path itself when the system cannot
// make one.
std::wstring FullPathOf(const std::wstring& path);

// Asks the system: what every file call of the framework is handed for
// `path`, LongFormOfFullPath(FullPathOf(path)). Names the same file as `path`
// does today, at any length.
std::wstring FileCallPath(std::wstring_view path);

// Asks the system: the same for a wildcard search ("c:\x\*.txt"): the folder
// part as FileCallPath gives it, the last part as it stands, since
// normalizing would drop the dot of "*." (the names without an extension).
std::wstring SearchCallPath(std::wstring_view pattern);
