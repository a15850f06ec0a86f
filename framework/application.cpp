#include "framework/application.h"

#include "framework/dialog.h"

#include <vector>

namespace {

WinApp* g_application = nullptr;
const Dialog* g_mainWindow = nullptr;

std::wstring ModuleBaseName() {
  std::wstring name = ProgramPath();
  const auto slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  const auto dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return name;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The shell quotes the document it hands over ("%1" in the open command), so
// that a path with blanks arrives whole; the quotes are no part of the path.
// Only a text that is one quoted part loses them.
std::wstring_view WithoutSurroundingQuotes(std::wstring_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  if (end < 2 || text[0] != L'"' || text.find(L'"', 1) != end - 1) return text;
  return text.substr(1, end - 2);
}

}  // namespace

WinApp::WinApp() { g_application = this; }

WinApp::~WinApp() {
  if (g_application == this) g_application = nullptr;
}

std::wstring WinApp::CommandLineText() { return TextAfterProgramName(GetCommandLineW()); }

std::wstring WinApp::TextAfterProgramName(std::wstring_view commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const std::size_t closing = commandLine.find(L'"', 1);
    at = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
  }
  while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
  return std::wstring(WithoutSurroundingQuotes(commandLine.substr(at)));
}

int WinApp::Run() {
  if (!g_application) return 1;
  g_application->m_strCmdLine = CommandLineText();
  g_application->InitInstance();
  return 0;
}

const std::wstring& ApplicationName() {
  static const std::wstring name = ModuleBaseName();
  return name;
}

std::wstring ProgramPath() {
  // The call gives no size: a path that filled the buffer may have been cut,
  // so it is read again into a larger one.
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(path.size() * 2);
  }
}

void EnableControlStyles() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
}

HWND MainWindow() { return g_mainWindow ? g_mainWindow->GetSafeHwnd() : nullptr; }

void SetMainWindow(const Dialog* dialog) { g_mainWindow = dialog; }
