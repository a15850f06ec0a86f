#include "framework/file_dialog.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(PlatformFilter, BarsBecomeNulsAndPairsAreCompleted) {
  struct Row {
    const wchar_t* filter;
    std::wstring platform;
  };
  const Row rows[] = {
      {L"Backup Files (*.Backup)|*.Backup||", L"Backup Files (*.Backup)\0*.Backup\0\0"s},
      {L"Backup Files (*.Backup)|*.Backup", L"Backup Files (*.Backup)\0*.Backup\0\0"s},
      {L"Programs (*.exe)|*.exe|Scripts (*.bat; *.cmd)|*.bat; *.cmd||",
       L"Programs (*.exe)\0*.exe\0Scripts (*.bat; *.cmd)\0*.bat; *.cmd\0\0"s},
      // A lone pattern describes itself, also after complete pairs.
      {L"*.Backup", L"*.Backup\0*.Backup\0\0"s},
      {L"a|*.a|*.b||", L"a\0*.a\0*.b\0*.b\0\0"s},
      // No filter at all: the platform is given none.
      {L"", L"\0"s},
      {L"||", L"\0"s},
  };
  for (const Row& row : rows) EXPECT_EQ(PlatformFilterFrom(row.filter), row.platform) << row.filter;
}
