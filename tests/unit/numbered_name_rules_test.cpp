#include "rename/numbered_name_rules.h"

#include <gtest/gtest.h>

#include <string>

TEST(NumberedNameRules, WhatEnumerateAcceptsAsStemAndExtension) {
  struct Row {
    std::wstring text;
    NamePartFault asStem;
    NamePartFault asExtension;
  };
  using enum NamePartFault;
  const Row rows[] = {
      {L"jpg", None, None},
      {L"", None, EmptyExtension},  // a name ending in the dot would lose it
      {L".jp", None, None},         // NewFile0000..jp is a name Windows keeps
      {L"my house.", None, ExtensionEndsBadly},
      {L"jp ", None, ExtensionEndsBadly},
      {L"a?b", ForbiddenCharacter, ForbiddenCharacter},
      {L"x:", ForbiddenCharacter, ForbiddenCharacter},
      {L"a\tb", ForbiddenCharacter, ForbiddenCharacter},
      {L"été", None, None},
      {L"ソフト", None, None},
      {L"x＼y", None, None},  // a fullwidth backslash is a letter like any other
  };
  for (const Row& row : rows) {
    EXPECT_EQ(StemFault(row.text), row.asStem) << row.text;
    EXPECT_EQ(ExtensionFault(row.text), row.asExtension) << row.text;
  }
}
