// Names cross into a code page only exactly: a character the code page
// lacks, or bytes that are no text in it, are refused, never approximated.
#include "framework/text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(TextConversion, ExactBothWaysOrRefused) {
  struct Row {
    unsigned codePage;
    const wchar_t* text;
    std::optional<std::string> bytes;  // nothing: the code page lacks a character
  };
  const Row rows[] = {
      {1252, L"café €", "caf\xE9 \x80"},
      {1250, L"Łódź", "\xA3\xF3\x64\x9F"},
      {1251, L"яблоко", "\xFF\xE1\xEB\xEE\xEA\xEE"},
      {932, L"ソ", "\x83\x5C"},  // the second byte is a backslash, and no path separator
      {932, L"表", "\x95\x5C"},
      {936, L"写真", "\xD0\xB4\xD5\xE6"},
      {949, L"사진", "\xBB\xE7\xC1\xF8"},
      {1252, L"Ω", std::nullopt},  // never the best-fit "O"
      {1252, L"ā", std::nullopt},  // never "a"
      {1252, L"Łódź", std::nullopt},
      {1251, L"é", std::nullopt},
      {932, L"사진", std::nullopt},
      {932, L"\U0001F600", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.text << " in " << row.codePage);
    EXPECT_EQ(BytesInCodePage(row.text, row.codePage), row.bytes);
    if (row.bytes) {
      EXPECT_EQ(WideFromCodePage(*row.bytes, row.codePage), row.text);
    }
  }
}

TEST(TextConversion, BytesThatAreNoTextAreRefused) {
  EXPECT_EQ(WideFromCodePage("\x83", 932), std::nullopt);  // a lead byte and no second byte
  EXPECT_EQ(WideFromCodePage("\xBB", 949), std::nullopt);
  EXPECT_EQ(WideFromCodePage("", 932), L"");
}

TEST(TextConversion, WesternBytesAreTheirCodePage1252Characters) {
  EXPECT_EQ(WideFromWestern("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                            "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"),
            L"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
  EXPECT_EQ(WideFromWestern("Gr\xF6\xDF\x65 \xE0 \xA0\xFF"), L"Größe à \u00A0ÿ");
}

TEST(TextConversion, TheFirstCharacterACodePageLacks) {
  EXPECT_EQ(FirstCharacterMissingFrom(L"aΩb", 1252), L"Ω");
  EXPECT_EQ(FirstCharacterMissingFrom(L"café\U0001F600Ω", 1252), L"\U0001F600");  // a pair is one character
  EXPECT_EQ(FirstCharacterMissingFrom(L"café €", 1252), L"");
  EXPECT_EQ(FirstCharacterMissingFrom(L"ソフト表", 932), L"");
}
