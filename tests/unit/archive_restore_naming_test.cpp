#include "archive/default_archive_name.h"
#include "archive/restore_naming.h"

#include <gtest/gtest.h>

namespace {

TEST(ArchiveRestoreNaming, TheExtensionIsWhatFollowsTheLastDot) {
  EXPECT_EQ(DerivedExtension("report.txt"), "txt");
  EXPECT_EQ(DerivedExtension("archive.tar.GZ"), "GZ");
  EXPECT_EQ(DerivedExtension("README"), "README");  // no dot: the whole name
}

TEST(ArchiveRestoreNaming, TheFilterIsLoweredAndEndsTheList) {
  EXPECT_EQ(RestoreFilterFor("txt"), "txt file (*.txt)|*.txt||");
  EXPECT_EQ(RestoreFilterFor("README"), "readme file (*.readme)|*.readme||");
  EXPECT_EQ(RestoreFilterFor("\xC9T\xC9"), "\xE9t\xE9 file (*.\xE9t\xE9)|*.\xE9t\xE9||");
}

TEST(ArchiveRestoreNaming, TargetsJoinFolderAndNameWithOneBackslash) {
  EXPECT_EQ(PathInFolder("c:\\data\\", "a.txt"), "c:\\data\\a.txt");
  EXPECT_EQ(PathInFolder("c:\\data", "a.txt"), "c:\\data\\a.txt");
  EXPECT_EQ(PathInFolder("c:", "a.txt"), "c:a.txt");
  EXPECT_EQ(PathInFolder("", "a.txt"), "a.txt");
}

TEST(ArchiveRestoreNaming, FoldersInTheDeviceNamespacesTakeNoFiles) {
  for (const char* folder : {"c:\\data\\", "C:\\", "\\\\server\\share\\", "", "data"})
    EXPECT_TRUE(IsRestorableFolder(folder)) << folder;
  for (const char* folder : {"\\\\.\\", "\\\\?\\c:\\data\\", "//./", "\\??\\c:\\", "\\\\.\\c:\\"})
    EXPECT_FALSE(IsRestorableFolder(folder)) << folder;
}

TEST(ArchiveRestoreNaming, OnlyADriveRootOrAShareNamesAFolderByItself) {
  for (const char* folder : {"c:\\data\\", "Z:\\", "c:/data/", "\\\\server\\share\\", "\\\\server\\share\\sub\\"})
    EXPECT_TRUE(NamesAbsoluteFolder(folder)) << folder;
  for (const char* folder : {"", "docs\\", "c:", "c:docs\\", "\\data\\", "\\\\server", "\\\\server\\",
                             "\\\\\\share\\", "1:\\"})
    EXPECT_FALSE(NamesAbsoluteFolder(folder)) << folder;
}

TEST(ArchiveRestoreNaming, AnotherItemStoredInOtherCaseKeepsAnItemFromBeingWritten) {
  const SpellingsByCase items({"a.txt", "A.TXT", "b.txt", "b.txt"});
  struct Case {
    const char* item;
    std::vector<std::string> stored;
    std::optional<std::string> twin;
  };
  const Case cases[] = {
      {"A.TXT", {"a.txt"}, "a.txt"},          // the other item is there under this name
      {"A.TXT", {"a.txt", "A.TXT"}, {}},      // its own spelling is there too: that file is replaced
      {"A.TXT", {}, {}},                      // nothing there yet
      {"b.txt", {"B.TXT"}, {}},               // B.TXT is no item: the same file, renamed since
      {"\xE9.txt", {"\xC9.TXT"}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(CaseTwinInTheWay(c.item, c.stored, items), c.twin) << c.item;
  EXPECT_EQ(CaseTwinInTheWay("\xE9.txt", {"\xC9.TXT"}, SpellingsByCase({"\xE9.txt", "\xC9.TXT"})),
            "\xC9.TXT");
}

TEST(ArchiveRestoreNaming, OnlyANameHeldInAnotherSpellingHasACaseTwin) {
  const SpellingsByCase names({"a.txt", "A.TXT", "b.txt", "b.txt", "\xE9.txt", "\xC9.TXT"});
  for (const char* twinned : {"a.txt", "A.TXT", "\xE9.txt", "\xC9.TXT", "a.TXT"})
    EXPECT_TRUE(names.HasOtherSpelling(twinned)) << twinned;
  // The same spelling twice is one name; a name the archive lacks has no twin of its own.
  for (const char* single : {"b.txt", "c.txt", ""}) EXPECT_FALSE(names.HasOtherSpelling(single)) << single;
}

TEST(ArchiveDefaultName, IsTheLocalTimeWithEnglishNamesAndTwelveHours) {
  EXPECT_EQ(DefaultArchiveName({2026, 12, 7, 23, 32, 24, 1}), "Mon-Dec-07-26 at 11-32-24 PM");
  EXPECT_EQ(DefaultArchiveName({2009, 3, 1, 0, 5, 9, 0}), "Sun-Mar-01-09 at 12-05-09 AM");
}

}  // namespace
