// Dorvex.exe started with an archive on its command line, as the shell
// starts it for a .Backup file: the Restore dialog comes first.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>
#include <vector>

#include "archive_test_support.h"
#include "main_window.h"
#include "program_process.h"
#include "res/resource.h"
#include "stored_language.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "user_sim.h"

using namespace archive_test;
using namespace std::chrono_literals;
using usersim::ProgramProcess;
using usersim::User;

namespace {

class ArchiveCommandLineTest : public testing::Test {
 protected:
  ArchiveCommandLineTest() {
    m_archivePath = m_folder.WindowsPath() + "start.Backup";
    WriteWholeFile(m_archivePath, ArchiveOf(m_folder.WindowsPath(), {{"one.txt", "1"}, {"two.txt", "2"}}));
  }

  StoredLanguageGuard m_language{Language::English};
  FakeProfile m_profile;  // the program inherits it
  TempFolder m_desktop{m_profile.Desktop()};
  TempFolder m_folder;
  std::string m_archivePath;
};

TEST_F(ArchiveCommandLineTest, OpensTheArchiveFirstAndExitEndsTheProgram) {
  ProgramProcess program = ProgramProcess::Start(usersim::DorvexExePath(), m_archivePath);
  User user(program.Id());
  HWND dialog = user.WaitForDialog(kRestoreTitle);
  EXPECT_EQ(user.ListCount(dialog, IDC_RESTORE_ITEMS), 2);
  EXPECT_TRUE(user.IsEnabled(dialog, IDCANCEL));
  user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
  user.ExpectMessageBox("Result", "Items restored: 2");
  EXPECT_EQ(m_folder.Read("one.txt"), "1");
  EXPECT_EQ(m_folder.Read("two.txt"), "2");
  user.Click(dialog, IDCANCEL);  // "Exit"
  EXPECT_TRUE(program.WaitForExit(15s).has_value()) << "Exit left the program running";
  EXPECT_EQ(user.FindWindowTitled(kMainTitle), nullptr);
}

TEST_F(ArchiveCommandLineTest, CancelLeavesTheMainWindowUp) {
  ProgramProcess program = ProgramProcess::Start(usersim::DorvexExePath(), m_archivePath);
  User user(program.Id());
  HWND dialog = user.WaitForDialog(kRestoreTitle);
  user.Click(dialog, IDOK);  // "Cancel"
  HWND main = user.WaitForDialog(kMainTitle);
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_TRUE(program.IsRunning());
  user.Click(main, IDCANCEL);
  EXPECT_TRUE(program.WaitForExit(15s).has_value());
}

// A program at C:\Program.exe, where a command that is not quoted finds it
// before anything under "C:\Program Files". At the end, however the test
// ends, it must not have run; then it goes, with its mark.
class PlantedProgram {
 public:
  PlantedProgram() {
    DeleteFileA(Marker().c_str());
    EXPECT_TRUE(CopyFileA(usersim::HelperProgramPath("marker_program.exe").c_str(), kPath, FALSE));
  }
  ~PlantedProgram() {
    EXPECT_FALSE(FileExists(Marker())) << "the shell ran " << kPath;
    DeleteFileA(kPath);
    DeleteFileA(Marker().c_str());
  }
  PlantedProgram(const PlantedProgram&) = delete;
  PlantedProgram& operator=(const PlantedProgram&) = delete;

 private:
  static constexpr char kPath[] = "C:\\Program.exe";
  static std::string Marker() { return std::string(kPath) + ".ran"; }
};

TEST_F(ArchiveCommandLineTest, TheShellOpensAnArchiveWithBlanksInTheProgramNeverInOnePlantedOnItsPath) {
  // Where programs usually live, with blanks in the archive's path too.
  const TempFolder installed{UniqueFolderPath("C:\\Program Files")};
  const std::string program = installed.WindowsPath() + "Dorvex.exe";
  ASSERT_TRUE(CopyFileA(usersim::DorvexExePath().c_str(), program.c_str(), FALSE));
  const std::string archive = m_folder.MakeFolder("my docs").string() + "\\a b.Backup";
  ASSERT_TRUE(CopyFileA(m_archivePath.c_str(), archive.c_str(), FALSE));
  const PlantedProgram planted;
  {
    // Every start registers the archive type for the program file it runs from.
    ProgramProcess first = ProgramProcess::Start(program);
    User user(first.Id());
    user.Click(user.WaitForDialog(kMainTitle), IDCANCEL);
    ASSERT_TRUE(first.WaitForExit(15s).has_value());
  }
  ProgramProcess opened = ProgramProcess::OpenDocument(archive);
  User user(opened.Id());
  HWND dialog = user.WaitForDialog(kRestoreTitle);
  EXPECT_EQ(user.ListCount(dialog, IDC_RESTORE_ITEMS), 2);
  user.Click(dialog, IDCANCEL);  // "Exit"
  EXPECT_TRUE(opened.WaitForExit(15s).has_value());
}

// Kills the program once the file at `path` is being written anew (a new
// content under a temporary name beside it, or the file no longer the size
// it was), or after a few seconds: a kill while a content is half written.
void KillOnceChanging(ProgramProcess& program, const std::string& path, const std::string& before) {
  const auto changed = [&] {
    std::error_code unknown;
    return FileExists(path + ".~dvxnew0.tmp") || std::filesystem::file_size(path, unknown) != before.size();
  };
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (!changed() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(1ms);
  program.Terminate();
  ASSERT_TRUE(program.WaitForExit(15s).has_value());
}

void Click(HWND dialog, int id) {
  // Posted, not sent and waited for: the command runs while the test watches the disk.
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST_F(ArchiveCommandLineTest, KilledDuringRestoreAllEveryFileIsWhollyOldOrWhollyNew) {
  TempFolder target;
  const std::vector<std::pair<std::string, std::string>> items = {{"r0.dat", Pattern(24 << 20, 'n')},
                                                                  {"r1.dat", Pattern(24 << 20, 'm')}};
  WriteWholeFile(m_archivePath, ArchiveOf(target.WindowsPath(), items));
  for (const auto& [name, content] : items) target.Write(name, "old " + name);
  for (const auto& [seenItem, unused] : items) {
    ProgramProcess program = ProgramProcess::Start(usersim::DorvexExePath(), m_archivePath);
    User user(program.Id());
    Click(user.WaitForDialog(kRestoreTitle), IDC_RESTORE_ALL_ORIGINAL);
    KillOnceChanging(program, target.PathOf(seenItem), "old " + seenItem);
    for (const auto& [name, content] : items) {
      const std::string now = target.Read(name);
      EXPECT_TRUE(now == "old " + name || now == content) << name << " after a kill at " << seenItem;
    }
  }
}

TEST_F(ArchiveCommandLineTest, KilledDuringBackupTheArchiveIsWhollyOldOrWhollyNew) {
  for (const char* name : {"a.dat", "b.dat"}) m_desktop.Write(name, Pattern(24 << 20, name[0]));
  TempFolder elsewhere;
  const std::string old = ArchiveOf("c:\\old\\", {{"x.txt", "x"}});
  elsewhere.Write("kept.Backup", old);
  ProgramProcess program = ProgramProcess::Start(usersim::DorvexExePath());
  User user(program.Id());
  HWND main = user.WaitForDialog(kMainTitle);
  Click(main, IDC_BACKUP);
  user.ChooseFile(kSaveTitle, elsewhere.PathOf("kept.Backup"));
  user.Answer(user.WaitForMessageBox(), IDYES);  // replace it
  KillOnceChanging(program, elsewhere.PathOf("kept.Backup"), old);
  const std::string now = elsewhere.Read("kept.Backup");
  EXPECT_TRUE(now == old || ListingOf(now).declaredItemCount == 2u);
}

}  // namespace
