// The application object: settles the language, refuses unsupported
// platforms, registers the archive type and runs the main window.
#pragma once
#include "app/language_id.h"
#include "framework/application.h"

class DorvexApp : public WinApp {
 public:
  DorvexApp();
  BOOL InitInstance() override;

  // Where the platform check gets the version from; tests put a fake here.
  OSVERSIONINFOW (*m_pfnQueryVersion)() = &QueryPlatformVersion;

  static OSVERSIONINFOW QueryPlatformVersion();
  static bool IsSupportedPlatform(const OSVERSIONINFOW& version);
};

// Reads the stored language, asking for it (and storing it) at the first start.
LanguageId SettleLanguage();
