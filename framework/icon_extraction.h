// Icons of an executable, library or icon file (ExtractIconW).
#pragma once
#include "framework/unique_handles.h"

#include <string>

// How many icons the file holds; 0 when it holds none or cannot be read.
unsigned IconCountIn(const std::wstring& iconFile);
// The icon at `index`; empty when there is none.
UniqueIcon ExtractIconFrom(const std::wstring& iconFile, int index);
