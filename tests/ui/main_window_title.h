// The caption a user sees on the main window in each language: written out
// here rather than taken from the program, so that a wrong table shows.
#pragma once
#include <string>

#include "app/language_id.h"

inline std::string MainWindowTitle(LanguageId language) {
  switch (language) {
    case Language::German:
      return "Dorvex [Deutsch]";
    case Language::French:
      return "Dorvex [fran\xE7"
             "ais]";
    case Language::Italian:
      return "Dorvex [Italiano]";
    default:
      return "Dorvex [English]";
  }
}
