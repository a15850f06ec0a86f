// The text calls on windows, menus and message boxes, all in their UTF-16
// form, so that every language's letters and every name show as they are
// whatever the system's code page.
#pragma once
#include "framework/win32.h"

#include <string>
#include <string_view>

// The whole text of a window or control.
std::wstring ReadWindowText(HWND window);
void WriteWindowText(HWND window, std::wstring_view text);

int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT style);

void AppendMenuText(HMENU menu, UINT commandId, std::wstring_view text);
void AppendMenuSeparator(HMENU menu);

// An icon of the program's own resources.
HICON LoadProgramIcon(int resourceId);
