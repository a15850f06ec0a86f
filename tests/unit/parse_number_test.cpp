#include "framework/parse_number.h"

#include <gtest/gtest.h>

#include <string>

TEST(ParseUnsignedField, AcceptedNumbers) {
  EXPECT_EQ(ParseUnsignedField("0"), 0u);
  EXPECT_EQ(ParseUnsignedField("1000"), 1000u);
  EXPECT_EQ(ParseUnsignedField("1001"), 1001u);  // the range check refuses it, not the parse
  EXPECT_EQ(ParseUnsignedField("+5"), 5u);
  EXPECT_EQ(ParseUnsignedField(" 7 "), 7u);
  EXPECT_EQ(ParseUnsignedField("\t3"), 3u);
  EXPECT_EQ(ParseUnsignedField(" \t 0042\t "), 42u);
  EXPECT_EQ(ParseUnsignedField("4294967295"), 4294967295u);
}

TEST(ParseUnsignedField, MinusWrapsToThirtyTwoBits) {
  EXPECT_EQ(ParseUnsignedField("-1"), 4294967295u);
  EXPECT_EQ(ParseUnsignedField("-1000"), 4294966296u);
  EXPECT_EQ(ParseUnsignedField("-0"), 0u);
}

TEST(ParseUnsignedField, Refused) {
  for (const char* text : {"", "   ", "\t", "12a", "a12", "+", "-", "+-5", "--5", "+ 5", "1 2", "5.0", "0x10",
                           "5\n", "\n5", "4294967296", "-4294967296", "99999999999999999999"})
    EXPECT_EQ(ParseUnsignedField(text), std::nullopt) << '"' << text << '"';
}

TEST(ParseUnsignedField, OnlyTheFirst31CharactersCount) {
  EXPECT_EQ(ParseUnsignedField(std::string(30, ' ') + "5"), 5u);
  EXPECT_EQ(ParseUnsignedField(std::string(31, ' ') + "5"), std::nullopt);
  EXPECT_EQ(ParseUnsignedField("12" + std::string(29, ' ') + "x"), 12u);
  EXPECT_EQ(ParseUnsignedField(std::string(29, '0') + "123"), 12u);
}
