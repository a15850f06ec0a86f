// What a path or a name is, told from its text alone, as Windows reads it:
// no disk is asked. Drive letters are the 26 ASCII letters whatever the
// locale calls a letter, and "\" and "/" both separate.
#pragma once

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
