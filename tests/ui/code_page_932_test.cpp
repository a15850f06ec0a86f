// Names on a Japanese system (code page 932), whose double-byte characters
// may end in the byte of "\" (ソ, 表, 能, 予) or of a letter (テ ends in "e"):
// every command, Properties and the archive take each name as a whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/current_language.h"
#include "archive_test_support.h"
#include "code_page_test_support.h"
#include "res/resource.h"
#include "temp_folder.h"

using testing::EndsWith;
using testing::UnorderedElementsAre;
using usersim::User;

TEST(CodePage932, EveryCommandGivesTheSystemsNames) {
  if (GetACP() != 932) GTEST_SKIP() << NeedsCodePage(932);
  const CommandRow rows[] = {
      // Kana and kanji have no case.
      {.names = {L"アイ.TXT", L"ﾃｽﾄ.TXT", L"ソフト.TXT", L"表.TXT", L"能.txt"},
       .command = IDC_LOWER_CASE,
       .after = {L"アイ.txt", L"ﾃｽﾄ.txt", L"ソフト.txt", L"表.txt", L"能.txt"}},
      {.names = {L"ソフト.txt", L"能.txt"},
       .selected = {L"ソフト.txt"},
       .command = IDC_UPPER_CASE,
       .after = {L"ソフト.TXT", L"能.txt"}},
      {.names = {L"テスト.txt", L"テスト-e.txt"},
       .command = IDC_SUBSTITUTE,
       .original = L"e",
       .replacement = L"x",
       .after = {L"テスト.txt", L"テスト-x.txt"}},
      {.names = {L"能.txt"},
       .command = IDC_SUBSTITUTE,
       .original = L"能",
       .replacement = L"表",
       .after = {L"表.txt"}},
      {.names = {L"ソフト.TXT", L"表.txt", L"能.txt", L"a.txt"},
       .selected = {L"ソフト.TXT", L"表.txt"},
       .command = IDC_DELETE,
       .after = {L"能.txt", L"a.txt"}},
      {.names = {L"表.txt", L"能.txt"},
       .command = IDC_ENUMERATE,
       .fileSpec = L"表*",
       .after = {L"NewFile0000.jpg", L"能.txt"}},
  };
  for (const CommandRow& row : rows) ExpectCommandGives(row);
}

TEST(CodePage932, PropertiesShowTheDoubleClickedFile) {
  if (GetACP() != 932) GTEST_SKIP() << NeedsCodePage(932);
  SetCurrentLanguage(Language::English);
  FakeProfile profile;
  TempFolder desktop(profile.Desktop());
  desktop.Write(L"ソフト.dvxcp", std::string(4321, 's'));
  RunMainWindowTitled(L"Dorvex [English]", [&](User& user, HWND main) {
    user.DoubleClickListItem(main, IDC_FILE_LIST, L"ソフト.dvxcp");
    HWND dialog = user.WaitForDialog("Properties");
    // A type that nobody registered has no icon to show.
    user.Answer(user.WaitForMessageBox("Error"), IDOK);
    EXPECT_EQ(user.WideText(dialog, IDC_PROPERTIES_FILE_NAME), L"ソフト.dvxcp");
    EXPECT_EQ(user.WideText(dialog, IDC_PROPERTIES_SIZE), L"4321");
    user.Click(dialog, IDCANCEL);
    user.WaitUntilGone(dialog);
    user.Click(main, IDCANCEL);
  });
}

TEST(CodePage932, RestoreAllBringsBackWhatBackupStored) {
  if (GetACP() != 932) GTEST_SKIP() << NeedsCodePage(932);
  SetCurrentLanguage(Language::English);
  FakeProfile profile;
  TempFolder desktop(profile.Desktop());
  const TempFolder folder(desktop.MakeFolder(L"予定表"));
  folder.Write(L"ソフト.TXT", "soft");
  folder.Write(L"表.txt", "table");
  const TempFolder archives;
  const std::string archivePath = archives.PathOf("names.Backup");
  RunMainWindowTitled(L"Dorvex [English]", [&](User& user, HWND main) {
    user.DoubleClickListItem(main, IDC_DIRECTORY_LIST, L"[予定表]");
    user.Click(main, IDC_BACKUP);
    user.EnterFileName(WaitForFileDialog(user), archivePath);
    user.ExpectMessageBox("Backup", "operation complete.\n2 of 2 processed\ndata copied successfully");
    for (const wchar_t* name : {L"ソフト.TXT", L"表.txt"}) DeleteFileW(folder.PathOf(name).c_str());

    user.Click(main, IDC_RETRIEVE);
    user.EnterFileName(WaitForFileDialog(user), archivePath);
    HWND restore = user.WaitForDialog("Restore");
    EXPECT_THAT(user.WideListItems(restore, IDC_RESTORE_ITEMS),
                UnorderedElementsAre(L"ソフト.TXT", L"表.txt"));
    EXPECT_THAT(user.WideText(restore, IDC_RESTORE_SOURCE_FOLDER), EndsWith(L"\\予定表\\"));
    user.Click(restore, IDC_RESTORE_ALL_ORIGINAL);
    user.ExpectMessageBox("Result", "Items restored: 2");
    user.Click(restore, IDOK);
    user.Click(main, IDCANCEL);
  });
  // The archive holds the names in the system's code page.
  const auto listing = archive_test::ListingOf(ReadWholeFile(archivePath));
  EXPECT_THAT(listing.sourceFolder, EndsWith("\\\x97\x5C\x92\xE8\x95\x5C\\"));
  ASSERT_EQ(listing.items.size(), 2u);
  EXPECT_THAT((std::vector{listing.items[0].name, listing.items[1].name}),
              UnorderedElementsAre("\x83\x5C\x83\x74\x83\x67.TXT", "\x95\x5C.txt"));
  EXPECT_EQ(folder.Read(L"ソフト.TXT"), "soft");
  EXPECT_EQ(folder.Read(L"表.txt"), "table");
}
