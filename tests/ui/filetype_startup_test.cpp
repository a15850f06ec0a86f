// Every start registers the backup archive type for the program file where
// it is now: copies of Dorvex.exe are started from two folders in turn.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "class_registry.h"
#include "program_process.h"
#include "stored_language.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "user_sim.h"

using namespace std::chrono_literals;
using usersim::ProgramProcess;
using usersim::User;

namespace {

class StartupRegistrationTest : public testing::Test {
 protected:
  // Copies the program into the folder, starts it, and closes it once its
  // main window is up (the registration happens before). Returns the copy's path.
  static std::string StartCopyIn(const TempFolder& folder) {
    const std::string copy = folder.WindowsPath() + "Dorvex.exe";
    EXPECT_TRUE(CopyFileA(usersim::DorvexExePath().c_str(), copy.c_str(), FALSE));
    ProgramProcess program = ProgramProcess::Start(copy);
    User user(program.Id());
    HWND main = user.WaitForDialog("Dorvex [English]");
    user.Click(main, IDCANCEL);
    EXPECT_TRUE(program.WaitForExit(15s).has_value());
    return copy;
  }

  static void ExpectRegisteredFor(const std::string& program) {
    EXPECT_EQ(ClassValue(".Backup"), "Dorvex");
    EXPECT_EQ(ClassValue("Dorvex"), "Archive Folder");
    EXPECT_EQ(ClassValue("Dorvex\\Shell\\Open\\Command"), "\"" + program + "\" \"%1\"");
    EXPECT_EQ(ClassValue("Dorvex\\DefaultIcon"), program + ",1");
  }

  StoredLanguageGuard m_language{Language::English};
  FakeProfile m_profile;  // the program opens on its Desktop
  TempFolder m_desktop{m_profile.Desktop()};
};

TEST_F(StartupRegistrationTest, NamesTheProgramFileAndFollowsItWhenItMoves) {
  // Stale entries from elsewhere are replaced.
  const std::string stale = "c:\\old\\Dorvex.exe %1";
  RegSetKeyValueA(HKEY_CLASSES_ROOT, "Dorvex\\Shell\\Open\\Command", nullptr, REG_SZ, stale.c_str(),
                  static_cast<DWORD>(stale.size() + 1));

  TempFolder first;
  const std::string firstCopy = StartCopyIn(first);
  ExpectRegisteredFor(firstCopy);

  TempFolder second;
  const std::string secondCopy = StartCopyIn(second);
  ASSERT_NE(firstCopy, secondCopy);
  ExpectRegisteredFor(secondCopy);
}

}  // namespace
