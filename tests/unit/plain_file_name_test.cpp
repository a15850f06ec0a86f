#include "framework/plain_file_name.h"

#include <gtest/gtest.h>

#include <string>

TEST(PlainFileName, OrdinaryNamesPass) {
  for (const std::wstring name : {L"report.txt", L"README", L".profile", L"a b.txt", L"café.doc", L"x",
                                  L"console.log", L"COM10", L"LPT", L"com.txt", L"nullify", L"auxiliary.c",
                                  L"C0M1", L"ソフト.TXT", L"x＼y.txt", L"ＣＯＮ", L"😀.png"}) {
    EXPECT_TRUE(IsPlainFileName(name)) << name;
  }
  EXPECT_TRUE(IsPlainFileName(std::wstring(255, L'a')));
}

TEST(PlainFileName, EmptyOrTooLongNamesAreRefused) {
  EXPECT_FALSE(IsPlainFileName(L""));
  EXPECT_FALSE(IsPlainFileName(std::wstring(256, L'a')));
}

TEST(PlainFileName, PathsStreamsAndWildcardsAreRefused) {
  for (const std::wstring name :
       {L"dir\\file", L"dir/file", L"c:file", L"C:\\windows\\win.ini", L"\\\\server\\share\\f", L"a:stream",
        L"..\\up.txt", L"../up.txt", L"\\root.txt", L"a*b", L"what?", L"say\"hi\"", L"<in", L"out>",
        L"pipe|d"}) {
    EXPECT_FALSE(IsPlainFileName(name)) << name;
  }
}

TEST(PlainFileName, ControlCharactersAreRefused) {
  EXPECT_FALSE(IsPlainFileName(std::wstring(L"a\0b", 3)));
  EXPECT_FALSE(IsPlainFileName(L"tab\there"));
  EXPECT_FALSE(IsPlainFileName(L"line\n"));
  EXPECT_FALSE(IsPlainFileName(L"\x1f"));
}

TEST(PlainFileName, NamesWindowsWouldTrimAreRefused) {
  for (const std::wstring name : {L".", L"..", L"...", L"trail.", L"trail ", L"name. ", L" "}) {
    EXPECT_FALSE(IsPlainFileName(name)) << '[' << name << ']';
  }
}

TEST(PlainFileName, DeviceNamesAreRefusedWithAnyCaseAndExtension) {
  for (const std::wstring name :
       {L"CON", L"con", L"PRN", L"aux", L"NUL", L"nul.txt", L"Com1.log", L"COM9", L"lpt1", L"LPT9.tar.gz",
        L"nul .txt", L"CONOUT$", L"conin$", L"COM0", L"LPT0", L"CON.txt"}) {
    EXPECT_FALSE(IsPlainFileName(name)) << name;
  }
}

TEST(PlainFileName, SuperscriptDigitDevicesAreRefused) {
  EXPECT_FALSE(IsPlainFileName(L"COM¹"));
  EXPECT_FALSE(IsPlainFileName(L"com².txt"));
  EXPECT_FALSE(IsPlainFileName(L"LPT³"));
  EXPECT_TRUE(IsPlainFileName(L"COM¼"));  // one quarter: no device
  EXPECT_TRUE(IsPlainFileName(L"COM⁴"));  // only the superscripts of code page 1252 name devices
}
