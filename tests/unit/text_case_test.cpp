// Names change case by the system's rules. For the characters of code page
// 1252 those are the rules the program always had; beyond it, every script
// with case changes it, and nothing else changes.
#include "framework/text_case.h"
#include "framework/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CasePair {
  wchar_t upper;
  wchar_t lower;
};

// Every pair of code page 1252. Anything else there has no other case:
// signs, digits, sharp s (0xDF), micro (0xB5), the ordinals ª º.
constexpr CasePair kWesternPairs[] = {
    {L'A', L'a'}, {L'B', L'b'}, {L'C', L'c'}, {L'D', L'd'}, {L'E', L'e'}, {L'F', L'f'}, {L'G', L'g'},
    {L'H', L'h'}, {L'I', L'i'}, {L'J', L'j'}, {L'K', L'k'}, {L'L', L'l'}, {L'M', L'm'}, {L'N', L'n'},
    {L'O', L'o'}, {L'P', L'p'}, {L'Q', L'q'}, {L'R', L'r'}, {L'S', L's'}, {L'T', L't'}, {L'U', L'u'},
    {L'V', L'v'}, {L'W', L'w'}, {L'X', L'x'}, {L'Y', L'y'}, {L'Z', L'z'}, {L'À', L'à'}, {L'Á', L'á'},
    {L'Â', L'â'}, {L'Ã', L'ã'}, {L'Ä', L'ä'}, {L'Å', L'å'}, {L'Æ', L'æ'}, {L'Ç', L'ç'}, {L'È', L'è'},
    {L'É', L'é'}, {L'Ê', L'ê'}, {L'Ë', L'ë'}, {L'Ì', L'ì'}, {L'Í', L'í'}, {L'Î', L'î'}, {L'Ï', L'ï'},
    {L'Ð', L'ð'}, {L'Ñ', L'ñ'}, {L'Ò', L'ò'}, {L'Ó', L'ó'}, {L'Ô', L'ô'}, {L'Õ', L'õ'}, {L'Ö', L'ö'},
    {L'Ø', L'ø'}, {L'Ù', L'ù'}, {L'Ú', L'ú'}, {L'Û', L'û'}, {L'Ü', L'ü'}, {L'Ý', L'ý'}, {L'Þ', L'þ'},
    {L'Š', L'š'}, {L'Œ', L'œ'}, {L'Ž', L'ž'}, {L'Ÿ', L'ÿ'},
};

CasePair WesternCaseOf(wchar_t character) {
  for (const CasePair& pair : kWesternPairs)
    if (character == pair.upper || character == pair.lower) return pair;
  return {character, character};
}

// Where the system's rules differ from the table of the code page. ƒ (0x83)
// gets its Unicode capital Ƒ (U+0191): code page 1252 lacks it, so a table
// bound to the code page had to leave ƒ as it was.
struct KnownDifference {
  wchar_t character;
  CasePair bySystem;
};
constexpr KnownDifference kKnownDifferences[] = {{L'ƒ', {L'Ƒ', L'ƒ'}}};

bool IsUndefinedIn1252(unsigned byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

}  // namespace

TEST(TextCase, EveryCharacterOfCodePage1252KeepsTheCaseItHad) {
  for (unsigned byte = 0x20; byte <= 0xFF; ++byte) {
    if (IsUndefinedIn1252(byte)) continue;
    const std::wstring character = WideFromWestern(std::string(1, static_cast<char>(byte)));
    ASSERT_EQ(character.size(), 1u) << "byte " << byte;
    CasePair expected = WesternCaseOf(character[0]);
    for (const KnownDifference& difference : kKnownDifferences)
      if (difference.character == character[0]) expected = difference.bySystem;
    SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << byte);
    EXPECT_EQ(ToLowerCase(character), std::wstring(1, expected.lower));
    EXPECT_EQ(ToUpperCase(character), std::wstring(1, expected.upper));
    EXPECT_TRUE(SameTextIgnoringCase(std::wstring(1, expected.lower), std::wstring(1, expected.upper)));
  }
}

TEST(TextCase, OtherScriptsChangeCaseAndTheRestStays) {
  struct Row {
    const wchar_t* text;
    const wchar_t* lower;
    const wchar_t* upper;
  };
  const Row rows[] = {
      {L"łódź", L"łódź", L"ŁÓDŹ"},
      {L"ŹDŹBŁO", L"źdźbło", L"ŹDŹBŁO"},
      {L"яблоко", L"яблоко", L"ЯБЛОКО"},
      {L"ЧЁРНЫЙ", L"чёрный", L"ЧЁРНЫЙ"},
      {L"χρώμα", L"χρώμα", L"ΧΡΏΜΑ"},  // the capital keeps the accent
      {L"Ω", L"ω", L"Ω"},
      {L"ｂＢ", L"ｂｂ", L"ＢＢ"},
      {L"アイ ﾃｽﾄ 写真 사진", L"アイ ﾃｽﾄ 写真 사진", L"アイ ﾃｽﾄ 写真 사진"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ToLowerCase(row.text), row.lower) << row.text;
    EXPECT_EQ(ToUpperCase(row.text), row.upper) << row.text;
    EXPECT_TRUE(SameTextIgnoringCase(row.lower, row.upper)) << row.text;
  }
}

TEST(TextCase, AccentsAndWidthsAreNoCase) {
  EXPECT_FALSE(SameTextIgnoringCase(L"lodz", L"łódź"));
  EXPECT_FALSE(SameTextIgnoringCase(L"A", L"Ａ"));
  EXPECT_EQ(FindIgnoringCase(L"ŁÓDŹ-plan.txt", L"łódź"), 0u);
  EXPECT_EQ(FindIgnoringCase(L"stary ŁÓDŹ-plan.txt", L"Łódź-P"), 6u);
  EXPECT_EQ(FindIgnoringCase(L"łódź.txt", L"lodz"), std::nullopt);
  EXPECT_EQ(FindIgnoringCase(L"a.txt", L""), 0u);
}
