#include "app/current_language.h"

namespace {
LanguageId g_currentLanguage = Language::English;
}

LanguageId CurrentLanguage() { return g_currentLanguage; }

void SetCurrentLanguage(LanguageId language) { g_currentLanguage = language; }
