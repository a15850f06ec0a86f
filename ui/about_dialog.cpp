#include "ui/about_dialog.h"

#include "app/current_language.h"
#include "res/resource.h"

AboutDialog::AboutDialog() : Dialog(TemplateIdFor(CurrentLanguage())) {}

int AboutDialog::TemplateIdFor(LanguageId language) {
  return PickTemplate(language, IDD_ABOUT_EN, IDD_ABOUT_DE, IDD_ABOUT_FR, IDD_ABOUT_IT);
}
