#include "ui/language_dialog.h"

#include "app/current_language.h"
#include "app/language_setting.h"
#include "app/localized_text.h"
#include "framework/data_exchange.h"
#include "res/resource.h"

LanguageDialog::LanguageDialog() : Dialog(TemplateIdFor(CurrentLanguage())) {}

int LanguageDialog::TemplateIdFor(LanguageId) { return IDD_LANGUAGE; }

void LanguageDialog::DoDataExchange(DataExchange& exchange) {
  DDX_Radio(exchange, IDC_LANGUAGE_ENGLISH, m_nLanguage);
}

void ChangeStoredLanguage(const Dialog& owner) {
  LanguageDialog dialog;
  const UniqueRegKey key = OpenLanguageSettingKey();
  if (!key) return;

  // A stored value that names no language preselects English rather than
  // offering a dialog with nothing checked, whose OK would store -1.
  const LanguageId stored = ReadStoredLanguage(key).value_or(Language::English);
  dialog.m_nLanguage = stored >= 0 && stored < Language::Count ? stored : Language::English;
  if (dialog.DoModal() != IDOK) return;

  WriteStoredLanguage(key, dialog.m_nLanguage);
  owner.MessageBox(Text(LocalizedText::LanguageChanged, CurrentLanguage()),
                   Text(LocalizedText::InformationTitle, CurrentLanguage()), MB_OK | MB_ICONINFORMATION);
}
