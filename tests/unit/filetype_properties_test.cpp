// What the properties show of a file: its extension and its times.
#include <windows.h>

#include <gtest/gtest.h>

#include "filetypes/extension.h"
#include "filetypes/file_time_text.h"
#include "local_file_time.h"

namespace {

TEST(ExtensionOf, FromTheLastDotOn) {
  EXPECT_EQ(ExtensionOf(L"report.final.txt"), L".txt");
  EXPECT_EQ(ExtensionOf(L"a.Backup"), L".Backup");
  EXPECT_EQ(ExtensionOf(L".profile"), L".profile");
  EXPECT_EQ(ExtensionOf(L"README"), L"");
  EXPECT_EQ(ExtensionOf(L"trailing."), L".");
}

TEST(IsRegistrableExtension, OnlyADotAndOneKeyName) {
  EXPECT_TRUE(IsRegistrableExtension(L".txt"));
  EXPECT_TRUE(IsRegistrableExtension(L".a"));
  EXPECT_FALSE(IsRegistrableExtension(L""));
  EXPECT_FALSE(IsRegistrableExtension(L"."));
  EXPECT_FALSE(IsRegistrableExtension(L"txt"));
  EXPECT_FALSE(IsRegistrableExtension(L".txt\\Shell"));
}

TEST(FileTimeText, LocalTimeWithEnglishMonthAndTwelveHourClock) {
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(1997, 3, 5, 14, 15)), L"Mar 05,97 02:15");
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(2003, 12, 1, 9, 7)), L"Dec 01,03 09:07");
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(2024, 7, 31, 0, 0)), L"Jul 31,24 12:00");
  EXPECT_EQ(FileTimeText(FileTimeAtLocal(2024, 7, 31, 12, 59)), L"Jul 31,24 12:59");
}

TEST(FileTimeText, ATimeOutOfRangeShowsNothing) {
  EXPECT_EQ(FileTimeText(FILETIME{0xFFFFFFFF, 0xFFFFFFFF}), L"");
}

}  // namespace
