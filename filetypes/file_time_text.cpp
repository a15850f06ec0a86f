#include "filetypes/file_time_text.h"

#include "framework/time_format.h"

std::wstring FileTimeText(const FILETIME& time) {
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  if (!FileTimeToSystemTime(&time, &universal) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
    return {};
  const LocalTime shown{local.wYear,   local.wMonth,  local.wDay,      local.wHour,
                        local.wMinute, local.wSecond, local.wDayOfWeek};
  return FormatTime(shown, L"%b %d,%y %I:%M");
}
