#include "ui/browsing_state.h"

#include <gtest/gtest.h>

#include <string>

TEST(BrowsingPaths, OnlyFullPathsOnADriveSplitIntoDriveAndFolder) {
  struct Row {
    const char* path;
    const char* drive;
    const char* folder;
  };
  for (const Row& row : {Row{"c:\\", "c:", "\\"}, Row{"C:\\users\\x\\", "C:", "\\users\\x\\"},
                         Row{"d:\\work", "d:", "\\work\\"}}) {
    const auto split = SplitFolderPath(row.path);
    ASSERT_TRUE(split) << row.path;
    EXPECT_EQ(split->drive, row.drive);
    EXPECT_EQ(split->folder, row.folder);
  }
  for (const char* path : {"", "c:", "c:users\\x\\", "\\users\\x\\", "\\\\server\\share\\x\\", "1:\\x\\", "x\\"})
    EXPECT_FALSE(SplitFolderPath(path)) << path;
}

TEST(BrowsingPaths, TheParentOfARootIsTheRoot) {
  struct Row {
    const char* path;
    const char* parent;
  };
  for (const Row& row : {Row{"c:\\windows\\system\\", "c:\\windows\\"}, Row{"c:\\windows\\", "c:\\"},
                         Row{"c:\\windows", "c:\\"}, Row{"c:\\", "c:\\"}})
    EXPECT_EQ(ParentFolderPath(row.path), row.parent) << row.path;
}
