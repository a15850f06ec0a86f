#pragma once
#include "app/language_id.h"
#include "framework/dialog.h"

class AboutDialog : public Dialog {
 public:
  AboutDialog();
  static int TemplateIdFor(LanguageId language);
};
