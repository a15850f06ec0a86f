// A file time given as a wall-clock time of the machine's time zone, as the
// user would read it in a listing.
#pragma once
#include <windows.h>

inline FILETIME FileTimeAtLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
  SYSTEMTIME local{};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = hour;
  local.wMinute = minute;
  SYSTEMTIME universal{};
  FILETIME time{};
  TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal);
  SystemTimeToFileTime(&universal, &time);
  return time;
}
