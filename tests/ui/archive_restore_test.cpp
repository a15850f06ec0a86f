// The Restore dialog as a user meets it: the listed items, restoring one or
// all of them into their folder or where the user says, every message, and
// archives that are not what they claim.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/current_language.h"
#include "app/localized_text.h"
#include "archive/restore_dialog.h"
#include "archive_test_support.h"
#include "framework/application.h"
#include "main_window.h"
#include "rename_fixture.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "ui/main_dialog.h"
#include "user_sim.h"
#include "wide_text.h"

using namespace archive_test;
using testing::ElementsAre;
using testing::IsEmpty;
using usersim::MessageBoxIcon;
using usersim::User;

namespace {

std::vector<std::string> FolderContents(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class ArchiveRestoreTest : public testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::English); }

  // Writes the archive into the test's archive folder and returns its path.
  std::string Save(std::string_view name, const std::string& bytes) {
    const std::string path = m_archives.WindowsPath() + std::string(name);
    WriteWholeFile(path, bytes);
    return path;
  }
  // Runs the dialog as the command line opens it; returns how it ended.
  INT_PTR Run(const std::string& archivePath, const std::function<void(User&, HWND)>& script,
              std::string_view title = kRestoreTitle) {
    RestoreDialog dialog;
    dialog.m_strArchivePath = Wide(archivePath);
    INT_PTR result = -1;
    RunDialog(title, script, [&] { result = dialog.DoModal(); });
    return result;
  }
  // The same when messages come before the dialog shows.
  INT_PTR RunWithEarlyMessages(const std::string& archivePath, const std::function<void(User&)>& script) {
    RestoreDialog dialog;
    dialog.m_strArchivePath = Wide(archivePath);
    INT_PTR result = -1;
    usersim::RunUserScenario(script, [&] { result = dialog.DoModal(); });
    return result;
  }

  TempFolder m_archives;
  TempFolder m_source;  // the folder the hand-made archives come from
};

TEST_F(ArchiveRestoreTest, ListsTheItemsAndTheirFolderAndEndsWithCancelOrExit) {
  const std::string path =
      Save("three.Backup", ArchiveOf("C:\\Some\\Where\\", {{"a.txt", "1"}, {"b.txt", "2"}, {"c.txt", "3"}}));
  const INT_PTR cancelled = Run(path, [&](User& user, HWND dialog) {
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), ElementsAre("a.txt", "b.txt", "c.txt"));
    EXPECT_THAT(user.SelectedIndexes(dialog, IDC_RESTORE_ITEMS), ElementsAre(0));
    EXPECT_EQ(user.Text(dialog, IDC_RESTORE_SOURCE_FOLDER), "c:\\some\\where\\");
    EXPECT_TRUE(user.IsEnabled(dialog, IDCANCEL));
    user.Click(dialog, IDOK);  // "Cancel"
  });
  EXPECT_EQ(cancelled, IDOK);
  EXPECT_EQ(Run(path, [&](User& user, HWND dialog) { user.Click(dialog, IDCANCEL); }), IDCANCEL);  // "Exit"
}

TEST_F(ArchiveRestoreTest, RestoreFileOfTheThirdRowRestoresTheThirdItemOverAnExistingFile) {
  const std::string path = Save(
      "three.Backup",
      ArchiveOf(m_source.WindowsPath(), {{"a.txt", "first"}, {"b.txt", "second"}, {"c.txt", Pattern(4097)}}));
  m_source.Write("c.txt", "old content");
  Run(path, [&](User& user, HWND dialog) {
    user.ClickListItem(dialog, IDC_RESTORE_ITEMS, 2);
    user.Click(dialog, IDC_RESTORE_FILE_ORIGINAL);
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(m_source), ElementsAre("c.txt"));
  EXPECT_TRUE(m_source.Read("c.txt") == Pattern(4097));
}

TEST_F(ArchiveRestoreTest, RowsFindTheirItemsInArchivesStoredInAnotherOrder) {
  // Made elsewhere: not in sorted order. Each row still restores its own item.
  const std::string path = Save(
      "unsorted.Backup", ArchiveOf(m_source.WindowsPath(), {{"zeta.txt", "last"}, {"alpha.txt", "first"}}));
  Run(path, [&](User& user, HWND dialog) {
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), ElementsAre("alpha.txt", "zeta.txt"));
    user.Click(dialog, IDC_RESTORE_FILE_ORIGINAL);  // row 0, alpha.txt
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(m_source), ElementsAre("alpha.txt"));
  EXPECT_EQ(m_source.Read("alpha.txt"), "first");
}

TEST_F(ArchiveRestoreTest, RestoreAllAsksOnceAndWritesIntoTheFolderConfirmedThere) {
  TempFolder chosen;
  const std::string path =
      Save("report.Backup",
           ArchiveOf(m_source.WindowsPath(), {{"report.txt", "r"}, {"data.bin", "d"}, {"README", "m"}}));
  Run(path, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_ALL_NEW);
    HWND save = user.WaitForDialog(kSaveTitle);
    EXPECT_EQ(user.Text(user.FileNameBox(save)), "report.txt");
    EXPECT_EQ(user.Text(save, 1136), "txt file (*.txt)");  // the file-type box
    user.EnterFileName(save, chosen.WindowsPath() + "another name.txt");
    EXPECT_EQ(user.ExpectMessageBox("Result", "Items restored: 3").icon, MessageBoxIcon::Information);
    EXPECT_TRUE(IsWindowEnabled(dialog));
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(chosen), ElementsAre("README", "data.bin", "report.txt"));
  EXPECT_EQ(chosen.Read("data.bin"), "d");
  EXPECT_THAT(FolderContents(m_source), IsEmpty());
}

TEST_F(ArchiveRestoreTest, TheDotDotDotCommandsWriteWhereTheUserSaysOrNothingWhenCancelled) {
  TempFolder chosen;
  const std::string path = Save("readme.Backup", ArchiveOf(m_source.WindowsPath(), {{"README", "read me"}}));
  Run(path, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_FILE_NEW);
    HWND save = user.WaitForDialog(kSaveTitle);
    EXPECT_EQ(user.Text(user.FileNameBox(save)), "README");
    EXPECT_EQ(user.Text(save, 1136), "readme file (*.readme)");
    user.EnterFileName(save, chosen.WindowsPath() + "renamed.bin");

    // Cancelled: Restore File... shows nothing, Restore All... reports 0.
    user.DoubleClickListItem(dialog, IDC_RESTORE_ITEMS, 0);
    user.ClickCancel(user.WaitForDialog(kSaveTitle));
    user.Click(dialog, IDC_RESTORE_ALL_NEW);
    user.ClickCancel(user.WaitForDialog(kSaveTitle));
    user.ExpectMessageBox("Result", "Items restored: 0");
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(chosen), ElementsAre("renamed.bin"));
  EXPECT_EQ(chosen.Read("renamed.bin"), "read me");
  EXPECT_THAT(FolderContents(m_source), IsEmpty());
}

TEST_F(ArchiveRestoreTest, AFileThatIsNoArchiveIsReportedAndLeavesAnEmptyDialog) {
  std::string bytes = ArchiveOf("c:\\", {{"a.txt", "a"}});
  bytes[7] = '\2';  // "BACKUP", 0 and a byte other than 1
  const std::string path = Save("other.Backup", bytes);
  RunWithEarlyMessages(path, [&](User& user) {
    const auto box = user.WaitForMessageBox("Error");
    EXPECT_EQ(box.text, "This file is not a valid backup file.");
    EXPECT_EQ(box.icon, MessageBoxIcon::Information);
    user.Answer(box, IDOK);
    HWND dialog = user.WaitForDialog(kRestoreTitle);
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), IsEmpty());
    user.Click(dialog, IDC_RESTORE_FILE_ORIGINAL);  // no row: nothing happens
    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    user.ExpectMessageBox("Error", "This file is not a valid backup file.");
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(m_source), IsEmpty());
}

TEST_F(ArchiveRestoreTest, AnArchiveWithoutItemsRestoresNothingAndAsksNothing) {
  const std::string path = Save("empty.Backup", ArchiveOf(m_source.WindowsPath(), {}));
  Run(path, [&](User& user, HWND dialog) {
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), IsEmpty());
    user.Click(dialog, IDC_RESTORE_FILE_NEW);  // no row: nothing happens
    user.Click(dialog, IDC_RESTORE_ALL_NEW);   // nothing to offer: no save dialog
    user.ExpectMessageBox("Result", "Items restored: 0");
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(m_source), IsEmpty());
}

TEST_F(ArchiveRestoreTest, ArchivesAndTargetsThatCannotBeOpenedAreReportedWithTheirPaths) {
  const std::string missing = m_archives.WindowsPath() + "missing.Backup";
  RunWithEarlyMessages(missing, [&](User& user) {
    const auto box = user.WaitForMessageBox(missing);
    EXPECT_EQ(box.text, "Error opening file.");
    EXPECT_EQ(box.icon, MessageBoxIcon::None);
    EXPECT_THAT(box.buttons, ElementsAre(IDOK));
    user.Answer(box, IDOK);
    HWND dialog = user.WaitForDialog(kRestoreTitle);
    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    const auto allBox = user.WaitForMessageBox("Restore");
    EXPECT_EQ(allBox.text, "Error opening file.");
    EXPECT_EQ(allBox.icon, MessageBoxIcon::Stop);
    user.Answer(allBox, IDOK);
    user.Click(dialog, IDCANCEL);
  });

  const std::string path =
      Save("two.Backup", ArchiveOf(m_source.WindowsPath(), {{"a.txt", "a"}, {"b.txt", "b"}}));
  std::filesystem::create_directory(m_source.Path() / "a.txt");  // a folder where the target would go
  Run(path, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_FILE_ORIGINAL);
    const auto target = user.WaitForMessageBox(m_source.PathOf("a.txt"));
    EXPECT_EQ(target.text, "Unable to read archived data!");
    EXPECT_EQ(target.icon, MessageBoxIcon::None);
    user.Answer(target, IDOK);

    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    const auto skipped = user.WaitForMessageBox(m_source.PathOf("a.txt"));
    EXPECT_EQ(skipped.text, "Unable to open or create file!");
    EXPECT_EQ(skipped.icon, MessageBoxIcon::Stop);
    user.Answer(skipped, IDOK);
    user.ExpectMessageBox("Result", "Items restored: 1");

    // The archive goes away while the dialog shows it.
    DeleteFileA(path.c_str());
    user.Click(dialog, IDC_RESTORE_FILE_ORIGINAL);
    const auto gone = user.WaitForMessageBox(path);
    EXPECT_EQ(gone.text, "Unable to open or create file!");
    EXPECT_EQ(gone.icon, MessageBoxIcon::Stop);
    user.Answer(gone, IDOK);
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(m_source.Read("b.txt"), "b");
}

TEST_F(ArchiveRestoreTest, TheArchiveItselfIsNeverATargetAndAHeldTargetCostsOnlyItsItem) {
  // An item named as the archive, in other case, restored into the archive's folder.
  const std::string path =
      Save("SELF.Backup", ArchiveOf(m_archives.WindowsPath(), {{"SELF.BACKUP", "inner"}, {"z.txt", "z"}}));
  const std::string archive = ReadWholeFile(path);
  Run(path, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    user.ExpectMessageBox(m_archives.PathOf("SELF.BACKUP"), "Unable to open or create file!");
    user.ExpectMessageBox("Result", "Items restored: 1");
    // Restore File... onto the archive, replacing it.
    user.Click(dialog, IDC_RESTORE_FILE_NEW);
    user.ChooseFile(kSaveTitle, path);
    user.Answer(user.WaitForMessageBox(), IDYES);
    user.ExpectMessageBox(path, "Unable to read archived data!");
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_TRUE(ReadWholeFile(path) == archive);
  EXPECT_EQ(m_archives.Read("z.txt"), "z");

  // A target another program holds open, and a read-only one after it.
  m_source.Write("held.txt", "kept");
  m_source.Write("ro.txt", "read-only");
  SetFileAttributesA(m_source.PathOf("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  std::optional<HeldOpen> held(std::in_place, m_source.PathOf("held.txt"));
  const std::string three =
      Save("three.Backup",
           ArchiveOf(m_source.WindowsPath(), {{"held.txt", "new"}, {"ro.txt", "new"}, {"z.txt", "z"}}));
  Run(three, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    user.ExpectMessageBox(m_source.PathOf("held.txt"), "Unable to open or create file!");
    user.ExpectMessageBox(m_source.PathOf("ro.txt"), "Unable to open or create file!");
    user.ExpectMessageBox("Result", "Items restored: 1");
    user.Click(dialog, IDCANCEL);
  });
  held.reset();
  EXPECT_EQ(m_source.Read("held.txt"), "kept");
  EXPECT_EQ(m_source.Read("ro.txt"), "read-only");
  EXPECT_THAT(FolderContents(m_source), ElementsAre("held.txt", "ro.txt", "z.txt"));
  SetFileAttributesA(m_source.PathOf("ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

std::string RefusalText(const std::string& name) {
  return "The item \"" + name +
         "\" was not restored because\nits name is not a plain file name: it could name another folder, a "
         "device or a stream.";
}

TEST_F(ArchiveRestoreTest, TheDotDotDotCommandsRefuseSuchNamesBeforeAskingAndOfferARestorableOne) {
  TempFolder chosen;
  const std::string path =
      Save("hostile.Backup",
           ArchiveOf(m_source.WindowsPath(), {{"..\\escape.txt", "evil"}, {"good.txt", "good"}}));
  Run(path, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_ALL_NEW);
    HWND save = user.WaitForDialog(kSaveTitle);
    EXPECT_EQ(user.Text(user.FileNameBox(save)), "good.txt");
    user.EnterFileName(save, chosen.WindowsPath() + "good.txt");
    user.ExpectMessageBox("Error", RefusalText("..\\escape.txt"));
    user.ExpectMessageBox("Result", "Items restored: 1");

    user.ClickListItem(dialog, IDC_RESTORE_ITEMS, "..\\escape.txt");
    user.Click(dialog, IDC_RESTORE_FILE_NEW);  // refused before any dialog
    user.ExpectMessageBox("Error", RefusalText("..\\escape.txt"));
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(chosen), ElementsAre("good.txt"));
  EXPECT_THAT(FolderContents(m_source), IsEmpty());
  EXPECT_FALSE(FileExists(chosen.Path().parent_path().string() + "\\escape.txt"));
}

TEST_F(ArchiveRestoreTest, ADamagedArchiveIsReportedAndWhatComesBeforeTheDamageRestores) {
  std::string bytes =
      ArchiveOf(m_source.WindowsPath(), {{"a.txt", "first"}, {"b.txt", "second"}, {"c.txt", Pattern(3000)}});
  bytes.resize(bytes.size() - 1000);  // cut within c.txt's data
  const std::string path = Save("cut.Backup", bytes);
  const std::string damage = "The backup file " + path + " is damaged:\nonly its first 2 items can be read.";
  RunWithEarlyMessages(path, [&](User& user) {
    const auto box = user.WaitForMessageBox("Error");
    EXPECT_EQ(box.text, damage);
    EXPECT_EQ(box.icon, MessageBoxIcon::Exclamation);
    user.Answer(box, IDOK);
    HWND dialog = user.WaitForDialog(kRestoreTitle);
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), ElementsAre("a.txt", "b.txt"));

    // Restore All says so before it writes anything.
    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    const auto warning = user.WaitForMessageBox("Error");
    EXPECT_EQ(warning.text, damage);
    EXPECT_THAT(FolderContents(m_source), IsEmpty());
    user.Answer(warning, IDOK);
    user.ExpectMessageBox("Result", "Items restored: 2");
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(m_source), ElementsAre("a.txt", "b.txt"));
  EXPECT_EQ(m_source.Read("b.txt"), "second");
}

TEST_F(ArchiveRestoreTest, ACountFarBeyondTheFileListsTheItemsThatAreThere) {
  ArchiveBytes archive(m_source.WindowsPath(), 0xFFFFFFFFu);
  archive.Item("only.txt", "x");
  const std::string path = Save("count.Backup", archive.Bytes());
  RunWithEarlyMessages(path, [&](User& user) {
    user.ExpectMessageBox("Error",
                          "The backup file " + path + " is damaged:\nonly its first item can be read.");
    HWND dialog = user.WaitForDialog(kRestoreTitle);
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), ElementsAre("only.txt"));
    user.Click(dialog, IDC_RESTORE_FILE_ORIGINAL);
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(m_source.Read("only.txt"), "x");
}

TEST_F(ArchiveRestoreTest, ANameOf511BytesIsListedWhole) {
  const std::string name(507, 'n');
  const std::string path = Save("long.Backup", ArchiveOf(m_source.WindowsPath(), {{name + ".txt", "x"}}));
  Run(path, [&](User& user, HWND dialog) {
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), ElementsAre(name + ".txt"));
    user.Click(dialog, IDCANCEL);
  });
}

TEST_F(ArchiveRestoreTest, CancelConfirmedDuringRestoreAllReportsTheItemsRestoredSoFar) {
  const std::string path =
      Save("five.Backup",
           ArchiveOf(m_source.WindowsPath(),
                     {{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}, {"d.txt", "d"}, {"e.txt", "e"}}));
  // c.txt cannot be created: its message holds the run while the user clicks Cancel.
  std::filesystem::create_directory(m_source.Path() / "c.txt");
  Run(path, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    const auto error = user.WaitForMessageBox(m_source.PathOf("c.txt"));
    HWND progress = user.WaitForDialog("Restore");
    EXPECT_NE(progress, dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_STATUS), m_source.PathOf("c.txt"));  // not the file before it
    user.Click(progress, IDCANCEL);
    user.Answer(error, IDOK);
    user.AnswerQuestion("Restore", "Cancel?", IDYES);
    user.ExpectMessageBox("Result", "Items restored: 2");
    EXPECT_FALSE(IsWindow(progress));
    EXPECT_TRUE(IsWindowEnabled(dialog));
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(m_source), ElementsAre("a.txt", "b.txt", "c.txt"));
}

TEST_F(ArchiveRestoreTest, AnArchiveThatNamesNoFolderRestoresOnlyWhereTheUserSays) {
  TempFolder current;  // where such items used to land
  SetCurrentDirectoryA(current.WindowsPath().c_str());
  for (const char* folder : {"", "docs\\", "c:docs\\"}) {
    SCOPED_TRACE(folder);
    const std::string path = Save("nofolder.Backup", ArchiveOf(folder, {{"a.txt", "a"}}));
    const std::string refusal =
        "The backup file " + path +
        " names no original folder:\nits items can only be restored to a folder you choose.";
    Run(path, [&](User& user, HWND dialog) {
      for (int command : {IDC_RESTORE_ALL_ORIGINAL, IDC_RESTORE_FILE_ORIGINAL}) {
        user.Click(dialog, command);
        const auto box = user.ExpectMessageBox("Restore", refusal);
        EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
      }
      user.Click(dialog, IDC_RESTORE_FILE_NEW);
      user.ChooseFile(kSaveTitle, m_source.PathOf("chosen.txt"));
      user.Click(dialog, IDCANCEL);
    });
    EXPECT_THAT(FolderContents(current), IsEmpty());
    EXPECT_EQ(m_source.Read("chosen.txt"), "a");
    DeleteFileA(m_source.PathOf("chosen.txt").c_str());
  }
  SetCurrentDirectoryA(m_archives.WindowsPath().c_str());
}

// Two items whose names differ only in case are one file name to a disk that
// ignores case, and to Wine on any disk.
class ArchiveRestoreOnEveryDisk : public ArchiveRestoreTest, public testing::WithParamInterface<Disk> {
 protected:
  ArchiveRestoreOnEveryDisk() {
    if (GetParam() == Disk::Fat) {
      m_target.emplace(FatDiskFolderPath());
    } else {
      m_target.emplace();
    }
  }
  std::optional<TempFolder> m_target;
};
INSTANTIATE_TEST_SUITE_P(Disks, ArchiveRestoreOnEveryDisk, kEveryDisk, DiskName);

TEST_P(ArchiveRestoreOnEveryDisk, ItemsWhoseNamesDifferOnlyInCaseNeverReplaceEachOther) {
  const TempFolder& target = *m_target;
  const std::string path =
      Save("twins.Backup", ArchiveOf(target.WindowsPath(), {{"a.txt", "lower"}, {"A.TXT", "upper"}}));
  const std::string refusal =
      "The item \"A.TXT\" was not restored because\nthe folder holds \"a.txt\", another item of this "
      "archive whose name differs only in case.";
  const std::string twinPath = target.WindowsPath() + "A.TXT";
  Run(path, [&](User& user, HWND dialog) {
    user.Click(dialog, IDC_RESTORE_ALL_ORIGINAL);
    EXPECT_EQ(user.ExpectMessageBox(twinPath, refusal).icon, MessageBoxIcon::Stop);
    user.ExpectMessageBox("Result", "Items restored: 1");

    user.ClickListItem(dialog, IDC_RESTORE_ITEMS, "A.TXT");
    user.Click(dialog, IDC_RESTORE_FILE_ORIGINAL);
    user.ExpectMessageBox(twinPath, refusal);
    user.Click(dialog, IDCANCEL);
  });
  EXPECT_THAT(FolderContents(target), ElementsAre("a.txt"));
  EXPECT_EQ(target.Read("a.txt"), "lower");
}

TEST_F(ArchiveRestoreTest, RetrieveAsksForTheArchiveAndOffersNoExit) {
  SetCurrentLanguage(Language::English);
  FakeProfile profile;
  TempFolder desktop(profile.Desktop());
  const std::string path = Save("pick.Backup", ArchiveOf(m_source.WindowsPath(), {{"x.txt", "x"}}));
  RunMainWindow([&](User& user, HWND main) {
    user.Click(main, IDC_RETRIEVE);
    user.ChooseFile(kOpenTitle, path);
    HWND dialog = user.WaitForDialog(kRestoreTitle);
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), ElementsAre("x.txt"));
    EXPECT_FALSE(user.IsEnabled(dialog, IDCANCEL));
    EXPECT_FALSE(IsWindowEnabled(main));
    user.Click(dialog, IDOK);

    // The open dialog cancelled: an empty Restore dialog, closed with Cancel.
    user.Click(main, IDC_RETRIEVE);
    user.ClickCancel(user.WaitForDialog(kOpenTitle));
    dialog = user.WaitForDialog(kRestoreTitle);
    EXPECT_THAT(user.ListItems(dialog, IDC_RESTORE_ITEMS), IsEmpty());
    EXPECT_EQ(user.Text(dialog, IDC_RESTORE_SOURCE_FOLDER), "");
    EXPECT_FALSE(user.IsEnabled(dialog, IDCANCEL));
    user.Click(dialog, IDOK);
    EXPECT_TRUE(IsWindowEnabled(main));
    user.Click(main, IDCANCEL);
  });
}

}  // namespace
