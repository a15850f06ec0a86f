// The one place that pulls in the Win32 headers, with the program's settings.
#pragma once
#ifndef NOMINMAX
#define NOMINMAX
#endif
// First: the other system headers build on what it declares.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
