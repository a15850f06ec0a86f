#include "rename/numbered_name_rules.h"

#include <gtest/gtest.h>

#include <string>

TEST(NumberedNameRules, WhatEnumerateAcceptsAsStemAndExtension) {
  struct Row {
    std::string text;
    NamePartFault asStem;
    NamePartFault asExtension;
  };
  using enum NamePartFault;
  const Row rows[] = {
      {"jpg", None, None},
      {"", None, EmptyExtension},  // a name ending in the dot would lose it
      {".jp", None, None},         // NewFile0000..jp is a name Windows keeps
      {"my house.", None, ExtensionEndsBadly},
      {"jp ", None, ExtensionEndsBadly},
      {"a?b", ForbiddenCharacter, ForbiddenCharacter},
      {"x:", ForbiddenCharacter, ForbiddenCharacter},
      {"a\tb", ForbiddenCharacter, ForbiddenCharacter},
      {"\xE9t\xE9", None, None},  // été: letters of the code page pass
  };
  for (const Row& row : rows) {
    EXPECT_EQ(StemFault(row.text), row.asStem) << row.text;
    EXPECT_EQ(ExtensionFault(row.text), row.asExtension) << row.text;
  }
  for (const char character : std::string("\\/:*?\"<>|")) {
    EXPECT_EQ(StemFault(std::string(1, character)), ForbiddenCharacter) << character;
  }
}
