// The scale a window is drawn at. Where the system tracks it per monitor
// (Windows 10 from 1607 on) it is the window's own; on older systems the
// system-wide one, which the program then runs at.
#pragma once
#include <windows.h>

// Dots per inch of the window's display (96 at 100 %).
int WindowDpi(HWND window);

// The side of a large icon at that DPI (32 at 96).
int IconSizeForDpi(int dpi);

// A length given at 96 dpi, at that DPI.
int ScaleFrom96Dpi(int length, int dpi);
