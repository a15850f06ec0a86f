// The case commands and Substitute on systems of the Central European (1250)
// and Cyrillic (1251) code pages: every letter changes case by the system's
// own rules, and Substitute finds its text whatever the case.
#include <gtest/gtest.h>

#include "code_page_test_support.h"
#include "res/resource.h"

TEST(CodePage1250, EveryCommandGivesTheSystemsNames) {
  if (GetACP() != 1250) GTEST_SKIP() << NeedsCodePage(1250);
  const CommandRow rows[] = {
      {.names = {L"łódź.txt", L"żółw.txt"}, .command = IDC_UPPER_CASE, .after = {L"ŁÓDŹ.TXT", L"ŻÓŁW.TXT"}},
      {.names = {L"ŹDŹBŁO.TXT"}, .command = IDC_LOWER_CASE, .after = {L"źdźbło.txt"}},
      {.names = {L"ŁÓDŹ-plan.txt"},
       .command = IDC_SUBSTITUTE,
       .original = L"łódź",
       .replacement = L"x",
       .after = {L"x-plan.txt"}},
  };
  for (const CommandRow& row : rows) ExpectCommandGives(row);
}

TEST(CodePage1251, EveryCommandGivesTheSystemsNames) {
  if (GetACP() != 1251) GTEST_SKIP() << NeedsCodePage(1251);
  const CommandRow rows[] = {
      {.names = {L"яблоко.txt"}, .command = IDC_UPPER_CASE, .after = {L"ЯБЛОКО.TXT"}},
      {.names = {L"ЧЁРНЫЙ.TXT"}, .command = IDC_LOWER_CASE, .after = {L"чёрный.txt"}},
      {.names = {L"ЧЁРНЫЙ-plan.txt"},
       .command = IDC_SUBSTITUTE,
       .original = L"чёрный",
       .replacement = L"x",
       .after = {L"x-plan.txt"}},
      // Letters the code page lacks follow the same rules.
      {.names = {L"ŁÓDŹ-plan.txt"},
       .command = IDC_SUBSTITUTE,
       .original = L"łódź",
       .replacement = L"x",
       .after = {L"x-plan.txt"}},
  };
  for (const CommandRow& row : rows) ExpectCommandGives(row);
}
