#pragma once
#include "framework/win32.h"

#include <string>

// A file time as the properties show it: local time, "%b %d,%y %I:%M" with
// English month names ("Mar 05,97 02:15"); empty for a time out of range.
std::wstring FileTimeText(const FILETIME& time);
