#include "framework/file_dialog.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(PlatformFilter, BarsBecomeNulsAndPairsAreCompleted) {
  struct Row {
    const char* filter;
    std::string platform;
  };
  const Row rows[] = {
      {"Backup Files (*.Backup)|*.Backup||", "Backup Files (*.Backup)\0*.Backup\0\0"s},
      {"Backup Files (*.Backup)|*.Backup", "Backup Files (*.Backup)\0*.Backup\0\0"s},
      {"Programs (*.exe)|*.exe|Scripts (*.bat; *.cmd)|*.bat; *.cmd||",
       "Programs (*.exe)\0*.exe\0Scripts (*.bat; *.cmd)\0*.bat; *.cmd\0\0"s},
      // A lone pattern describes itself, also after complete pairs.
      {"*.Backup", "*.Backup\0*.Backup\0\0"s},
      {"a|*.a|*.b||", "a\0*.a\0*.b\0*.b\0\0"s},
      // No filter at all: the platform is given none.
      {"", "\0"s},
      {"||", "\0"s},
  };
  for (const Row& row : rows) EXPECT_EQ(PlatformFilterFrom(row.filter), row.platform) << row.filter;
}
