// Enumerate: every listed file renamed to a stem, a running number and an
// extension that the user chooses first.
#pragma once
#include "app/command_window.h"

void EnumerateListedFiles(CommandWindow& window);
