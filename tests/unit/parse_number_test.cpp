#include "framework/parse_number.h"

#include <gtest/gtest.h>

#include <string>

TEST(ParseUnsignedField, AcceptedNumbers) {
  EXPECT_EQ(ParseUnsignedField(L"0"), 0u);
  EXPECT_EQ(ParseUnsignedField(L"1000"), 1000u);
  EXPECT_EQ(ParseUnsignedField(L"1001"), 1001u);  // the range check refuses it, not the parse
  EXPECT_EQ(ParseUnsignedField(L"+5"), 5u);
  EXPECT_EQ(ParseUnsignedField(L" 7 "), 7u);
  EXPECT_EQ(ParseUnsignedField(L"\t3"), 3u);
  EXPECT_EQ(ParseUnsignedField(L" \t 0042\t "), 42u);
  EXPECT_EQ(ParseUnsignedField(L"4294967295"), 4294967295u);
}

TEST(ParseUnsignedField, MinusWrapsToThirtyTwoBits) {
  EXPECT_EQ(ParseUnsignedField(L"-1"), 4294967295u);
  EXPECT_EQ(ParseUnsignedField(L"-1000"), 4294966296u);
  EXPECT_EQ(ParseUnsignedField(L"-0"), 0u);
}

TEST(ParseUnsignedField, Refused) {
  for (const wchar_t* text :
       {L"", L"   ", L"\t", L"12a", L"a12", L"+", L"-", L"+-5", L"--5", L"+ 5", L"1 2", L"5.0", L"0x10",
        L"5\n", L"\n5", L"4294967296", L"-4294967296", L"99999999999999999999",
        // Digits and blanks of other scripts, and U+0135 whose low byte is "5".
        L"１２", L"٣", L"5\u00A0", L"\u30005", L"1\u0135"})
    EXPECT_EQ(ParseUnsignedField(text), std::nullopt) << '"' << text << '"';
}

TEST(ParseUnsignedField, OnlyTheFirst31CharactersCount) {
  EXPECT_EQ(ParseUnsignedField(std::wstring(30, L' ') + L"5"), 5u);
  EXPECT_EQ(ParseUnsignedField(std::wstring(31, L' ') + L"5"), std::nullopt);
  EXPECT_EQ(ParseUnsignedField(L"12" + std::wstring(29, L' ') + L"x"), 12u);
  EXPECT_EQ(ParseUnsignedField(L"12" + std::wstring(29, L' ') + L"ｘ"), 12u);
  EXPECT_EQ(ParseUnsignedField(std::wstring(29, L'0') + L"123"), 12u);
}
