#include "filetypes/icon_value.h"

#include <gtest/gtest.h>

TEST(ParseIconValue, ExamplesOfRegisteredValues) {
  EXPECT_EQ(ParseIconValue("c:\\icons\\a.ico"), (IconLocation{"c:\\icons\\a.ico", 0}));
  EXPECT_EQ(ParseIconValue("icons.dll,-154"), (IconLocation{"icons.dll", -154}));
  EXPECT_EQ(ParseIconValue("a.dll,x"), (IconLocation{"a.dll", 0}));
  EXPECT_EQ(ParseIconValue("a,b,3"), (IconLocation{"a", 0}));
  EXPECT_EQ(ParseIconValue("%SystemRoot%\\x.dll,2"), (IconLocation{"%SystemRoot%\\x.dll", 2}));
}

TEST(ParseIconValue, IndexReadLikeAtoi) {
  EXPECT_EQ(ParseIconValue("a.dll, 7").index, 7);
  EXPECT_EQ(ParseIconValue("a.dll,\t+3").index, 3);
  EXPECT_EQ(ParseIconValue("a.dll,12abc").index, 12);
  EXPECT_EQ(ParseIconValue("a.dll,- 4").index, 0);
  EXPECT_EQ(ParseIconValue("a.dll,").index, 0);
  EXPECT_EQ(ParseIconValue("a.dll,-").index, 0);
}

TEST(ParseIconValue, EmptyPartsAndOverflow) {
  EXPECT_EQ(ParseIconValue(",5"), (IconLocation{"", 5}));
  EXPECT_EQ(ParseIconValue(""), (IconLocation{"", 0}));
  EXPECT_EQ(ParseIconValue("a,2147483647").index, 2147483647);
  EXPECT_EQ(ParseIconValue("a,-2147483648").index, INT32_MIN);
  EXPECT_EQ(ParseIconValue("a,99999999999999999999").index, INT32_MAX);
  EXPECT_EQ(ParseIconValue("a,-2147483649").index, INT32_MIN);
}

TEST(FileTypeTexts, ProgIdCommandAndIconValue) {
  EXPECT_EQ(ProgIdFor(".txt"), "txtfile");
  EXPECT_EQ(ProgIdFor(".Backup"), "Backupfile");
  EXPECT_EQ(OpenCommandFor("c:\\bin\\edit.exe"), "c:\\bin\\edit.exe %1");
  EXPECT_EQ(IconValueFor("c:\\bin\\edit.exe", 2), "c:\\bin\\edit.exe,2");
  EXPECT_EQ(IconValueFor("icons.dll", -154), "icons.dll,-154");
}

TEST(FileTypeTexts, WrittenIconValueReadsBack) {
  for (int index : {0, 1, -154, INT32_MAX, INT32_MIN})
    EXPECT_EQ(ParseIconValue(IconValueFor("c:\\a b\\x.dll", index)), (IconLocation{"c:\\a b\\x.dll", index}));
}
