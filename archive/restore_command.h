// Restore: the Restore dialog over an archive the user chooses in it, or
// over one named on the command line.
#pragma once
#include "framework/win32.h"

#include <string>

void RestoreFromChosenArchive();
// Returns how the dialog ended: its Exit button ends the program.
INT_PTR RestoreFromArchive(const std::wstring& archivePath);
