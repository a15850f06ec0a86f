// The tests spell their paths and names narrow, in the system's code page, as
// the simulated user and the file helpers take them; the program holds them
// as UTF-16.
#pragma once
#include <string>
#include <string_view>

#include "framework/text.h"

inline std::wstring Wide(std::string_view text) {
  return WideFromCodePage(text, SystemCodePage()).value_or(L"<not text in the system's code page>");
}
