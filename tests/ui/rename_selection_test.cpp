// Set Lower Case, Set Upper Case and Delete on the selected files of the main
// window, on a real folder: what the files are called afterwards, the
// questions and messages on the way, and that no file is ever lost.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/current_language.h"
#include "rename_fixture.h"
#include "res/resource.h"

using testing::ElementsAre;
using testing::IsEmpty;
using usersim::MessageBoxIcon;
using usersim::User;

namespace {

class SelectionOperationsTest : public RenameCommandTest {
 protected:
  using RenameCommandTest::RenameCommandTest;
};
using SelectionOperationsTestOnEveryDisk = OnEveryDisk<SelectionOperationsTest>;
INSTANTIATE_TEST_SUITE_P(Disks, SelectionOperationsTestOnEveryDisk, kEveryDisk, DiskName);

void ExpectSelectionCommandsDisabled(const User& user, HWND window) {
  for (int id : {IDC_LOWER_CASE, IDC_UPPER_CASE, IDC_SUBSTITUTE, IDC_DELETE})
    EXPECT_FALSE(user.IsEnabled(window, id)) << "control " << id;
}

}  // namespace

TEST_P(SelectionOperationsTestOnEveryDisk, CaseChangesEveryLetterOfTheSelectedNamesOnly) {
  Add("Photo.Old.JPG", "photo");
  Add("Keep.Me.TXT", "keep");
  RunMainWindow([&](User& user, HWND window) {
    SelectFiles(user, window, {"Photo.Old.JPG"});
    RunCommand(user, window, IDC_LOWER_CASE);
    EXPECT_THAT(Names(), ElementsAre("Keep.Me.TXT", "photo.old.jpg"));
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("Keep.Me.TXT", "photo.old.jpg"));
    EXPECT_THAT(user.SelectedItems(window, IDC_FILE_LIST), IsEmpty());
    ExpectSelectionCommandsDisabled(user, window);
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(Content("photo.old.jpg"), "photo");
  EXPECT_EQ(Content("Keep.Me.TXT"), "keep");
}

TEST_F(SelectionOperationsTest, AccentedCapitalsOfTheCodePageChangeCaseToo) {
  Add("\xC9T\xC9.TXT", "summer");
  RunMainWindow([&](User& user, HWND window) {
    SelectFiles(user, window, {"\xC9T\xC9.TXT"});
    RunCommand(user, window, IDC_LOWER_CASE);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("\xE9t\xE9.txt"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("\xE9t\xE9.txt"));
  // The disk keeps the name in Unicode: the accented letters really changed.
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = std::wstring(m_folder.Path().wstring()) + L"\\*.txt";
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_EQ(std::wstring(found.cFileName), L"\u00E9t\u00E9.txt");
  FindClose(search);
  EXPECT_EQ(Content("\xE9t\xE9.txt"), "summer");
}

TEST_F(SelectionOperationsTest, ANameTakenByAnotherSpellingFailsUnderTheOperationsTitle) {
  // Only a disk that tells spellings apart can hold both; Windows programs
  // under Wine still see them as one name.
  Add("Photo.JPG", "mine");
  if (!AddSecondSpelling(m_folder, "photo.jpg", "another")) GTEST_SKIP() << "needs a case-sensitive disk";
  Add("Other.TXT", "other");
  RunMainWindow([&](User& user, HWND window) {
    SelectFiles(user, window, {"Photo.JPG", "Other.TXT"});
    user.Click(window, IDC_LOWER_CASE);
    const auto box = user.ExpectMessageBox("ToLower", FileErrorMessage("Photo.JPG", kTakenReason));
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    WaitForCommandEnd(user, window);
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("Photo.JPG", "other.txt", "photo.jpg"));
  EXPECT_EQ(Content("Photo.JPG"), "mine");
  EXPECT_EQ(Content("photo.jpg"), "another");
}

TEST_F(SelectionOperationsTest, AHeldFileCostsOnlyItselfAndTheBarShowsTheFilesDoneAtItsBox) {
  for (const char* name : {"f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt"}) Add(name, name);
  SetFileAttributesA(PathOf("f5.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  const HeldOpen held(PathOf("f4.txt"));
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_SELECT_ALL);
    user.Click(window, IDC_UPPER_CASE);
    const auto box = user.WaitForMessageBox("Error");
    EXPECT_EQ(box.text, FileErrorMessage("f4.txt", kLockedReason));
    const HWND progress = user.WaitForDialog("ToUpper");
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_STATUS), "f3.txt");
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_PERCENT), "40%");
    user.Answer(box, IDOK);
    WaitForCommandEnd(user, window);
    user.Click(window, IDCANCEL);
  });
  SetFileAttributesA(PathOf("f5.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_THAT(Names(), ElementsAre("F1.TXT", "F2.TXT", "F3.TXT", "F5.TXT", "f4.txt"));
}

TEST_F(SelectionOperationsTest, CancelAnsweredNoGoesOnAndYesStopsBeforeTheCurrentFile) {
  // Files held open stop the run at known points with a message box; the
  // user presses Cancel on the progress window meanwhile.
  for (const char* name : {"a1", "a2", "a3", "a4", "a5", "a6", "a7"}) Add(name);
  HeldOpen third(PathOf("a3"));
  HeldOpen fifth(PathOf("a5"));
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_SELECT_ALL);
    user.Click(window, IDC_UPPER_CASE);

    auto box = user.WaitForMessageBox("Error");
    EXPECT_EQ(box.text, FileErrorMessage("a3", kLockedReason));
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    HWND progress = user.WaitForDialog("ToUpper");
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_STATUS), "a2");
    user.ClickCancel(progress);
    user.Answer(box, IDOK);
    user.AnswerQuestion("ToUpper", "Cancel?", IDNO);

    box = user.WaitForMessageBox("Error");
    user.ClickCancel(progress);
    user.Answer(box, IDOK);
    user.AnswerQuestion("ToUpper", "Cancel?", IDYES);
    WaitForCommandEnd(user, window);
    EXPECT_FALSE(user.FindWindowTitled("ToUpper"));
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("A1", "A2", "a3", "A4", "a5", "a6", "a7"));
    user.Click(window, IDCANCEL);
  });
}

// Yes, and what it deletes: RenameRun's table and the 1100-file case below.
TEST_F(SelectionOperationsTest, DeleteAsksInTheLanguageOfTheWindowAndNoDeletesNothing) {
  SetCurrentLanguage(Language::German);
  for (const char* name : {"a.txt", "b.txt"}) Add(name);
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_SELECT_ALL);
    user.Click(window, IDC_DELETE);
    user.ExpectMessageBox("Datei l\xF6schen", "Markierte Dateien l\xF6schen?", IDNO);
    WaitForCommandEnd(user, window);
    ExpectSelectionCommandsDisabled(user, window);
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("a.txt", "b.txt"));
}

TEST_F(SelectionOperationsTest, AFileThatCannotBeDeletedIsReportedUnderTheDeleteTitle) {
  for (const char* name : {"a.txt", "locked.txt", "z.txt"}) Add(name);
  SetFileAttributesA(PathOf("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_SELECT_ALL);
    user.Click(window, IDC_DELETE);
    user.AnswerQuestion("Delete file", "Do you want to delete the selected files?", IDYES);
    const auto box = user.ExpectMessageBox("Delete file", FileErrorMessage("locked.txt", kAccessReason));
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    WaitForCommandEnd(user, window);
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("locked.txt"));
  SetFileAttributesA(PathOf("locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SelectionOperationsTest, WhenNoSelectedFileOpensNoQuestionIsAsked) {
  Add("only.txt");
  HeldOpen held(PathOf("only.txt"));
  RunMainWindow([&](User& user, HWND window) {
    SelectFiles(user, window, {"only.txt"});
    user.Click(window, IDC_DELETE);
    user.ExpectMessageBox("Error", FileErrorMessage("only.txt", kLockedReason));
    WaitForCommandEnd(user, window);
    EXPECT_FALSE(user.FindWindowTitled("Delete file"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("only.txt"));
}

TEST_F(SelectionOperationsTest, ASelectionOfMoreThan1024FilesIsProcessedWhole) {
  constexpr int kCount = 1100;
  for (int i = 0; i < kCount; ++i) {
    char name[16];
    wsprintfA(name, "f%04d.txt", i);
    Add(name);
  }
  Add("keep.txt");
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_SELECT_ALL);
    SelectFiles(user, window, {"keep.txt"});  // the one file left out
    user.Click(window, IDC_DELETE);
    user.AnswerQuestion("Delete file", "Do you want to delete the selected files?", IDYES);
    WaitForCommandEnd(user, window);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("keep.txt"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("keep.txt"));
}
