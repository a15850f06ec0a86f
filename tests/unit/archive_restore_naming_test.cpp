#include "archive/default_archive_name.h"
#include "archive/restore_naming.h"

#include <gtest/gtest.h>

namespace {

TEST(ArchiveRestoreNaming, TheExtensionIsWhatFollowsTheLastDot) {
  EXPECT_EQ(DerivedExtension(L"report.txt"), L"txt");
  EXPECT_EQ(DerivedExtension(L"archive.tar.GZ"), L"GZ");
  EXPECT_EQ(DerivedExtension(L"README"), L"README");  // no dot: the whole name
}

TEST(ArchiveRestoreNaming, TheFilterIsLoweredAndEndsTheList) {
  EXPECT_EQ(RestoreFilterFor(L"txt"), L"txt file (*.txt)|*.txt||");
  EXPECT_EQ(RestoreFilterFor(L"README"), L"readme file (*.readme)|*.readme||");
  EXPECT_EQ(RestoreFilterFor(L"ÉTÉ"), L"été file (*.été)|*.été||");
}

TEST(ArchiveRestoreNaming, FoldersInTheDeviceNamespacesTakeNoFiles) {
  EXPECT_TRUE(IsRestorableFolder(L"c:\\data\\"));
  EXPECT_FALSE(IsRestorableFolder(L"\\\\.\\"));
}

TEST(ArchiveRestoreNaming, AnotherItemStoredInOtherCaseKeepsAnItemFromBeingWritten) {
  const SpellingsByCase items({L"a.txt", L"A.TXT", L"b.txt", L"b.txt"});
  struct Case {
    const wchar_t* item;
    std::vector<std::wstring> stored;
    std::optional<std::wstring> twin;
  };
  const Case cases[] = {
      {L"A.TXT", {L"a.txt"}, L"a.txt"},      // the other item is there under this name
      {L"A.TXT", {L"a.txt", L"A.TXT"}, {}},  // its own spelling is there too: that file is replaced
      {L"A.TXT", {}, {}},                    // nothing there yet
      {L"b.txt", {L"B.TXT"}, {}},            // B.TXT is no item: the same file, renamed since
      {L"é.txt", {L"É.TXT"}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(CaseTwinInTheWay(c.item, c.stored, items), c.twin) << c.item;
  EXPECT_EQ(CaseTwinInTheWay(L"é.txt", {L"É.TXT"}, SpellingsByCase({L"é.txt", L"É.TXT"})), L"É.TXT");
}

TEST(ArchiveRestoreNaming, OnlyANameHeldInAnotherSpellingHasACaseTwin) {
  const SpellingsByCase names({L"a.txt", L"A.TXT", L"b.txt", L"b.txt", L"é.txt", L"É.TXT"});
  for (const wchar_t* twinned : {L"a.txt", L"A.TXT", L"é.txt", L"É.TXT", L"a.TXT"})
    EXPECT_TRUE(names.HasOtherSpelling(twinned)) << twinned;
  // The same spelling twice is one name; a name the archive lacks has no twin of its own.
  for (const wchar_t* single : {L"b.txt", L"c.txt", L""})
    EXPECT_FALSE(names.HasOtherSpelling(single)) << single;
}

TEST(ArchiveDefaultName, IsTheLocalTimeWithEnglishNamesAndTwelveHours) {
  EXPECT_EQ(DefaultArchiveName({2026, 12, 7, 23, 32, 24, 1}), L"Mon-Dec-07-26 at 11-32-24 PM");
  EXPECT_EQ(DefaultArchiveName({2009, 3, 1, 0, 5, 9, 0}), L"Sun-Mar-01-09 at 12-05-09 AM");
}

}  // namespace
