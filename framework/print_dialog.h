// The common print dialog, for commands that print everything they have:
// no selection or page-range choice, and the number of copies is left to the
// printer driver.
#pragma once
#include "framework/unique_handles.h"

// Runs the dialog owned by `owner` and returns the chosen printer's device
// context; an empty one when the user cancelled or no printer could be used.
UniqueCreatedDC ChoosePrinter(HWND owner);
