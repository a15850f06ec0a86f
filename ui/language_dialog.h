// The choice of the user-interface language, asked at the first start and
// from the main window's system menu.
#pragma once
#include "app/language_id.h"
#include "framework/dialog.h"

class LanguageDialog : public Dialog {
 public:
  LanguageDialog();
  static int TemplateIdFor(LanguageId language);

  int m_nLanguage = -1;  // index of the checked radio button, -1 for none

 protected:
  void DoDataExchange(DataExchange& exchange) override;
};

// The system-menu command: asks for a language, stores it for the next start
// and tells the user (in the running language) that a restart is needed.
void ChangeStoredLanguage(const Dialog& owner);
