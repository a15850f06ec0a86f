// The reader walks real files through File as it walks memory.
#include "archive/file_archive_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive_bytes.h"

using namespace archive_format;
using archive_test::ArchiveBytes;

namespace {

class ArchiveFileSource : public testing::Test {
 protected:
  void TearDown() override {
    m_file = File();  // an open file cannot be removed
    std::filesystem::remove(m_path);
  }

  // Opens the bytes as a file, the way the Restore dialog opens archives.
  File& Open(const std::string& bytes) {
    std::ofstream(m_path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(m_file.Open(m_path.wstring(), File::Mode::ReadExisting, nullptr));
    return m_file;
  }

  // ctest runs the cases side by side in one folder: each needs its own file.
  std::filesystem::path m_path =
      std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".Backup";
  File m_file;
};

TEST_F(ArchiveFileSource, ListsAndCopiesItemsOfARealFile) {
  const std::string big(5000, 'x');
  FileArchiveSource source(Open(
      ArchiveBytes("c:\\data\\", 3).Item("a.txt", "alpha").Item("empty", "").Item("big.bin", big).Bytes()));
  const auto listing = ListArchive(source);
  ASSERT_TRUE(listing);
  EXPECT_EQ(listing->sourceFolder, "c:\\data\\");
  ASSERT_EQ(listing->items.size(), 3u);
  EXPECT_FALSE(listing->damage);
  EXPECT_EQ(listing->items[1].dataOffset, 1036u + 516 + 5 + 516);

  std::string copied;
  std::vector<std::uint8_t> buffer(kChunkSize);
  const auto append = [&](std::span<const std::uint8_t> chunk) { copied.append(chunk.begin(), chunk.end()); };
  CopyItemData(source, listing->items[2], append, buffer);
  EXPECT_EQ(copied, big);
  copied.clear();
  CopyItemData(source, listing->items[0], append, buffer);
  EXPECT_EQ(copied, "alpha");
}

TEST_F(ArchiveFileSource, ATruncatedFileIsDamageAfterTheItemsThatAreWhole) {
  std::string bytes =
      ArchiveBytes("c:\\data\\", 2).Item("a.txt", "alpha").Item("b.txt", std::string(3000, 'b')).Bytes();
  bytes.resize(bytes.size() - 1);
  FileArchiveSource source(Open(bytes));
  const auto listing = ListArchive(source);
  ASSERT_TRUE(listing);
  ASSERT_EQ(listing->items.size(), 1u);
  ASSERT_TRUE(listing->damage);
  EXPECT_EQ(listing->damage->kind, ArchiveDamageKind::ItemDataTruncated);
}

TEST_F(ArchiveFileSource, AFileThatIsNoArchiveHasNoListing) {
  FileArchiveSource shortFile(Open("BACKUP"));
  EXPECT_FALSE(ListArchive(shortFile));
}

}  // namespace
