// Text on a printer's (or any) device context, through the UTF-16 calls.
#pragma once
#include "framework/unique_handles.h"

#include <string_view>

// StartDocW with the document's name; false when the job cannot start.
bool StartPrintDocument(HDC printer, std::wstring_view documentName);
void DrawTextAt(HDC dc, int x, int y, std::wstring_view text);
SIZE TextExtent(HDC dc, std::wstring_view text);
// A font of the given height in device units, in the face named (empty:
// the device's default face), for any script (DEFAULT_CHARSET), so that
// names outside the Western letters print.
UniqueFont CreateFontNamed(int height, std::wstring_view faceName);
