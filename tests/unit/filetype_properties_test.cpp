// What the properties show of a file: its extension and its times.
#include <windows.h>

#include <gtest/gtest.h>

#include "filetypes/extension.h"
#include "filetypes/file_time_text.h"
#include "local_file_time.h"

namespace {

TEST(ExtensionOf, FromTheLastDotOn) {
  EXPECT_EQ(ExtensionOf("report.final.txt"), ".txt");
  EXPECT_EQ(ExtensionOf("a.Backup"), ".Backup");
  EXPECT_EQ(ExtensionOf(".profile"), ".profile");
  EXPECT_EQ(ExtensionOf("README"), "");
  EXPECT_EQ(ExtensionOf("trailing."), ".");
}

TEST(IsRegistrableExtension, OnlyADotAndOneKeyName) {
  EXPECT_TRUE(IsRegistrableExtension(".txt"));
  EXPECT_TRUE(IsRegistrableExtension(".a"));
  EXPECT_FALSE(IsRegistrableExtension(""));
  EXPECT_FALSE(IsRegistrableExtension("."));
  EXPECT_FALSE(IsRegistrableExtension("txt"));
  EXPECT_FALSE(IsRegistrableExtension(".txt\\Shell"));
}

TEST(FileTimeText, LocalTimeWithEnglishMonthAndTwelveHourClock) {
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(1997, 3, 5, 14, 15)), "Mar 05,97 02:15");
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(2003, 12, 1, 9, 7)), "Dec 01,03 09:07");
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(2024, 7, 31, 0, 0)), "Jul 31,24 12:00");
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(2024, 7, 31, 12, 59)), "Jul 31,24 12:59");
}

TEST(FileTimeText, ATimeOutOfRangeShowsNothing) {
  EXPECT_EQ(FileTimeText(FILETIME{0xFFFFFFFF, 0xFFFFFFFF}), "");
}

}  // namespace
