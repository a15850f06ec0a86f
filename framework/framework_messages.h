// The framework's own English messages for cases that its callers never see
// coming: a dialog that could not be opened, an exception that no command
// caught.
#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

// A modal dialog whose window was never made; `systemError` 0 when the
// platform gave none.
std::wstring DialogNotShownText(int templateId, std::uint32_t systemError);

// The box that reports an exception which reached a window procedure: a file
// failure names the file and its cause, anything else says the command was
// not completed. `icon` is the message box icon style.
struct UncaughtExceptionReport {
  std::wstring text;
  unsigned icon;
};
UncaughtExceptionReport ReportOfUncaughtException(std::exception_ptr error);
