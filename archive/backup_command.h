// Backup: every listed file stored in one new archive that the user names.
#pragma once
#include "app/command_window.h"

void BackUpListedFiles(CommandWindow& window);
