// What scripts/test.sh provides to the tests: the program under test and
// the printer that writes PDF files.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace usersim {

// The variable's value; nothing when it is not set (or empty).
std::optional<std::string> EnvironmentValue(const char* name);

// Dorvex.exe as a Windows path: DORVEX_EXE when set, else Dorvex.exe in the
// folder above the test executable's (the build folder).
std::string DorvexExePath();

// A helper program built beside the test executable ("marker_program.exe").
std::string HelperProgramPath(std::string_view fileName);

// Runs a Unix shell script (Wine starts Unix programs too) and waits for it
// for at most ten seconds, as the fault tests do that mount or map drives.
void RunUnixShell(const std::string& script);

// Wine shows the Unix file system as drive Z:.
std::string WindowsPathOfUnixPath(std::string_view unixPath);

// The name of the PDF printer of the test run (DORVEX_PRINTER), and the
// folder its files go to (DORVEX_PDF_DIR) as a Windows path; nothing when
// the run has no such printer.
std::optional<std::string> TestPrinterName();
std::optional<std::string> PdfOutputFolder();

}  // namespace usersim
