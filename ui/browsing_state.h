// Which folder the main window shows. Commands build full paths from
// CurrentDrive + CurrentFolder; every refill of the lists also makes that
// folder the process's current directory, so bare listed names resolve there.
#pragma once
#include <string>

extern std::string CurrentDrive;   // "c:"
extern std::string CurrentFolder;  // "\windows\system\" (always begins and ends with "\")
extern std::string FileSpec;       // the file-pattern field, "*.*" at start
extern std::string PathSpec;       // CurrentDrive + CurrentFolder + FileSpec; the pattern alone once listed

// CurrentDrive + CurrentFolder.
std::string ShownFolder();

// The process's current directory; empty if it cannot be read.
std::string CurrentDirectory();

// The folder whose files the file list holds, ending in a backslash. Usually
// the one ShownFolder() names, spelled as it spells it. But a file pattern
// that names a folder of its own ("sub\*.txt") makes the listing enter that
// folder, and a folder that cannot be entered leaves the lists where they
// were; then the current directory, which every listing leaves at the listed
// folder, is the one that knows.
std::string ListedFolder();
