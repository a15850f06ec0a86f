#include "framework/time_format.h"

#include <gtest/gtest.h>

namespace {

LocalTime At(int year, int month, int day, int hour, int minute, int second, int dayOfWeek) {
  return LocalTime{year, month, day, hour, minute, second, dayOfWeek};
}

}  // namespace

TEST(FormatTime, PatternsOfTheProgram) {
  EXPECT_EQ(FormatTime(At(2026, 12, 7, 23, 32, 24, 1), "%a-%b-%d-%y at %I-%M-%S %p"),
            "Mon-Dec-07-26 at 11-32-24 PM");
  const LocalTime march5 = At(1997, 3, 5, 14, 15, 33, 3);
  EXPECT_EQ(FormatTime(march5, "%b %d,%Y %I:%M:%S"), "Mar 05,1997 02:15:33");
  EXPECT_EQ(FormatTime(march5, "%b %d,%y %I:%M"), "Mar 05,97 02:15");
}

TEST(FormatTime, TwelveHourClockAroundMidnightAndNoon) {
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 0, 5, 0, 1), "%I:%M %p %H"), "12:05 AM 00");
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 11, 59, 0, 1), "%I %p"), "11 AM");
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 12, 0, 0, 1), "%I %p %H"), "12 PM 12");
  EXPECT_EQ(FormatTime(At(2001, 1, 1, 13, 0, 0, 1), "%I %p"), "01 PM");
}

TEST(FormatTime, EnglishNamesAndNumbers) {
  EXPECT_EQ(FormatTime(At(2000, 9, 3, 8, 1, 2, 0), "%A %a %B %b %m/%d/%y %Y"),
            "Sunday Sun September Sep 09/03/00 2000");
  EXPECT_EQ(FormatTime(At(2009, 12, 31, 0, 0, 0, 6), "%A %B %y"), "Saturday December 09");
}

TEST(FormatTime, PercentSignsAndUnknownConversions) {
  const LocalTime t = At(2020, 5, 6, 7, 8, 9, 3);
  EXPECT_EQ(FormatTime(t, "100%% %d"), "100% 06");
  EXPECT_EQ(FormatTime(t, "%q%"), "%q%");
  EXPECT_EQ(FormatTime(t, ""), "");
}

TEST(FormatTime, OutOfRangeNamesDoNotReadOutsideTheTables) {
  EXPECT_EQ(FormatTime(At(2020, 13, 1, 0, 0, 0, 7), "%b %B %a %A"), "? ? ? ?");
  EXPECT_EQ(FormatTime(At(2020, 0, 1, 0, 0, 0, -1), "%b %a"), "? ?");
}
