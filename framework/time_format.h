#pragma once

#include <string>
#include <string_view>

struct LocalTime {
  int year;
  int month;  // 1-12
  int day;    // 1-31
  int hour;   // 0-23
  int minute;
  int second;
  int dayOfWeek;  // 0 = Sunday
};

// strftime-style formatting with English day and month names whatever the
// locale. Supported: %a %A %b %B %d %H %I %M %S %p %y %Y %m %%. Any other
// conversion, and a lone '%' at the end, is copied as it stands. A day of the
// week or month outside its range formats its name as "?".
std::wstring FormatTime(const LocalTime& time, std::wstring_view pattern);
