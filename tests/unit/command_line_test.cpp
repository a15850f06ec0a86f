#include "framework/application.h"

#include <gtest/gtest.h>

#include <string>

struct CommandLineCase {
  const wchar_t* whole;
  const wchar_t* after;  // what the main window is handed
};

constexpr CommandLineCase kCommandLines[] = {
    {L"", L""},
    {L"Dorvex.exe", L""},
    {L"Dorvex.exe   ", L""},
    {L"Dorvex.exe c:\\a.Backup", L"c:\\a.Backup"},
    {L"Dorvex.exe c:\\データ\\Łódź.Backup", L"c:\\データ\\Łódź.Backup"},
    {L"Dorvex.exe \t c:\\my files\\a.Backup  ", L"c:\\my files\\a.Backup  "},
    {L"\"C:\\Program Files\\Dorvex.exe\" c:\\a.Backup", L"c:\\a.Backup"},
    {L"\"C:\\Program Files\\Dorvex.exe\"\"c:\\a b.Backup\"", L"c:\\a b.Backup"},
    // As the shell hands over a document for the open command "<program>" "%1".
    {L"\"C:\\Program Files\\Dorvex.exe\" \"C:\\my docs\\a.Backup\"", L"C:\\my docs\\a.Backup"},
    {L"Dorvex.exe \"c:\\a b.Backup\"  ", L"c:\\a b.Backup"},
    {L"Dorvex.exe \"\"", L""},
    // Only one quoted text loses its quotes.
    {L"Dorvex.exe \"", L"\""},
    {L"Dorvex.exe \"c:\\a b.Backup", L"\"c:\\a b.Backup"},
    {L"Dorvex.exe \"c:\\a.Backup\" \"c:\\b.Backup\"", L"\"c:\\a.Backup\" \"c:\\b.Backup\""},
    {L"Dorvex.exe c:\\a \"b\".Backup", L"c:\\a \"b\".Backup"},
    {L"\"C:\\unclosed quote\\Dorvex.exe c:\\a.Backup", L""},
};

TEST(CommandLine, TheProgramNameAndTheBlanksAfterItAreSkippedAndAQuotedDocumentLosesItsQuotes) {
  for (const auto& [whole, after] : kCommandLines) {
    SCOPED_TRACE(whole);
    EXPECT_EQ(WinApp::TextAfterProgramName(whole), after);
  }
}
