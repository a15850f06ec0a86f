#include "framework/string_format.h"

#include <gtest/gtest.h>

TEST(FormatText, ArgumentsFillThePlaceholdersInTurn) {
  EXPECT_EQ(FormatText(L"%d of %d processed", {3, 10}), L"3 of 10 processed");
  EXPECT_EQ(FormatText(L"%d %d", {-5, 4294967295u}), L"-5 4294967295");
  EXPECT_EQ(FormatText(L"Keine mit %s übereinstimmenden Dateien", {L"*.ソフト"}),
            L"Keine mit *.ソフト übereinstimmenden Dateien");
  EXPECT_EQ(FormatText(L"100%% of %s", {L"a.txt"}), L"100% of a.txt");
}

TEST(FormatText, ANameIsOnlyEverAnArgument) {
  EXPECT_EQ(FormatText(L"%s could not be renamed to %s", {L"50%s.txt", L"%d%%.txt"}),
            L"50%s.txt could not be renamed to %d%%.txt");
}

TEST(FormatText, WhatNoArgumentFitsStaysAsItStands) {
  EXPECT_EQ(FormatText(L"%s and %s", {L"a"}), L"a and %s");
  EXPECT_EQ(FormatText(L"%d files in %s", {L"x", L"c:\\"}), L"%d files in c:\\");  // x was used up
  EXPECT_EQ(FormatText(L"%x %", {}), L"%x %");
}

TEST(SignedSizeText, IsTheLow32BitsSigned) {
  EXPECT_EQ(SignedSizeText(0), L"0");
  EXPECT_EQ(SignedSizeText(12345), L"12345");
  EXPECT_EQ(SignedSizeText(0x7FFFFFFFu), L"2147483647");
  EXPECT_EQ(SignedSizeText(0x80000000u), L"-2147483648");
  EXPECT_EQ(SignedSizeText(0x100000005ull), L"5");
}
