#include "filetypes/file_time_text.h"

#include "framework/local_time.h"

std::wstring FileTimeText(const FILETIME& time) {
  const std::optional<LocalTime> local = LocalTimeOf(time, WhenZoneFails::GiveNothing);
  return local ? FormatTime(*local, L"%b %d,%y %I:%M") : std::wstring();
}
