// Properties: the focused file's times, size and attributes, and its type's
// registered icon and application, which the user may change.
#pragma once
#include "app/command_window.h"

void EditPropertiesOfFocusedFile(CommandWindow& window);
