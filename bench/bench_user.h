// The user every benchmark driver runs the program as: English, with the
// given profile folder, so that the main window opens on <profile>\Desktop.
#pragma once
#include <windows.h>

#include <string>

#include "app/current_language.h"
#include "framework/application.h"

inline void BecomeEnglishUserOf(const std::string& profile) {
  EnableControlStyles();
  SetCurrentLanguage(Language::English);
  SetEnvironmentVariableA("USERPROFILE", profile.c_str());
}
