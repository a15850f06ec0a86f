// The names a folder stores, as it stores them, and the listing the main
// window shows: the platform's directory listing, without its limit of
// MAX_PATH characters.
#pragma once
#include <optional>
#include <string>
#include <vector>

// Every name that a wildcard search for `pattern` (a path whose last part may
// hold * and ?) finds, spelled as the folder stores it. A search by an exact
// name is no use for that: on some disks it echoes the spelling asked for.
std::vector<std::wstring> NamesMatching(const std::wstring& pattern);
// The same, without the folders among them.
std::vector<std::wstring> FileNamesMatching(const std::wstring& pattern);

// A folder as the directory listing shows it, in the entries the listing
// service gives: bare file names, "[..]" and "[name]" for folders, "[-c-]"
// for drives. The entries are in the folder's order; a sorted list sorts them.
struct DirectoryListing {
  std::wstring folder;   // full, ending in a backslash
  std::wstring pattern;  // the wildcard the files were matched with
  std::vector<std::wstring> files;
  std::vector<std::wstring> folders;
  std::vector<std::wstring> drives;
};

// Lists what `pathSpec` names, as the platform's listing reads it: a folder
// alone (all files), or a folder and a wildcard, where the folder may be
// given relative to the one before it ("c:\x\sub\*.txt"). Nothing when the
// folder does not exist or cannot be read, or when the last part is a name
// without a wildcard that is no folder.
std::optional<DirectoryListing> ListDirectory(const std::wstring& pathSpec);

// The path line over the lists: the folder without its final backslash
// (a root keeps it), in lower case.
std::wstring PathLineOf(const std::wstring& folder);
