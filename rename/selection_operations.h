// The operations on the file list's selection: lower case, upper case,
// substitute and delete, named by their buttons' ids.
#pragma once
#include "app/command_window.h"

// Renames or deletes each selected file in turn.
void ProcessSelection(CommandWindow& window, int code);
// The same, as its button runs it: the lists refilled afterwards, nothing selected.
void RunSelectionCommand(CommandWindow& window, int code);
