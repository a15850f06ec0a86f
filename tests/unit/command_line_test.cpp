#include "framework/application.h"

#include <gtest/gtest.h>

#include <string>

struct CommandLineCase {
  const char* whole;
  const char* after;  // what the main window is handed, verbatim
};

constexpr CommandLineCase kCommandLines[] = {
    {"", ""},
    {"Dorvex.exe", ""},
    {"Dorvex.exe   ", ""},
    {"Dorvex.exe c:\\a.Backup", "c:\\a.Backup"},
    {"Dorvex.exe \t c:\\my files\\a.Backup  ", "c:\\my files\\a.Backup  "},
    {"\"C:\\Program Files\\Dorvex.exe\" c:\\a.Backup", "c:\\a.Backup"},
    {"\"C:\\Program Files\\Dorvex.exe\"\"c:\\a b.Backup\"", "\"c:\\a b.Backup\""},
    {"\"C:\\Program Files\\Dorvex.exe\" \"c:\\a b.Backup\"", "\"c:\\a b.Backup\""},
    {"\"C:\\unclosed quote\\Dorvex.exe c:\\a.Backup", ""},
};

TEST(CommandLine, TheProgramNameAndTheBlanksAfterItAreSkippedTheRestIsKeptVerbatim) {
  for (const auto& [whole, after] : kCommandLines) {
    SCOPED_TRACE(whole);
    EXPECT_EQ(WinApp::TextAfterProgramName(whole), after);
  }
}
