// The main window as the tests meet it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/current_language.h"
#include "app/language_id.h"
#include "user_sim.h"

// The caption a user sees on the main window in each language: written out
// here rather than taken from the program, so that a wrong table shows.

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

// Runs the main window as the program's main window while the script acts on
// it; the script must close it.
void RunMainWindow(const std::function<void(usersim::User&, HWND)>& script,
                   const std::string& title = MainWindowTitle(CurrentLanguage()));
