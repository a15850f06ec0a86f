// A dialog whose window cannot be made: the framework says so, and the
// command that asked for it does nothing, since the user answered nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/dorvex_app.h"
#include "framework/application.h"
#include "framework/dialog.h"
#include "framework/unique_handles.h"
#include "rename_fixture.h"
#include "res/resource.h"
#include "stored_language.h"

using testing::ElementsAre;
using testing::EndsWith;
using testing::StartsWith;
using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;

namespace {

thread_local std::string t_refusedTitle;

LRESULT CALLBACK RefuseTitledWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA& window = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    if (!(window.style & WS_CHILD) && window.lpszName && t_refusedTitle == window.lpszName) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// While it lives, the platform refuses to make the top-level windows of the
// calling thread that are titled `title`, as when memory or handles run out.
class RefusedWindow {
 public:
  explicit RefusedWindow(std::string title)
      : m_hook(SetWindowsHookExA(WH_CBT, &RefuseTitledWindow, nullptr, GetCurrentThreadId())) {
    t_refusedTitle = std::move(title);
    EXPECT_TRUE(m_hook);
  }
  ~RefusedWindow() {
    m_hook.reset();
    t_refusedTitle.clear();
  }
  RefusedWindow(const RefusedWindow&) = delete;
  RefusedWindow& operator=(const RefusedWindow&) = delete;

 private:
  UniqueHook m_hook;
};

void ExpectNotShownReport(const User& user, int templateId) {
  const auto box = user.WaitForMessageBox(ApplicationName());
  EXPECT_THAT(box.text,
              StartsWith("A dialog box could not be opened (template " + std::to_string(templateId)));
  EXPECT_THAT(box.text, EndsWith(").\nNothing has been done."));
  EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
  user.Answer(box, IDOK);
}

using DialogNotShownTest = RenameCommandTest;

}  // namespace

TEST_F(DialogNotShownTest, AMissingTemplateIsReportedAndIsNoAnswer) {
  constexpr int kNoSuchTemplate = 9999;
  Dialog dialog(kNoSuchTemplate);
  INT_PTR result = IDOK;
  RunUserScenario([&](User& user) { ExpectNotShownReport(user, kNoSuchTemplate); },
                  [&] { result = dialog.DoModal(); });
  EXPECT_EQ(result, Dialog::kNotShown);
}

TEST_F(DialogNotShownTest, EnumerateRenamesNothing) {
  Add("a.txt", "a");
  const RefusedWindow refused("Enumerate");
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_ENUMERATE);
    ExpectNotShownReport(user, IDD_ENUMERATE_EN);
    WaitForCommandEnd(user, window);
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("a.txt"));
}

TEST_F(DialogNotShownTest, AtTheFirstStartNoLanguageIsStoredAndTheRunIsEnglish) {
  ForgetLanguage();
  const RefusedWindow refused("Language");
  LanguageId language = Language::German;
  RunUserScenario([&](User& user) { ExpectNotShownReport(user, IDD_LANGUAGE); },
                  [&] { language = SettleLanguage(); });
  EXPECT_EQ(language, Language::English);
  EXPECT_EQ(StoredLanguage(), std::nullopt);
}
