// Print: the listed files, with size, attributes and creation time, on a
// printer the user chooses.
#pragma once
#include "app/command_window.h"

void PrintListing(CommandWindow& window);
