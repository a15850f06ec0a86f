// Dorvex started from a folder that holds copies of uxtheme.dll and
// winspool.drv, which Wine, told to prefer DLLs found beside a program,
// would load from there as Windows loads any DLL that is no Known DLL:
// neither is loaded through the start, the Save As dialog and printing.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "res/resource.h"
#include "stored_language.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "user_sim.h"

using namespace std::chrono_literals;
using usersim::ProgramProcess;
using usersim::User;

namespace {

// Copies under names of their own, so that Wine's per-program overrides below
// reach these programs alone.
constexpr char kProgram[] = "Dorvex-downloaded.exe";
constexpr char kUnguarded[] = "notepad-downloaded.exe";

// Wine told to prefer the copies beside these two programs, as Windows
// prefers them for any DLL that is no Known DLL; taken back at the end.
class PlantedDllsPreferred {
 public:
  PlantedDllsPreferred() {
    for (const char* program : {kProgram, kUnguarded}) {
      HKEY key = nullptr;
      const std::string path = std::string("Software\\Wine\\AppDefaults\\") + program + "\\DllOverrides";
      if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr))
        continue;
      for (const char* dll : {"uxtheme", "winspool.drv"})
        RegSetValueExA(key, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"), 15);
      RegCloseKey(key);
    }
  }
  ~PlantedDllsPreferred() {
    for (const char* program : {kProgram, kUnguarded})
      RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\Wine\\AppDefaults\\") + program).c_str());
  }
};

class PlantedDllTest : public testing::Test {
 protected:
  void SetUp() override {
    StoreLanguage(Language::English);
    for (const char* planted : {"uxtheme.dll", "winspool.drv"})
      std::filesystem::copy_file(usersim::HelperProgramPath("marker_dll.dll"), m_folder.Path() / planted);
  }
  bool Loaded(const char* planted) const { return m_folder.Exists(std::string(planted) + ".loaded"); }

  FakeProfile m_profile;
  TempFolder m_desktop{m_profile.Desktop()};
  TempFolder m_folder;  // the "Downloads" folder the program is started from
  PlantedDllsPreferred m_preferPlanted;
};

TEST_F(PlantedDllTest, NoDllBesideTheProgramIsLoadedThroughStartSaveAsAndPrinting) {
  // A program that does not guard against it loads the plant: the markers work.
  const std::string notepad = m_folder.PathOf(kUnguarded);
  CopyFileA("c:\\windows\\system32\\notepad.exe", notepad.c_str(), FALSE);
  ProgramProcess unguarded = ProgramProcess::Start(notepad);
  for (int i = 0; i < 100 && !Loaded("uxtheme.dll"); ++i) Sleep(50);
  unguarded.Terminate();
  unguarded.WaitForExit(20s);
  ASSERT_TRUE(Loaded("uxtheme.dll")) << "the override did not reach a started program";
  // It may have loaded the other plant too.
  for (const char* planted : {"uxtheme.dll", "winspool.drv"})
    std::filesystem::remove(m_folder.Path() / (std::string(planted) + ".loaded"));

  m_desktop.Write("a.txt", "a");
  const std::string program = m_folder.PathOf(kProgram);
  ASSERT_TRUE(CopyFileA(usersim::DorvexExePath().c_str(), program.c_str(), FALSE));
  ProgramProcess dorvex = ProgramProcess::Start(program);
  User user(dorvex.Id());
  HWND main = user.WaitForDialog("Dorvex [English]");
  user.Click(main, IDC_BACKUP);
  user.ClickCancel(user.WaitForDialog("Save As"));
  user.Click(main, IDC_PRINT);
  user.ClickOk(user.WaitForDialog("Print"));
  user.Settle(main);
  user.Click(main, IDCANCEL);
  EXPECT_TRUE(dorvex.WaitForExit(20s).has_value()) << "the program did not end";
  EXPECT_FALSE(Loaded("uxtheme.dll"));
  EXPECT_FALSE(Loaded("winspool.drv"));
}

}  // namespace
