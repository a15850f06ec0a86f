#include "code_page_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/current_language.h"
#include "framework/application.h"
#include "rename_fixture.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "ui/main_dialog.h"

using testing::UnorderedElementsAreArray;
using usersim::User;

std::string NeedsCodePage(unsigned codePage) {
  return "needs a system whose code page is " + std::to_string(codePage) + ", not " +
         std::to_string(GetACP()) + " (scripts/test.sh runs it under the locale that gives it)";
}

void RunMainWindowTitled(std::wstring_view title, const std::function<void(User&, HWND)>& script) {
  MainDialog dialog;
  SetMainWindow(&dialog);
  usersim::RunUserScenario([&](User& user) { script(user, user.WaitForDialog(title)); },
                           [&] { dialog.DoModal(); });
  SetMainWindow(nullptr);
}

HWND WaitForFileDialog(const User& user) {
  const auto deadline = std::chrono::steady_clock::now() + usersim::kPatience;
  for (;;) {
    for (const auto& window : user.TopLevelWindows()) {
      if (!window.visible || !window.enabled || window.className != "#32770") continue;
      try {
        user.FileNameBox(window.window);
        return window.window;
      } catch (const usersim::UserGaveUp&) {
        // Another dialog: the file dialog may still be on its way.
      }
    }
    if (std::chrono::steady_clock::now() > deadline) throw usersim::UserGaveUp("no file dialog appeared");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

namespace {

// Answers what the command asks before it runs.
void AnswerCommand(const User& user, const CommandRow& row) {
  switch (row.command) {
    case IDC_SUBSTITUTE: {
      HWND dialog = user.WaitForDialog("Substitute");
      user.SetText(dialog, IDC_SUBSTITUTE_ORIGINAL, row.original);
      user.SetText(dialog, IDC_SUBSTITUTE_NEW, row.replacement);
      user.ClickOk(dialog);
      break;
    }
    case IDC_ENUMERATE:
      user.ClickOk(user.WaitForDialog("Enumerate"));
      break;
    case IDC_DELETE:
      user.AnswerQuestion("Delete file", "Do you want to delete the selected files?", IDYES);
      break;
    default:
      break;
  }
}

}  // namespace

void ExpectCommandGives(const CommandRow& row) {
  SetCurrentLanguage(Language::English);
  FakeProfile profile;
  TempFolder desktop(profile.Desktop());
  for (const std::wstring& name : row.names) desktop.Write(name);
  RunMainWindowTitled(L"Dorvex [English]", [&](User& user, HWND window) {
    if (!row.fileSpec.empty()) user.SetText(window, IDC_FILE_SPEC, row.fileSpec);
    if (row.selected.empty()) user.Click(window, IDC_SELECT_ALL);
    for (const std::wstring& name : row.selected) user.ClickListItem(window, IDC_FILE_LIST, name);
    user.Click(window, row.command);
    AnswerCommand(user, row);
    WaitForCommandEnd(user, window);
    if (!row.fileSpec.empty()) user.SetText(window, IDC_FILE_SPEC, L"*.*");
    EXPECT_THAT(user.WideListItems(window, IDC_FILE_LIST), UnorderedElementsAreArray(row.after));
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(desktop.WideNames(), UnorderedElementsAreArray(row.after));
}
