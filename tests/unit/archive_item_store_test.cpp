#include "archive/archive_format.h"
#include "archive/item_data_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace archive_format;

namespace {

// A source file whose content is `content`, read in pieces of at most
// `piece` bytes, the way a file being changed by someone else may answer.
struct FakeSource {
  std::string content;
  std::size_t piece = 4096;
  std::size_t position = 0;
  std::size_t reads = 0;

  std::size_t Read(std::span<std::uint8_t> buffer) {
    ++reads;
    const std::size_t n = std::min({buffer.size(), piece, content.size() - position});
    std::copy_n(content.begin() + static_cast<std::ptrdiff_t>(position), n, buffer.begin());
    position += n;
    return n;
  }
};

struct Stored {
  std::string data;
  std::vector<std::size_t> chunkSizes;
  std::uint64_t taken = 0;
};

// Through a buffer of the format's chunk size, so that the chunks show.
Stored Store(FakeSource& source, std::uint32_t dataSize) {
  Stored out;
  std::vector<std::uint8_t> buffer(kChunkSize);
  out.taken = StoreItemData(
      dataSize, [&](std::span<std::uint8_t> chunk) { return source.Read(chunk); },
      [&](std::span<const std::uint8_t> chunk) {
        out.data.append(chunk.begin(), chunk.end());
        out.chunkSizes.push_back(chunk.size());
      },
      buffer);
  return out;
}

std::string Pattern(std::size_t size) {
  std::string text(size, '\0');
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + i % 23);
  return text;
}

TEST(ArchiveItemStore, CopiesTheContentInChunksOfAtMostTheBuffersSize) {
  FakeSource source{Pattern(5000)};
  const Stored stored = Store(source, 5000);
  EXPECT_EQ(stored.data, source.content);
  EXPECT_EQ(stored.chunkSizes, (std::vector<std::size_t>{2048, 2048, 904}));
  EXPECT_EQ(stored.taken, 5000u);
}

TEST(ArchiveItemStore, AnEmptyFileStoresNothingAndIsNotRead) {
  FakeSource source{""};
  const Stored stored = Store(source, 0);
  EXPECT_TRUE(stored.chunkSizes.empty());
  EXPECT_EQ(source.reads, 0u);
}

TEST(ArchiveItemStore, ShortReadsAreCollectedIntoWholeChunks) {
  FakeSource source{Pattern(3000), 100};
  const Stored stored = Store(source, 3000);
  EXPECT_EQ(stored.data, source.content);
  EXPECT_EQ(stored.chunkSizes, (std::vector<std::size_t>{2048, 952}));
}

TEST(ArchiveItemStore, ASourceThatShrankKeepsTheItemsLengthWithZeros) {
  // The size was taken as 5000; the file holds only 2100 bytes by now.
  FakeSource source{Pattern(2100)};
  const Stored stored = Store(source, 5000);
  ASSERT_EQ(stored.data.size(), 5000u);
  EXPECT_EQ(stored.data.substr(0, 2100), source.content);
  EXPECT_EQ(stored.data.substr(2100), std::string(2900, '\0'));
  EXPECT_EQ(stored.chunkSizes, (std::vector<std::size_t>{2048, 2048, 904}));
  EXPECT_EQ(stored.taken, 2100u);
}

TEST(ArchiveItemStore, ASourceThatGrewStoresOnlyTheSizeTakenAtTheStart) {
  FakeSource source{Pattern(9000)};
  const Stored stored = Store(source, 4100);
  EXPECT_EQ(stored.data, source.content.substr(0, 4100));
  EXPECT_EQ(source.position, 4100u);  // nothing beyond was read
}

TEST(ArchiveItemStore, FilesOf4GiBOrMoreHaveNoDataSize) {
  EXPECT_EQ(StorableDataSize(0), 0u);
  EXPECT_EQ(StorableDataSize(0xFFFFFFFFull), 0xFFFFFFFFu);
  EXPECT_EQ(StorableDataSize(0x100000000ull), std::nullopt);
  EXPECT_EQ(StorableDataSize(0x100000005ull), std::nullopt);  // not stored as 5 bytes
}

}  // namespace
