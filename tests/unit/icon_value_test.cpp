#include "filetypes/icon_value.h"

#include <gtest/gtest.h>

TEST(ParseIconValue, ExamplesOfRegisteredValues) {
  EXPECT_EQ(ParseIconValue(L"c:\\icons\\a.ico"), (IconLocation{L"c:\\icons\\a.ico", 0}));
  EXPECT_EQ(ParseIconValue(L"icons.dll,-154"), (IconLocation{L"icons.dll", -154}));
  EXPECT_EQ(ParseIconValue(L"a.dll,x"), (IconLocation{L"a.dll", 0}));
  EXPECT_EQ(ParseIconValue(L"a,b,3"), (IconLocation{L"a", 0}));
  EXPECT_EQ(ParseIconValue(L"%SystemRoot%\\x.dll,2"), (IconLocation{L"%SystemRoot%\\x.dll", 2}));
}

TEST(ParseIconValue, IndexReadLikeAtoi) {
  EXPECT_EQ(ParseIconValue(L"a.dll, 7").index, 7);
  EXPECT_EQ(ParseIconValue(L"a.dll,\t+3").index, 3);
  EXPECT_EQ(ParseIconValue(L"a.dll,12abc").index, 12);
  EXPECT_EQ(ParseIconValue(L"a.dll,- 4").index, 0);
  EXPECT_EQ(ParseIconValue(L"a.dll,").index, 0);
  EXPECT_EQ(ParseIconValue(L"a.dll,-").index, 0);
}

TEST(ParseIconValue, EmptyPartsAndOverflow) {
  EXPECT_EQ(ParseIconValue(L",5"), (IconLocation{L"", 5}));
  EXPECT_EQ(ParseIconValue(L""), (IconLocation{L"", 0}));
  EXPECT_EQ(ParseIconValue(L"a,2147483647").index, 2147483647);
  EXPECT_EQ(ParseIconValue(L"a,-2147483648").index, INT32_MIN);
  EXPECT_EQ(ParseIconValue(L"a,99999999999999999999").index, INT32_MAX);
  EXPECT_EQ(ParseIconValue(L"a,-2147483649").index, INT32_MIN);
}

TEST(FileTypeTexts, ProgIdAndIconValue) {
  EXPECT_EQ(ProgIdFor(L".txt"), L"txtfile");
  EXPECT_EQ(ProgIdFor(L".Backup"), L"Backupfile");
  EXPECT_EQ(IconValueFor(L"c:\\bin\\edit.exe", 2), L"c:\\bin\\edit.exe,2");
  EXPECT_EQ(IconValueFor(L"icons.dll", -154), L"icons.dll,-154");
}

TEST(FileTypeTexts, TheOpenCommandQuotesTheProgramOnceAndTheDocument) {
  const struct {
    const wchar_t* application;
    const wchar_t* command;
  } cases[] = {
      {L"c:\\bin\\edit.exe", L"\"c:\\bin\\edit.exe\" \"%1\""},
      {L"C:\\Program Files\\Dorvex\\Dorvex.exe", L"\"C:\\Program Files\\Dorvex\\Dorvex.exe\" \"%1\""},
      {L"\"c:\\tiny editor\\edit.exe\"", L"\"c:\\tiny editor\\edit.exe\" \"%1\""},
      {L"\"c:\\tiny editor\\edit.exe\" /n", L"\"c:\\tiny editor\\edit.exe\" /n \"%1\""},
      {L"\"c:\\tiny editor\\edit.exe", L"\"c:\\tiny editor\\edit.exe\" \"%1\""},
  };
  for (const auto& c : cases) EXPECT_EQ(OpenCommandFor(c.application), c.command);
}

TEST(FileTypeTexts, WrittenIconValueReadsBack) {
  for (int index : {0, 1, -154, INT32_MAX, INT32_MIN})
    EXPECT_EQ(ParseIconValue(IconValueFor(L"c:\\a b\\x.dll", index)),
              (IconLocation{L"c:\\a b\\x.dll", index}));
}
