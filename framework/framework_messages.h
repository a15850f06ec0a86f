// The framework's own English messages for cases that its callers never see
// coming: a dialog that could not be opened, a typed character that the
// program's code page cannot carry, an exception that no command caught.
#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

// A modal dialog whose window was never made; `systemError` 0 when the
// platform gave none.
std::string DialogNotShownText(int templateId, std::uint32_t systemError);

// A character typed into an edit that the code page `codePage` lacks.
std::wstring UnmappableCharacterText(std::wstring_view character, unsigned codePage);

// The box that reports an exception which reached a window procedure: a file
// failure names the file and its cause, anything else says the command was
// not completed. `icon` is the message box icon style.
struct UncaughtExceptionReport {
  std::string text;
  unsigned icon;
};
UncaughtExceptionReport ReportOfUncaughtException(std::exception_ptr error);
