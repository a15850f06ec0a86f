// Reading a text of any length from the Win32 calls that report the size
// they need when the buffer is too small (GetCurrentDirectoryW,
// GetFullPathNameW, GetEnvironmentVariableW, ...): the caller never picks a
// limit such as MAX_PATH that a long path or value would be cut at.
#pragma once
#include "framework/win32.h"

#include <algorithm>
#include <string>

// `read(buffer, capacity)` follows the calls' convention: the length copied
// (without the terminating NUL) when it fits, the size needed (with it) when
// it does not, and 0 on failure. Returns the text; empty on failure.
template <class Read>
std::wstring ReadSizedText(Read read) {
  // Room for an ordinary path at once: most texts then take one call.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const auto capacity = static_cast<DWORD>(buffer.size());
    const DWORD result = read(capacity == 0 ? nullptr : buffer.data(), capacity);
    if (result == 0) return {};
    if (result < capacity) {
      buffer.resize(result);
      return buffer;
    }
    // The text may have grown since the size was asked for: ask again.
    buffer.resize(std::max<std::size_t>(result, buffer.size() + 1));
  }
}
