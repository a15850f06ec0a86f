// The user-interface language of this run, fixed at start-up.
#pragma once
#include "app/language_id.h"

LanguageId CurrentLanguage();
// Only start-up sets it (and tests that start the program's windows).
void SetCurrentLanguage(LanguageId language);

// The template of a dialog class for a language: German, French and Italian
// have their own, anything else gets the English one.
constexpr int PickTemplate(LanguageId language, int english, int german, int french, int italian) {
  switch (language) {
    case Language::German:
      return german;
    case Language::French:
      return french;
    case Language::Italian:
      return italian;
    default:
      return english;
  }
}
