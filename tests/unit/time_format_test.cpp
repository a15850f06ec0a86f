#include "framework/time_format.h"

#include <gtest/gtest.h>

namespace {

LocalTime At(int year, int month, int day, int hour, int minute, int second, int dayOfWeek) {
  return LocalTime{year, month, day, hour, minute, second, dayOfWeek};
}

}  // namespace

TEST(FormatTime, PatternsOfTheProgram) {
  EXPECT_EQ(FormatTime(At(2026, 12, 7, 23, 32, 24, 1), L"%a-%b-%d-%y at %I-%M-%S %p"),
            L"Mon-Dec-07-26 at 11-32-24 PM");
  const LocalTime march5 = At(1997, 3, 5, 14, 15, 33, 3);
  EXPECT_EQ(FormatTime(march5, L"%b %d,%Y %I:%M:%S"), L"Mar 05,1997 02:15:33");
  EXPECT_EQ(FormatTime(march5, L"%b %d,%y %I:%M"), L"Mar 05,97 02:15");
}

TEST(FormatTime, TwelveHourClockAroundMidnightAndNoon) {
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 0, 5, 0, 1), L"%I:%M %p %H"), L"12:05 AM 00");
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 11, 59, 0, 1), L"%I %p"), L"11 AM");
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 12, 0, 0, 1), L"%I %p %H"), L"12 PM 12");
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 13, 0, 0, 1), L"%I %p"), L"01 PM");
}

TEST(FormatTime, EnglishNamesAndNumbers) {
  EXPECT_EQ(FormatTime(At(2000, 9, 3, 8, 1, 2, 0), L"%A %a %B %b %m/%d/%y %Y"),
            L"Sunday Sun September Sep 09/03/00 2000");
  EXPECT_EQ(FormatTime(At(2009, 12, 31, 0, 0, 0, 6), L"%A %B %y"), L"Saturday December 09");
}

TEST(FormatTime, PercentSignsAndUnknownConversions) {
  const LocalTime t = At(2020, 5, 6, 7, 8, 9, 3);
  EXPECT_EQ(FormatTime(t, L"100%% %d"), L"100% 06");
  EXPECT_EQ(FormatTime(t, L"%q%"), L"%q%");
  EXPECT_EQ(FormatTime(t, L""), L"");
}

TEST(FormatTime, OutOfRangeNamesDoNotReadOutsideTheTables) {
  EXPECT_EQ(FormatTime(At(2020, 13, 1, 0, 0, 0, 7), L"%b %B %a %A"), L"? ? ? ?");
  EXPECT_EQ(FormatTime(At(2020, 0, 1, 0, 0, 0, -1), L"%b %a"), L"? ?");
}
