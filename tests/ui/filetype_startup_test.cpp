// Every start registers the backup archive type for the program file where
// it is now: copies of Dorvex.exe are started from two folders in turn.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "class_registry.h"
#include "filetypes/file_type_registry.h"
#include "framework/registry.h"
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

// The user's own classes, as another program would read them; what a test
// writes there is removed before and after it, since the classes root shows
// it to every later test.
class UserClasses {
 public:
  UserClasses() { Remove(); }
  ~UserClasses() { Remove(); }
  UserClasses(const UserClasses&) = delete;
  UserClasses& operator=(const UserClasses&) = delete;

  static std::optional<std::string> Value(const std::string& path) {
    char buffer[4096] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, (kRoot + path).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
      return std::nullopt;
    return std::string(buffer);
  }

 private:
  static void Remove() {
    for (const char* name : {".Backup", "Dorvex"}) RegDeleteTreeA(HKEY_CURRENT_USER, (kRoot + name).c_str());
  }
  static inline const std::string kRoot = "Software\\Classes\\";
};

// Registered in this process: a standard user, whom the system refuses the
// machine's classes, is stood in for by a refusal of the classes root.
TEST(StartupRegistrationOfAStandardUser, GoesToTheUsersOwnClassesWhereTheMachinesAreRefused) {
  const UserClasses userClasses;
  {
    const RegistryRootRefusal refusal(HKEY_CLASSES_ROOT);
    RegisterBackupFileType();
  }
  char self[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
  const std::string program(self);
  EXPECT_EQ(UserClasses::Value(".Backup"), "Dorvex");
  EXPECT_EQ(UserClasses::Value("Dorvex"), "Archive Folder");
  EXPECT_EQ(UserClasses::Value("Dorvex\\Shell\\Open\\Command"), "\"" + program + "\" \"%1\"");
  EXPECT_EQ(UserClasses::Value("Dorvex\\DefaultIcon"), program + ",1");
}

}  // namespace
