#pragma once
#include "framework/time_format.h"

#include <string>

// The name Backup offers for a new archive: the time, such as
// "Mon-Dec-07-26 at 11-32-24 PM".
std::wstring DefaultArchiveName(const LocalTime& now);
