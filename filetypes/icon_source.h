// The file whose icons the Properties dialog shows for the icon file it
// displays. The text stays as registered; only the lookup is the shell's:
// environment references expanded, and a bare relative name looked for in
// the system folders, never in the folder the main window happens to show
// (the process's current directory).
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The system directory, then the Windows directory.
std::vector<std::wstring> IconSearchFolders();

// The file to read icons from, or nothing when the text names none: the
// fallback text of an unregistered type, an empty text, a name that is
// relative to a drive's current folder or root ("c:a.dll", "\a.dll"), a
// device or stream name (a colon after the drive), or a relative name that
// no folder of `folders` holds as a file. A full path ("c:\...", "\\server\...")
// is taken as it is.
std::optional<std::wstring> ResolveIconFile(std::wstring_view expandedIconFile,
                                            const std::vector<std::wstring>& folders,
                                            const std::function<bool(const std::wstring&)>& isFile);

// ResolveIconFile of the text with its environment references expanded,
// over IconSearchFolders() and the file system.
std::optional<std::wstring> IconSourceFile(std::wstring_view iconFile);
