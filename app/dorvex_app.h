// The application object: settles the language, refuses unsupported
// platforms, registers the archive type and runs the main window.
#pragma once
#include "app/language_id.h"
#include "framework/application.h"

#include <optional>
#include <string_view>

class DorvexApp : public WinApp {
 public:
  DorvexApp();
  BOOL InitInstance() override;

  // Where the platform check gets the version from; tests put a fake here.
  OSVERSIONINFOW (*m_pfnQueryVersion)() = &QueryPlatformVersion;

  static OSVERSIONINFOW QueryPlatformVersion();
  static bool IsSupportedPlatform(const OSVERSIONINFOW& version);
};

// The installer's steps, "Dorvex.exe /register" and "Dorvex.exe /unregister"
// (the whole command line; no file name begins with a slash): the program
// registers the archive type for the user, or takes back its registry
// entries, and ends, showing nothing.
enum class InstallerStep { Register, Unregister };
std::optional<InstallerStep> InstallerStepOf(std::wstring_view commandLine);
void UnregisterProgram();

// Reads the stored language, asking for it (and storing it) at the first start.
LanguageId SettleLanguage();
