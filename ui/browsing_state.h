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
