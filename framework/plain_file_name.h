#pragma once

#include <string_view>

// True only for a bare file name that Windows stores
// under exactly that name as an ordinary file in the folder it is joined to:
// no path parts, no stream or device, nothing the file system would trim.
bool IsPlainFileName(std::wstring_view name);
