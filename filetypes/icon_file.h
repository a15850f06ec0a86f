// The icons a file holds, through the shell's icon extraction.
#pragma once
#include "framework/unique_handles.h"

#include <string>

// How many icons the file holds: 0 for a missing file or one without icons.
int CountIcons(const std::wstring& iconFile);

// The icon at the zero-based index (a negative index names a resource id,
// though -1 never gives one); empty when there is none there.
UniqueIcon ExtractIconAt(const std::wstring& iconFile, int index);
