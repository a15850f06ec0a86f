// Names that the Western code page (1252) lacks, beside look-alikes that it
// has: every command acts on exactly the name shown, and Backup, whose
// archive keeps names in the code page, refuses them by name.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/current_language.h"
#include "archive_test_support.h"
#include "code_page_test_support.h"
#include "res/resource.h"
#include "temp_folder.h"

using testing::UnorderedElementsAre;
using usersim::MessageBoxIcon;
using usersim::User;

TEST(CodePage1252, EveryCommandActsOnExactlyTheShownName) {
  if (GetACP() != 1252) GTEST_SKIP() << NeedsCodePage(1252);
  // A full-width "\" is no path separator, a full-width "b" no "b".
  const std::vector<std::wstring> names = {L"Ω.txt",    L"日本.txt", L"Dvořák.txt",
                                           L"x＼y.txt", L"b.txt",    L"ｂ.txt"};
  const CommandRow rows[] = {
      {.names = names,
       .selected = {L"Ω.txt"},
       .command = IDC_LOWER_CASE,
       .after = {L"ω.txt", L"日本.txt", L"Dvořák.txt", L"x＼y.txt", L"b.txt", L"ｂ.txt"}},
      {.names = names,
       .selected = {L"Dvořák.txt", L"ｂ.txt"},
       .command = IDC_UPPER_CASE,
       .after = {L"Ω.txt", L"日本.txt", L"DVOŘÁK.TXT", L"x＼y.txt", L"b.txt", L"Ｂ.TXT"}},
      {.names = names,
       .selected = {L"日本.txt", L"b.txt"},
       .command = IDC_UPPER_CASE,
       .after = {L"Ω.txt", L"日本.TXT", L"Dvořák.txt", L"x＼y.txt", L"B.TXT", L"ｂ.txt"}},
      {.names = names,
       .command = IDC_SUBSTITUTE,
       .original = L"ｂ",
       .replacement = L"c",
       .after = {L"Ω.txt", L"日本.txt", L"Dvořák.txt", L"x＼y.txt", L"b.txt", L"c.txt"}},
      {.names = names,
       .command = IDC_SUBSTITUTE,
       .original = L"b",
       .replacement = L"c",
       .after = {L"Ω.txt", L"日本.txt", L"Dvořák.txt", L"x＼y.txt", L"c.txt", L"ｂ.txt"}},
      {.names = names,
       .command = IDC_SUBSTITUTE,
       .original = L"＼",
       .replacement = L"-",
       .after = {L"Ω.txt", L"日本.txt", L"Dvořák.txt", L"x-y.txt", L"b.txt", L"ｂ.txt"}},
      {.names = names,
       .selected = {L"日本.txt", L"ｂ.txt"},
       .command = IDC_DELETE,
       .after = {L"Ω.txt", L"Dvořák.txt", L"x＼y.txt", L"b.txt"}},
      {.names = names,
       .command = IDC_ENUMERATE,
       .fileSpec = L"ｂ*",
       .after = {L"Ω.txt", L"日本.txt", L"Dvořák.txt", L"x＼y.txt", L"b.txt", L"NewFile0000.jpg"}},
  };
  for (const CommandRow& row : rows) ExpectCommandGives(row);
}

TEST(CodePage1252, BackupRefusesNamesOutsideTheCodePageByNameAndStoresTheRest) {
  if (GetACP() != 1252) GTEST_SKIP() << NeedsCodePage(1252);
  SetCurrentLanguage(Language::English);
  FakeProfile profile;
  TempFolder desktop(profile.Desktop());
  for (const wchar_t* name : {L"a.txt", L"Ω.txt", L"日本.txt"}) desktop.Write(name, "stored");
  const TempFolder archives;
  const std::string archivePath = archives.PathOf("names.Backup");
  std::vector<std::wstring> refusals;
  RunMainWindowTitled(L"Dorvex [English]", [&](User& user, HWND main) {
    user.Click(main, IDC_BACKUP);
    user.EnterFileName(WaitForFileDialog(user), archivePath);
    for (int box = 0; box < 2; ++box) {
      const auto refusal = user.WaitForMessageBox("Error");
      EXPECT_EQ(refusal.icon, MessageBoxIcon::Stop);
      refusals.push_back(refusal.wideText);
      user.Answer(refusal, IDOK);
    }
    user.ExpectMessageBox("Backup", "operation complete.\n1 of 3 processed\ndata copied successfully");
    user.Click(main, IDCANCEL);
  });
  EXPECT_THAT(refusals,
              UnorderedElementsAre(L"Ω.txt could not be stored because\nits name has a character "
                                   L"(\"Ω\") that the system's code page (1252) lacks.",
                                   L"日本.txt could not be stored because\nits name has a character "
                                   L"(\"日\") that the system's code page (1252) lacks."));
  const auto listing = archive_test::ListingOf(ReadWholeFile(archivePath));
  EXPECT_EQ(listing.declaredItemCount, 1u);
  ASSERT_EQ(listing.items.size(), 1u);
  EXPECT_EQ(listing.items[0].name, "a.txt");
}
