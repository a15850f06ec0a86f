// What the tests of names on every system code page share: the main window
// found by its title as shown, the platform's file dialogs (titled in the
// system's language), and one command run on a folder of its own.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "user_sim.h"

// Why a test that needs a system of the given code page skipped.
std::string NeedsCodePage(unsigned codePage);

// Runs the main window over the current profile's Desktop while the script
// acts on it; the script must close it.
void RunMainWindowTitled(std::wstring_view title, const std::function<void(usersim::User&, HWND)>& script);

// The open or save dialog that the platform shows, whatever its title.
HWND WaitForFileDialog(const usersim::User& user);

// Files named `names` in a fresh Desktop; the user clicks `selected` in the
// file list (none: Select All), runs `command` and answers what it asks.
struct CommandRow {
  std::vector<std::wstring> names{};
  std::vector<std::wstring> selected{};
  int command = 0;
  std::wstring original{};  // Substitute's texts
  std::wstring replacement{};
  std::wstring fileSpec{};            // with a wildcard, which Wine's listing needs; "*.*" again after
  std::vector<std::wstring> after{};  // the folder's names, and the list's
};
void ExpectCommandGives(const CommandRow& row);
