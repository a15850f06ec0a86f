// The application object's base and the little process-wide state the
// framework keeps: the program's name (used as the caption of its own
// messages) and the main window that owns dialogs created without a parent.
#pragma once
#include "framework/win32.h"

#include <string>
#include <string_view>

class Dialog;

class WinApp {
 public:
  WinApp();
  virtual ~WinApp();
  WinApp(const WinApp&) = delete;
  WinApp& operator=(const WinApp&) = delete;

  // Returns FALSE to end the process once it returns (there is no message loop).
  virtual BOOL InitInstance() = 0;

  // The command-line text after the program name, as the shell handed it
  // over but for the quotes around a quoted document.
  static std::wstring CommandLineText();
  // What follows the program name in a whole command line: the name is
  // skipped as the C runtime does (quoted, or up to a blank), with the blanks
  // after it; a rest that is one quoted text ("c:\my docs\a.Backup", blanks
  // after it aside) is taken without its quotes, any other rest verbatim.
  static std::wstring TextAfterProgramName(std::wstring_view commandLine);

  // Called from WinMain: hands over the command line, then runs InitInstance.
  static int Run();

  std::wstring m_strCmdLine;  // empty unless Run() filled it
};

// The executable's base name ("Dorvex" for Dorvex.exe).
const std::wstring& ApplicationName();
// The executable's full path (GetModuleFileNameW).
std::wstring ProgramPath();

// Replaces the 3-D look switch of old frameworks: registers the common
// control classes (progress bar) with the visual styles of the manifest.
void EnableControlStyles();

// The window of the dialog registered as main window, or null while it has none.
HWND MainWindow();
void SetMainWindow(const Dialog* dialog);
