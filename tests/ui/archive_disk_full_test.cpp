// A disk that fills during Backup and Restore, on a 4 MiB tmpfs that the
// test mounts and maps as a Wine drive for its own run. Mounting needs root;
// without it the tests are skipped and say why. A file that was there
// before stays whole; a new one that could not be finished is removed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/current_language.h"
#include "archive/restore_dialog.h"
#include "archive_test_support.h"
#include "framework/application.h"
#include "main_window.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "ui/main_dialog.h"
#include "user_sim.h"
#include "wide_text.h"

using namespace archive_test;
using namespace std::chrono_literals;
using testing::ElementsAre;
using usersim::MessageBoxIcon;
using usersim::User;

namespace {

constexpr std::uint64_t kDriveSize = 4 << 20;
constexpr std::size_t kMiB = 1 << 20;
constexpr char kDiskFull[] = " could not be accessed because\nThe disk is full.";

std::string PartRemoved(const std::string& path) {
  return "\nThe partly written file " + path + " has been removed.";
}

// The file dialogs and the archive's folder may spell the drive in either case.
std::string InLowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::uint64_t DriveSize(const std::string& root) {
  ULARGE_INTEGER total{};
  if (!GetDiskFreeSpaceExA(root.c_str(), nullptr, &total, nullptr)) return 0;
  return total.QuadPart;
}

// A drive of 4 MiB, mapped for the test's own run.
class SmallDrive : public MappedDrive {
 public:
  SmallDrive() : MappedDrive("small-disk", "4m") {
    for (int tries = 0; tries < 100 && !Ready(); ++tries) std::this_thread::sleep_for(50ms);
  }
  bool Ready() const {
    const std::uint64_t size = Mapped() ? DriveSize(Root()) : 0;
    return size > 0 && size <= kDriveSize;
  }
};

class ArchiveDiskFullTest : public testing::Test {
 protected:
  void SetUp() override {
    // A run that cannot make the small disk has not shown what a full disk
    // does: that is a failure, not a pass.
    ASSERT_TRUE(m_drive.Ready()) << m_drive.WhyNot();
    SetCurrentLanguage(Language::English);
  }

  SmallDrive m_drive;
  // Together more than the drive holds.
  const std::vector<std::pair<std::string, std::string>> m_files = {{"a.bin", Pattern(1 * kMiB, 'a')},
                                                                    {"b.bin", Pattern(2 * kMiB, 'b')},
                                                                    {"c.bin", Pattern(2 * kMiB, 'c')}};
};

TEST_F(ArchiveDiskFullTest, BackupStopsWithTheFileErrorAndRemovesTheUnfinishedArchive) {
  FakeProfile profile;
  TempFolder desktop(profile.Desktop());
  for (const auto& [name, content] : m_files) desktop.Write(name, content);
  const std::string archivePath = m_drive.Root() + "full.Backup";
  RunMainWindow([&](User& user, HWND main) {
    user.Click(main, IDC_BACKUP);
    user.ChooseFile(kSaveTitle, archivePath);
    const auto box = user.WaitForMessageBox(ApplicationName());
    EXPECT_EQ(InLowerCase(box.text), InLowerCase(archivePath + kDiskFull + PartRemoved(archivePath)));
    EXPECT_EQ(box.icon, MessageBoxIcon::Exclamation);
    user.Answer(box, IDOK);
    // No summary follows, and the main window is usable again.
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(user.FindWindowTitled("Backup"), nullptr);
    user.Click(main, IDCANCEL);
  });

  EXPECT_FALSE(FileExists(archivePath));
  for (const auto& [name, content] : m_files) EXPECT_TRUE(desktop.Read(name) == content) << name;
}

TEST_F(ArchiveDiskFullTest, RestoreAllStopsWithTheFileErrorAndTheDialogStaysUsable) {
  TempFolder archives;
  const std::string archivePath = archives.WindowsPath() + "big.Backup";
  const std::string bytes = ArchiveOf(archives.WindowsPath(), m_files);
  WriteWholeFile(archivePath, bytes);
  RestoreDialog dialog;
  dialog.m_strArchivePath = Wide(archivePath);
  RunDialog(
      kRestoreTitle,
      [&](User& user, HWND restore) {
        user.Click(restore, IDC_RESTORE_ALL_NEW);
        user.ChooseFile(kSaveTitle, m_drive.Root() + "a.bin");
        const auto box = user.WaitForMessageBox(ApplicationName());
        const std::string target = m_drive.Root() + "c.bin";
        EXPECT_EQ(InLowerCase(box.text), InLowerCase(target + kDiskFull + PartRemoved(target)));
        user.Answer(box, IDOK);
        EXPECT_TRUE(IsWindowEnabled(restore));
        EXPECT_EQ(user.FindWindowTitled("Restore"), restore);  // the progress window is gone
        user.Click(restore, IDOK);
      },
      [&] { dialog.DoModal(); });

  EXPECT_TRUE(ReadWholeFile(m_drive.Root() + "a.bin") == m_files[0].second);
  EXPECT_TRUE(ReadWholeFile(m_drive.Root() + "b.bin") == m_files[1].second);
  EXPECT_THAT(NamesIn(m_drive.Root()), ElementsAre("a.bin", "b.bin"));
  EXPECT_TRUE(ReadWholeFile(archivePath) == bytes);
}

// Over files that are there: the disk has room for the new content, or for
// what the old file leaves when it is emptied first, but not for both.
class ArchiveDiskFullOverExistingTest : public ArchiveDiskFullTest {
 protected:
  void SetUp() override {
    ArchiveDiskFullTest::SetUp();
    for (const auto& [name, content] : m_old) WriteWholeFile(m_drive.Root() + name, content);
  }
  void ExpectOldFilesWhole(std::size_t from) {
    for (std::size_t i = from; i < m_old.size(); ++i)
      EXPECT_TRUE(ReadWholeFile(m_drive.Root() + m_old[i].first) == m_old[i].second) << m_old[i].first;
    EXPECT_THAT(NamesIn(m_drive.Root()), ElementsAre("a.bin", "b.bin", "other.bin"));
  }

  const std::vector<std::pair<std::string, std::string>> m_old = {
      {"a.bin", Pattern(kMiB / 2, 'o')}, {"b.bin", Pattern(kMiB, 'p')}, {"other.bin", Pattern(kMiB, 'q')}};
  const std::vector<std::pair<std::string, std::string>> m_new = {{"a.bin", Pattern(kMiB, 'a')},
                                                                  {"b.bin", Pattern(3 * kMiB, 'b')}};
};

TEST_F(ArchiveDiskFullOverExistingTest, RestoreFileKeepsTheExistingFileWhole) {
  TempFolder archives;
  const std::string archivePath = archives.PathOf("big.Backup");
  WriteWholeFile(archivePath, ArchiveOf(m_drive.Root(), {m_new[1]}));
  RestoreDialog dialog;
  dialog.m_strArchivePath = Wide(archivePath);
  RunDialog(
      kRestoreTitle,
      [&](User& user, HWND restore) {
        user.Click(restore, IDC_RESTORE_FILE_ORIGINAL);
        const auto box = user.WaitForMessageBox(ApplicationName());
        EXPECT_EQ(InLowerCase(box.text), InLowerCase(m_drive.Root() + "b.bin" + kDiskFull));
        user.Answer(box, IDOK);
        user.Click(restore, IDOK);
      },
      [&] { dialog.DoModal(); });
  ExpectOldFilesWhole(0);
}

TEST_F(ArchiveDiskFullOverExistingTest, RestoreAllReplacesWhatFitsAndKeepsTheRestWhole) {
  TempFolder archives;
  const std::string archivePath = archives.PathOf("big.Backup");
  WriteWholeFile(archivePath, ArchiveOf(m_drive.Root(), m_new));
  RestoreDialog dialog;
  dialog.m_strArchivePath = Wide(archivePath);
  RunDialog(
      kRestoreTitle,
      [&](User& user, HWND restore) {
        user.Click(restore, IDC_RESTORE_ALL_ORIGINAL);
        const auto box = user.WaitForMessageBox(ApplicationName());
        EXPECT_EQ(InLowerCase(box.text), InLowerCase(m_drive.Root() + "b.bin" + kDiskFull));
        user.Answer(box, IDOK);
        user.Click(restore, IDOK);
      },
      [&] { dialog.DoModal(); });
  EXPECT_TRUE(ReadWholeFile(m_drive.Root() + "a.bin") == m_new[0].second);
  ExpectOldFilesWhole(1);
}

TEST_F(ArchiveDiskFullOverExistingTest, BackupOverAnArchiveKeepsTheOldArchiveWhole) {
  FakeProfile profile;
  TempFolder desktop(profile.Desktop());
  for (const auto& [name, content] : m_files) desktop.Write(name, content);
  const std::string archivePath = m_drive.Root() + "b.bin";  // an existing file chosen as the archive
  RunMainWindow([&](User& user, HWND main) {
    user.Click(main, IDC_BACKUP);
    user.ChooseFile(kSaveTitle, archivePath);
    const auto prompt = user.WaitForMessageBox();
    EXPECT_THAT(prompt.text, testing::HasSubstr("already exists"));
    user.Answer(prompt, IDYES);
    const auto box = user.WaitForMessageBox(ApplicationName());
    EXPECT_EQ(InLowerCase(box.text), InLowerCase(archivePath + kDiskFull));
    user.Answer(box, IDOK);
    user.Click(main, IDCANCEL);
  });
  ExpectOldFilesWhole(0);
}

}  // namespace
