// Starting the program: the language setting at the first and later starts,
// and the refusal of platforms older than Windows NT 4.0.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/dorvex_app.h"
#include "res/resource.h"
#include "stored_language.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "user_sim.h"

using namespace std::chrono_literals;
using usersim::DorvexExePath;
using usersim::MessageBoxIcon;
using usersim::ProgramProcess;
using usersim::RunUserScenario;
using usersim::User;

namespace {

class StartupTest : public testing::Test {
 protected:
  // Starts Dorvex.exe, lets `script` act on it, and expects it to end.
  void StartProgram(const std::function<void(User&)>& script) {
    ProgramProcess program = ProgramProcess::Start(DorvexExePath());
    User user(program.Id());
    script(user);
    EXPECT_TRUE(program.WaitForExit(20s).has_value()) << "the program did not end";
  }

  FakeProfile m_profile;
};

TEST_F(StartupTest, FirstStartAsksWithEnglishCheckedAndCancelKeepsEnglish) {
  ForgetLanguage();
  StartProgram([](User& user) {
    HWND choice = user.WaitForDialog("Language");
    EXPECT_TRUE(user.IsChecked(choice, IDC_LANGUAGE_ENGLISH));
    EXPECT_EQ(user.Text(choice, IDCANCEL), "Cancel   -   Abbreche   -   Annuler   -   Cancella");
    EXPECT_EQ(user.Text(choice, IDC_LANGUAGE_FRENCH),
              "Fran\xE7"
              "ais");
    user.Click(choice, IDCANCEL);
    user.Click(user.WaitForDialog("Dorvex [English]"), IDCANCEL);
  });
  EXPECT_EQ(StoredLanguage(), Language::English);
}

TEST_F(StartupTest, FirstStartChoosingDeutschStoresItAndShowsTheGermanWindow) {
  ForgetLanguage();
  StartProgram([](User& user) {
    HWND choice = user.WaitForDialog("Language");
    user.Click(choice, IDC_LANGUAGE_GERMAN);
    user.Click(choice, IDOK);
    user.Click(user.WaitForDialog("Dorvex [Deutsch]"), IDCANCEL);
  });
  EXPECT_EQ(StoredLanguage(), Language::German);
}

TEST_F(StartupTest, LaterStartsUseTheStoredLanguageWithoutAsking) {
  StoreLanguage(Language::French);
  StartProgram([](User& user) {
    HWND window = user.WaitForDialog(
        "Dorvex [fran\xE7"
        "ais]");
    EXPECT_EQ(user.FindWindowTitled("Language"), nullptr);
    user.Click(window, IDCANCEL);
  });
  StoreLanguage(Language::Italian);
  StartProgram([](User& user) { user.Click(user.WaitForDialog("Dorvex [Italiano]"), IDCANCEL); });
  StoreLanguage(12);
  StartProgram([](User& user) { user.Click(user.WaitForDialog("Dorvex [English]"), IDCANCEL); });
  EXPECT_EQ(StoredLanguage(), 12) << "an odd stored value is left for the user to change";
}

OSVERSIONINFOW Version(DWORD platform, DWORD major, DWORD minor) {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  version.dwPlatformId = platform;
  version.dwMajorVersion = major;
  version.dwMinorVersion = minor;
  return version;
}

TEST(PlatformCheckTest, AcceptsWindowsNtFourAndLaterOnly) {
  EXPECT_TRUE(DorvexApp::IsSupportedPlatform(Version(VER_PLATFORM_WIN32_NT, 4, 0)));
  EXPECT_TRUE(DorvexApp::IsSupportedPlatform(Version(VER_PLATFORM_WIN32_NT, 10, 0)));
  EXPECT_FALSE(DorvexApp::IsSupportedPlatform(Version(VER_PLATFORM_WIN32_NT, 3, 51)));
  EXPECT_FALSE(DorvexApp::IsSupportedPlatform(Version(VER_PLATFORM_WIN32_WINDOWS, 4, 10)));
  EXPECT_FALSE(DorvexApp::IsSupportedPlatform(Version(VER_PLATFORM_WIN32s, 4, 0)));
}

// The application object refuses an old platform with its message and never
// shows the main window.
TEST(PlatformCheckTest, RefusesTheWindows95FamilyBeforeShowingAnything) {
  StoreLanguage(Language::German);
  FakeProfile profile;
  DorvexApp app;
  app.m_pfnQueryVersion = [] { return Version(VER_PLATFORM_WIN32_WINDOWS, 4, 10); };
  BOOL result = TRUE;
  RunUserScenario(
      [](User& user) {
        const auto box = user.ExpectMessageBox("Wrong OS", "This Application Is For Win NT 4.0 or greater");
        EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_EQ(user.FindWindowTitled("Dorvex [Deutsch]"), nullptr);
      },
      [&] { result = app.InitInstance(); });
  EXPECT_FALSE(result);
}

}  // namespace
