#include "framework/local_time.h"

namespace {

LocalTime FromSystemTime(const SYSTEMTIME& time) {
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wDayOfWeek};
}

}  // namespace

LocalTime CurrentLocalTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return FromSystemTime(now);
}

std::optional<LocalTime> LocalTimeOf(const FILETIME& time, WhenZoneFails fallback) {
  SYSTEMTIME universal{};
  if (!FileTimeToSystemTime(&time, &universal)) return std::nullopt;
  SYSTEMTIME local{};
  if (SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) return FromSystemTime(local);
  if (fallback == WhenZoneFails::GiveUniversalTime) return FromSystemTime(universal);
  return std::nullopt;
}
