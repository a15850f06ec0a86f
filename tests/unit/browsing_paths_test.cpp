#include "ui/browsing_state.h"

#include <gtest/gtest.h>

#include <string>

TEST(BrowsingPaths, OnlyFullPathsOnADriveSplitIntoDriveAndFolder) {
  struct Row {
    const wchar_t* path;
    const wchar_t* drive;
    const wchar_t* folder;
  };
  for (const Row& row : {Row{L"c:\\", L"c:", L"\\"}, Row{L"C:\\users\\x\\", L"C:", L"\\users\\x\\"},
                         Row{L"d:\\work", L"d:", L"\\work\\"}, Row{L"c:\\写真\\", L"c:", L"\\写真\\"}}) {
    const auto split = SplitFolderPath(row.path);
    ASSERT_TRUE(split) << row.path;
    EXPECT_EQ(split->drive, row.drive);
    EXPECT_EQ(split->folder, row.folder);
  }
  for (const wchar_t* path :
       {L"", L"c:", L"c:users\\x\\", L"\\users\\x\\", L"\\\\server\\share\\x\\", L"1:\\x\\", L"x\\"})
    EXPECT_FALSE(SplitFolderPath(path)) << path;
}

TEST(BrowsingPaths, TheParentOfARootIsTheRoot) {
  struct Row {
    const wchar_t* path;
    const wchar_t* parent;
  };
  for (const Row& row : {Row{L"c:\\windows\\system\\", L"c:\\windows\\"}, Row{L"c:\\windows\\", L"c:\\"},
                         Row{L"c:\\windows", L"c:\\"}, Row{L"c:\\", L"c:\\"}})
    EXPECT_EQ(ParentFolderPath(row.path), row.parent) << row.path;
}
