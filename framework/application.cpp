#include "framework/application.h"

#include "framework/dialog.h"

namespace {

WinApp* g_application = nullptr;
const Dialog* g_mainWindow = nullptr;

std::string ModuleBaseName() {
  char path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string name(path, length < sizeof path ? length : 0);
  const auto slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace

WinApp::WinApp() { g_application = this; }

WinApp::~WinApp() {
  if (g_application == this) g_application = nullptr;
}

std::string WinApp::CommandLineText() { return TextAfterProgramName(GetCommandLineA()); }

std::string WinApp::TextAfterProgramName(std::string_view commandLine) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const std::size_t closing = commandLine.find('"', 1);
    at = closing == std::string_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (at < commandLine.size() && !isBlank(commandLine[at])) ++at;
  }
  while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
  return std::string(commandLine.substr(at));
}

int WinApp::Run() {
  if (!g_application) return 1;
  g_application->m_strCmdLine = CommandLineText();
  g_application->InitInstance();
  return 0;
}

const std::string& ApplicationName() {
  static const std::string name = ModuleBaseName();
  return name;
}

void EnableControlStyles() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
}

HWND MainWindow() { return g_mainWindow ? g_mainWindow->GetSafeHwnd() : nullptr; }

void SetMainWindow(const Dialog* dialog) { g_mainWindow = dialog; }
