#include "app/dorvex_app.h"

#include "app/current_language.h"
#include "app/language_setting.h"
#include "filetypes/file_type_registry.h"
#include "framework/registry.h"
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

std::optional<InstallerStep> InstallerStepOf(std::wstring_view commandLine) {
  if (commandLine == L"/register") return InstallerStep::Register;
  if (commandLine == L"/unregister") return InstallerStep::Unregister;
  return std::nullopt;
}

void UnregisterProgram() {
  UnregisterBackupFileType();
  DeleteRegistryTree(HKEY_CURRENT_USER, L"Software\\Dorvex");
}

DorvexApp::DorvexApp() {
  // The installer's step asks nothing, not even the first start's language.
  if (!InstallerStepOf(CommandLineText())) SetCurrentLanguage(SettleLanguage());
}

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
  if (const std::optional<InstallerStep> step = InstallerStepOf(m_strCmdLine)) {
    if (*step == InstallerStep::Register) {
      RegisterBackupFileType(BackupTypeScope::UserClasses);
    } else {
      UnregisterProgram();
    }
    return FALSE;
  }
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
