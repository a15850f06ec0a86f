// Browsing the icons of an icon file with Next and Previous, and the Icon
// group's caption. The index is the registered one and may lie anywhere in
// the 32-bit range, so none of these overflows: they clamp.
#pragma once
#include <string>

// One on, or back to the first after the last (or past it).
int NextIconIndex(int index, int count);

// One back, or on to the last from the first.
int PreviousIconIndex(int index, int count);

// "3 of 12" for index 2 of 12 icons.
std::wstring IconCaption(int index, int count);
