// Text from the windows (UTF-16) in the program's code page, without the
// best-fit mapping that would turn a letter the code page lacks into a
// look-alike: "\u0101" must never read as "a", or a command would act on
// another file than the one the user named.
#pragma once
#include "framework/win32.h"

#include <string>
#include <string_view>

struct AnsiText {
  std::string text;         // "?" in place of each character the code page lacks
  std::wstring unmappable;  // the first such character (empty when every one maps)

  bool IsExact() const { return unmappable.empty(); }
};

AnsiText ToAnsiText(std::wstring_view wide);

// The whole text of a window or control, read as UTF-16 and converted.
AnsiText ReadWindowText(HWND window);
