#include "framework/plain_file_name.h"

#include <gtest/gtest.h>

#include <string>

TEST(PlainFileName, OrdinaryNamesPass) {
  for (const std::string name :
       {"report.txt", "README", ".profile", "a b.txt", "caf\xE9.doc", "x", "console.log", "COM10", "LPT",
        "com.txt", "nullify", "auxiliary.c", "C0M1"}) {
    EXPECT_TRUE(IsPlainFileName(name)) << name;
  }
  EXPECT_TRUE(IsPlainFileName(std::string(255, 'a')));
}

TEST(PlainFileName, EmptyOrTooLongNamesAreRefused) {
  EXPECT_FALSE(IsPlainFileName(""));
  EXPECT_FALSE(IsPlainFileName(std::string(256, 'a')));
}

TEST(PlainFileName, PathsStreamsAndWildcardsAreRefused) {
  for (const std::string name :
       {"dir\\file", "dir/file", "c:file", "C:\\windows\\win.ini", "\\\\server\\share\\f", "a:stream",
        "..\\up.txt", "../up.txt", "\\root.txt", "a*b", "what?", "say\"hi\"", "<in", "out>", "pipe|d"}) {
    EXPECT_FALSE(IsPlainFileName(name)) << name;
  }
}

TEST(PlainFileName, ControlCharactersAreRefused) {
  EXPECT_FALSE(IsPlainFileName(std::string("a\0b", 3)));
  EXPECT_FALSE(IsPlainFileName("tab\there"));
  EXPECT_FALSE(IsPlainFileName("line\n"));
  EXPECT_FALSE(IsPlainFileName("\x1f"));
}

TEST(PlainFileName, NamesWindowsWouldTrimAreRefused) {
  for (const std::string name : {".", "..", "...", "trail.", "trail ", "name. ", " "}) {
    EXPECT_FALSE(IsPlainFileName(name)) << '[' << name << ']';
  }
}

TEST(PlainFileName, DeviceNamesAreRefusedWithAnyCaseAndExtension) {
  for (const std::string name : {"CON", "con", "PRN", "aux", "NUL", "nul.txt", "Com1.log", "COM9", "lpt1",
                                 "LPT9.tar.gz", "nul .txt", "CONOUT$", "conin$", "COM0", "LPT0"}) {
    EXPECT_FALSE(IsPlainFileName(name)) << name;
  }
}

TEST(PlainFileName, SuperscriptDigitDevicesOfCodePage1252AreRefused) {
  EXPECT_FALSE(IsPlainFileName("COM\xB9"));
  EXPECT_FALSE(IsPlainFileName("com\xB2.txt"));
  EXPECT_FALSE(IsPlainFileName("LPT\xB3"));
  EXPECT_TRUE(IsPlainFileName("COM\xBC"));  // one quarter: no device
}
