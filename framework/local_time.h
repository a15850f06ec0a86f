// Times as the user's clock reads them: now, and a file's time stamp.
#pragma once
#include "framework/time_format.h"
#include "framework/win32.h"

#include <optional>

LocalTime CurrentLocalTime();

// What a time stamp becomes when the time zone cannot convert it: nothing,
// or the universal time unchanged.
enum class WhenZoneFails { GiveNothing, GiveUniversalTime };

// The zone's rules for that date, so a summer time stamp reads as summer
// time. Nothing for a time out of range.
std::optional<LocalTime> LocalTimeOf(const FILETIME& time, WhenZoneFails fallback);
