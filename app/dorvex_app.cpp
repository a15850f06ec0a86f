#include "app/dorvex_app.h"

#include "app/current_language.h"
#include "app/language_setting.h"
#include "filetypes/file_type_registry.h"
#include "framework/window_text.h"
#include "ui/language_dialog.h"
#include "ui/main_dialog.h"

LanguageId SettleLanguage() {
  LanguageDialog dialog;
  const UniqueRegKey key = OpenLanguageSettingKey();
  if (!key) return Language::English;

  if (!ReadStoredLanguage(key)) {
    // First start: whatever way the user ends the dialog, its selection is
    // taken; a dialog that never showed stores nothing and the run is English.
    dialog.m_nLanguage = Language::English;
    if (dialog.DoModal() == Dialog::kNotShown) return Language::English;
    WriteStoredLanguage(key, dialog.m_nLanguage);
  }
  return ReadStoredLanguage(key).value_or(Language::English);
}

DorvexApp::DorvexApp() { SetCurrentLanguage(SettleLanguage()); }

OSVERSIONINFOW DorvexApp::QueryPlatformVersion() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&version);
#pragma GCC diagnostic pop
  return version;
}

bool DorvexApp::IsSupportedPlatform(const OSVERSIONINFOW& version) {
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4;
}

BOOL DorvexApp::InitInstance() {
  EnableControlStyles();

  MainDialog dialog;
  SetMainWindow(&dialog);
  dialog.m_bArchiveArg = !m_strCmdLine.empty();
  if (dialog.m_bArchiveArg) dialog.m_strArchiveArg = m_strCmdLine;

  if (!IsSupportedPlatform(m_pfnQueryVersion())) {
    ShowMessageBox(nullptr, L"This Application Is For Win NT 4.0 or greater", L"Wrong OS",
                   MB_OK | MB_ICONERROR);
  } else {
    RegisterBackupFileType();
    dialog.DoModal();
  }
  SetMainWindow(nullptr);
  return FALSE;
}
