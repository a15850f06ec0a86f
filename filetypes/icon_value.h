#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A DefaultIcon value "file,index", taken as stored (environment references
// stay unexpanded).
struct IconLocation {
  std::wstring file;
  std::int32_t index = 0;

  friend bool operator==(const IconLocation&, const IconLocation&) = default;
};

// Splits at the first comma. The index is read like atoi: leading white space,
// an optional sign, then digits up to the first non-digit; no digits give 0,
// and a number beyond the 32-bit range is clamped to INT32_MIN/INT32_MAX.
// Without a comma the whole value is the file and the index is 0.
IconLocation ParseIconValue(std::wstring_view value);

// ".txt" -> "txtfile": the extension without its first character + "file".
std::wstring ProgIdFor(std::wstring_view extension);

// c:\bin\edit.exe -> "c:\bin\edit.exe" "%1"; an application already in
// quotes ("c:\bin\edit.exe" /n) keeps its own.
std::wstring OpenCommandFor(std::wstring_view application);

// "c:\bin\edit.exe", 2 -> "c:\bin\edit.exe,2"
std::wstring IconValueFor(std::wstring_view iconFile, std::int32_t index);
