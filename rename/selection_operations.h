// The operations on the file list's selection: lower case, upper case,
// substitute and delete.
#pragma once
#include "app/command_window.h"
#include "rename/rename_run.h"

// Renames or deletes each selected file in turn; `operation` is one of the
// four above. Substitute's dialog, or Delete's question, and the progress
// window come up at the first selected file that opens.
void ProcessSelection(CommandWindow& window, RenameOperation operation);
// The same, as its button runs it: the lists refilled afterwards, nothing selected.
void RunSelectionCommand(CommandWindow& window, RenameOperation operation);
