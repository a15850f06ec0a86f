#include "framework/application.h"

#include <gtest/gtest.h>

#include <string>

struct CommandLineCase {
  const wchar_t* whole;
  const wchar_t* after;  // what the main window is handed, verbatim
};

constexpr CommandLineCase kCommandLines[] = {
    {L"", L""},
    {L"Dorvex.exe", L""},
    {L"Dorvex.exe   ", L""},
    {L"Dorvex.exe c:\\a.Backup", L"c:\\a.Backup"},
    {L"Dorvex.exe c:\\データ\\Łódź.Backup", L"c:\\データ\\Łódź.Backup"},
    {L"Dorvex.exe \t c:\\my files\\a.Backup  ", L"c:\\my files\\a.Backup  "},
    {L"\"C:\\Program Files\\Dorvex.exe\" c:\\a.Backup", L"c:\\a.Backup"},
    {L"\"C:\\Program Files\\Dorvex.exe\"\"c:\\a b.Backup\"", L"\"c:\\a b.Backup\""},
    {L"\"C:\\Program Files\\Dorvex.exe\" \"c:\\a b.Backup\"", L"\"c:\\a b.Backup\""},
    {L"\"C:\\unclosed quote\\Dorvex.exe c:\\a.Backup", L""},
};

TEST(CommandLine, TheProgramNameAndTheBlanksAfterItAreSkippedTheRestIsKeptVerbatim) {
  for (const auto& [whole, after] : kCommandLines) {
    SCOPED_TRACE(whole);
    EXPECT_EQ(WinApp::TextAfterProgramName(whole), after);
  }
}
