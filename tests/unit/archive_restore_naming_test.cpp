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

TEST(ArchiveDefaultName, IsTheLocalTimeWithEnglishNamesAndTwelveHours) {
  EXPECT_EQ(DefaultArchiveName({2026, 12, 7, 23, 32, 24, 1}), "Mon-Dec-07-26 at 11-32-24 PM");
  EXPECT_EQ(DefaultArchiveName({2009, 3, 1, 0, 5, 9, 0}), "Sun-Mar-01-09 at 12-05-09 AM");
}

}  // namespace
