#include "ui/browsing_state.h"

std::string CurrentDrive;
std::string CurrentFolder;
std::string FileSpec;
std::string PathSpec;

std::string ShownFolder() { return CurrentDrive + CurrentFolder; }
