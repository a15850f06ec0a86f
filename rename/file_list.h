// Reading the main window's file list (a sorted list box of bare file names
// with multiple selection), and probing a listed file before it is changed.
#pragma once
#include "framework/file.h"
#include "framework/list_box.h"
#include "framework/win32.h"

#include <string>
#include <vector>

// The positions of all selected entries, top of the list first.
std::vector<int> SelectedPositions(HWND list);

// Opens the listed file for reading without sharing, as the probe that shows
// whether it may be changed now. A name that Windows would map onto another
// file or a device (trailing dot or blank, reserved names, wildcards) is
// refused instead of opened.
bool OpenListedFile(File& file, const std::string& listedName, FileException& error);
