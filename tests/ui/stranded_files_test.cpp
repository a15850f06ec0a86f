// Files that an earlier run left under temporary names, as the main window
// meets them on the disk that ignores case (brought back at start and before
// a command, or told where they are), and as Restore meets them in the
// folder it writes into.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "archive/restore_dialog.h"
#include "archive_test_support.h"
#include "rename_fixture.h"
#include "res/resource.h"
#include "wide_text.h"

using testing::ElementsAre;
using usersim::MessageBoxIcon;
using usersim::User;

namespace {

class StrandedFilesTest : public RenameCommandTest {
 protected:
  StrandedFilesTest() : RenameCommandTest(Disk::Fat) {}
};

std::string Lowered(std::string text) {
  std::ranges::transform(text, text.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

TEST_F(StrandedFilesTest, AFileMovedAsideGetsItsNameBackAtStartAndBeforeACommand) {
  Add("Photo.JPG.~dvxcase0.tmp", "photo");
  RunMainWindow([&](User& user, HWND window) {
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("Photo.JPG"));
    // Left behind while the window is open: the command first puts it back,
    // and still acts on the selection.
    Add("Notes.txt.~dvxcase3.tmp", "notes");
    SelectFiles(user, window, {"Photo.JPG"});
    RunCommand(user, window, IDC_UPPER_CASE);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("Notes.txt", "PHOTO.JPG"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(Content("PHOTO.JPG"), "photo");
  EXPECT_EQ(Content("Notes.txt"), "notes");
}

TEST_F(StrandedFilesTest, AFolderEnteredByDoubleClickIsSettledAsItShows) {
  std::filesystem::create_directory(m_folder.Path() / "damaged");
  WriteWholeFile(PathOf("damaged\\file009.txt.~dvxcase0.tmp"), "nine");
  RunMainWindow([&](User& user, HWND window) {
    user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[damaged]");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("file009.txt"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(ReadWholeFile(PathOf("damaged\\file009.txt")), "nine");
}

TEST_F(StrandedFilesTest, AFileWhoseNameIsTakenIsToldAndLeftWhereItIs) {
  Add("Photo.JPG.~dvxcase0.tmp", "photo");
  Add("photo.jpg", "another");
  RunMainWindow([&](User& user, HWND window) {
    const auto box = user.WaitForMessageBox("Error");
    EXPECT_EQ(Lowered(box.text),
              Lowered("An earlier run of Dorvex stopped before it could put these files back in order:\n\n" +
                      PathOf("Photo.JPG.~dvxcase0.tmp") +
                      " is the file Photo.JPG, which could not get its name back: another file has it."));
    EXPECT_EQ(box.icon, MessageBoxIcon::Exclamation);
    user.Answer(box, IDOK);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("photo.jpg", "Photo.JPG.~dvxcase0.tmp"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(Content("Photo.JPG.~dvxcase0.tmp"), "photo");
  EXPECT_EQ(Content("photo.jpg"), "another");
}

TEST_F(StrandedFilesTest, RestoreRemovesANewContentLeftBesideItsWholeOriginal) {
  Add("b.bin", "old");
  Add("b.bin.~dvxnew0.tmp", "cut o");
  TempFolder archives;
  const std::string archivePath = archives.WindowsPath() + "b.Backup";
  WriteWholeFile(archivePath, archive_test::ArchiveOf(m_folder.WindowsPath(), {{"b.bin", "new"}}));
  RestoreDialog dialog;
  dialog.m_strArchivePath = Wide(archivePath);
  archive_test::RunDialog(
      archive_test::kRestoreTitle,
      [&](User& user, HWND restore) {
        user.Click(restore, IDC_RESTORE_ALL_ORIGINAL);
        user.Answer(user.WaitForMessageBox("Result"), IDOK);
        user.Click(restore, IDCANCEL);
      },
      [&] { dialog.DoModal(); });
  EXPECT_THAT(Names(), ElementsAre("b.bin"));
  EXPECT_EQ(Content("b.bin"), "new");
}
