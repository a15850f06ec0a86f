#include "archive/archive_format.h"
#include "archive/memory_archive_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "archive_bytes.h"

using namespace archive_format;

namespace {

using Bytes = std::vector<std::uint8_t>;

using archive_test::ArchiveBytes;

std::optional<ArchiveListing> List(const Bytes& bytes) {
  MemoryArchiveSource source(bytes);
  return ListArchive(source);
}

std::string Data(ArchiveSource& source, const ArchiveItem& item) {
  std::string out;
  std::vector<std::uint8_t> buffer(kChunkSize);
  CopyItemData(
      source, item, [&](std::span<const std::uint8_t> chunk) { out.append(chunk.begin(), chunk.end()); },
      buffer);
  return out;
}

// A file of any length that holds the given bytes at given offsets and
// zeros elsewhere, counting the bytes it delivers.
class SparseSource final : public ArchiveSource {
 public:
  SparseSource(std::uint64_t length, std::map<std::uint64_t, Bytes> regions)
      : m_length(length), m_regions(std::move(regions)) {}
  std::size_t Read(void* buffer, std::size_t count) override {
    if (m_position >= m_length) return 0;
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_length - m_position));
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::memset(out, 0, n);
    for (const auto& [start, bytes] : m_regions) {
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (start + i >= m_position && start + i < m_position + n) out[start + i - m_position] = bytes[i];
      }
    }
    m_position += n;
    bytesRead += n;
    return n;
  }
  void SeekTo(std::uint64_t offset) override { m_position = offset; }
  std::uint64_t Length() override { return m_length; }
  std::uint64_t bytesRead = 0;

 private:
  std::uint64_t m_length;
  std::map<std::uint64_t, Bytes> m_regions;
  std::uint64_t m_position = 0;
};

// Hands out one byte per call, as a slow source may.
class TrickleSource final : public ArchiveSource {
 public:
  explicit TrickleSource(const Bytes& bytes) : m_inner(bytes) {}
  std::size_t Read(void* buffer, std::size_t count) override {
    return m_inner.Read(buffer, std::min<std::size_t>(count, 1));
  }
  void SeekTo(std::uint64_t offset) override { m_inner.SeekTo(offset); }
  std::uint64_t Length() override { return m_inner.Length(); }

 private:
  MemoryArchiveSource m_inner;
};

Bytes ItemHeaderAt(std::uint32_t dataSize, std::string_view name) {
  const Bytes bytes = ArchiveBytes("", 0).ItemWithSize(name, dataSize).ByteVector();
  return Bytes(bytes.begin() + kHeaderSize, bytes.end());
}

}  // namespace

TEST(ArchiveEncoding, HeaderHasTheExactLayoutWithZerosAfterTheFolder) {
  const auto header = EncodeHeader("c:\\data\\", 0x01020304);
  ASSERT_TRUE(header);
  const std::uint8_t signature[] = {0x42, 0x41, 0x43, 0x4B, 0x55, 0x50, 0x00, 0x01};
  EXPECT_EQ(0, std::memcmp(header->data(), signature, 8));
  EXPECT_EQ(Bytes(header->begin() + 8, header->begin() + 12), (Bytes{4, 3, 2, 1}));
  EXPECT_EQ(std::string(header->begin() + 12, header->begin() + 20), "c:\\data\\");
  EXPECT_TRUE(std::all_of(header->begin() + 20, header->end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(header->size(), 1036u);
}

TEST(ArchiveEncoding, ItemHeaderHasSizeThenNameAndZeros) {
  const auto item = EncodeItemHeader("a.txt", 0xDEADBEEF);
  ASSERT_TRUE(item);
  EXPECT_EQ(Bytes(item->begin(), item->end()), ItemHeaderAt(0xDEADBEEF, "a.txt"));
  EXPECT_EQ(item->size(), 516u);
}

TEST(ArchiveEncoding, NameOf511BytesEndsWithItsTerminatorAsLastByte) {
  const std::string name(kMaxItemNameLength, 'n');
  const auto item = EncodeItemHeader(name, 7);
  ASSERT_TRUE(item);
  EXPECT_EQ(item->back(), 0);
  EXPECT_EQ(std::string(item->begin() + 4, item->end() - 1), name);
  EXPECT_EQ(DecodeItemHeader(*item).name, name);
}

TEST(ArchiveEncoding, RefusesTextsTheFieldsCannotGiveBack) {
  EXPECT_FALSE(EncodeItemHeader(std::string(512, 'n'), 0));
  EXPECT_FALSE(EncodeItemHeader(std::string("a\0b", 3), 0));
  EXPECT_TRUE(EncodeHeader(std::string(kMaxFolderLength, 'f'), 0));
  EXPECT_FALSE(EncodeHeader(std::string(1024, 'f'), 0));
}

TEST(ArchiveEncoding, DecodingGivesBackWhatWasEncoded) {
  const Header header = DecodeHeader(*EncodeHeader("d:\\x\\", 42));
  EXPECT_EQ(header.itemCount, 42u);
  EXPECT_EQ(header.sourceFolder, "d:\\x\\");
  EXPECT_TRUE(header.folderTerminated);
  const ItemHeader item = DecodeItemHeader(*EncodeItemHeader("", 0));
  EXPECT_EQ(item.name, "");
  EXPECT_TRUE(item.nameTerminated);
}

TEST(ArchiveValidity, OnlyTheExactSignatureOfAtLeastEightBytesIsValid) {
  EXPECT_FALSE(List({}));
  Bytes sevenBytes = {'B', 'A', 'C', 'K', 'U', 'P', 0};
  EXPECT_FALSE(List(sevenBytes));
  Bytes otherVersion = ArchiveBytes("c:\\", 0).ByteVector();
  otherVersion[7] = 2;
  EXPECT_FALSE(List(otherVersion));
  Bytes lowerCase = ArchiveBytes("c:\\", 0).ByteVector();
  lowerCase[0] = 'b';
  EXPECT_FALSE(List(lowerCase));
  EXPECT_TRUE(HasSignature(ArchiveBytes("c:\\", 0).ByteVector()));
}

TEST(ArchiveValidity, SignatureWithoutTheRestOfTheHeaderIsDamaged) {
  Bytes bytes = ArchiveBytes("c:\\", 0).ByteVector();
  bytes.resize(8);
  const auto listing = List(bytes);
  ASSERT_TRUE(listing);
  ASSERT_TRUE(listing->damage);
  EXPECT_EQ(listing->damage->kind, ArchiveDamageKind::HeaderTruncated);
  EXPECT_TRUE(listing->items.empty());
}

TEST(ArchiveReading, ItemCountZeroIsAValidEmptyArchive) {
  const auto listing = List(ArchiveBytes("c:\\users\\me\\", 0).ByteVector());
  ASSERT_TRUE(listing);
  EXPECT_EQ(listing->sourceFolder, "c:\\users\\me\\");
  EXPECT_EQ(listing->declaredItemCount, 0u);
  EXPECT_TRUE(listing->items.empty());
  EXPECT_FALSE(listing->damage);
}

TEST(ArchiveReading, InterruptedBackupWithCountZeroListsNoItemsAndNoDamage) {
  ArchiveBytes builder("c:\\", 0);
  builder.Item("a.txt", "abc").ItemWithSize("b.txt", 100);  // the last one cut short
  const auto listing = List(builder.ByteVector());
  ASSERT_TRUE(listing);
  EXPECT_TRUE(listing->items.empty());
  EXPECT_FALSE(listing->damage);
}

TEST(ArchiveReading, SeveralItemsWithAnEmptyOneListInFileOrderWithTheirData) {
  ArchiveBytes builder("c:\\f\\", 3);
  builder.Item("alpha.txt", "first").Item("empty.dat", "").Item("zeta", std::string(5000, 'z'));
  const Bytes bytes = builder.ByteVector();
  MemoryArchiveSource source(bytes);
  const auto listing = ListArchive(source);
  ASSERT_TRUE(listing);
  EXPECT_FALSE(listing->damage);
  ASSERT_EQ(listing->items.size(), 3u);
  EXPECT_EQ(listing->items[0].name, "alpha.txt");
  EXPECT_EQ(listing->items[0].dataOffset, kHeaderSize + kItemHeaderSize);
  EXPECT_EQ(listing->items[1].name, "empty.dat");
  EXPECT_EQ(listing->items[1].dataSize, 0u);
  EXPECT_EQ(listing->items[2].dataOffset, listing->items[1].dataOffset + kItemHeaderSize);
  EXPECT_EQ(Data(source, listing->items[0]), "first");
  EXPECT_EQ(Data(source, listing->items[1]), "");
  EXPECT_EQ(Data(source, listing->items[2]), std::string(5000, 'z'));
}

TEST(ArchiveReading, NameOf511BytesIsListedWhole) {
  const std::string name(511, 'q');
  const auto listing = List(ArchiveBytes("c:\\", 1).Item(name, "x").ByteVector());
  ASSERT_TRUE(listing);
  ASSERT_EQ(listing->items.size(), 1u);
  EXPECT_EQ(listing->items[0].name, name);
  EXPECT_FALSE(listing->damage);
}

TEST(ArchiveReading, SkipsItemDataWithoutReadingIt) {
  SparseSource source(kHeaderSize + 2 * kItemHeaderSize + 2 * 1'000'000,
                      {{0, ArchiveBytes("c:\\", 2).ByteVector()},
                       {kHeaderSize, ItemHeaderAt(1'000'000, "a")},
                       {kHeaderSize + kItemHeaderSize + 1'000'000, ItemHeaderAt(1'000'000, "b")}});
  const auto listing = ListArchive(source);
  ASSERT_TRUE(listing);
  EXPECT_EQ(listing->items.size(), 2u);
  EXPECT_EQ(source.bytesRead, kHeaderSize + 2 * kItemHeaderSize);
}

TEST(ArchiveReading, ItemsOf2GiBAndMoreAreWalked) {
  const std::uint32_t big = 0x90000000;  // past the signed 32-bit range
  const std::uint32_t biggest = 0xFFFFFFFF;
  const std::uint64_t second = kHeaderSize + kItemHeaderSize + std::uint64_t{big};
  const std::uint64_t third = second + kItemHeaderSize + std::uint64_t{biggest};
  SparseSource source(third + kItemHeaderSize + 3, {{0, ArchiveBytes("c:\\", 3).ByteVector()},
                                                    {kHeaderSize, ItemHeaderAt(big, "big.iso")},
                                                    {second, ItemHeaderAt(biggest, "biggest.iso")},
                                                    {third, ItemHeaderAt(3, "tail.txt")}});
  const auto listing = ListArchive(source);
  ASSERT_TRUE(listing);
  EXPECT_FALSE(listing->damage);
  ASSERT_EQ(listing->items.size(), 3u);
  EXPECT_EQ(listing->items[1].dataOffset, second + kItemHeaderSize);
  EXPECT_EQ(listing->items[2].name, "tail.txt");
  EXPECT_EQ(listing->items[2].dataOffset, third + kItemHeaderSize);
}

TEST(DamagedArchive, TruncationAtEveryOffsetGivesDamageAndTheItemsBeforeIt) {
  ArchiveBytes builder("c:\\src\\", 3);
  builder.Item("one", "1111").Item("two", "").Item("three", "333");
  const Bytes whole = builder.ByteVector();
  const std::uint64_t starts[] = {kHeaderSize, kHeaderSize + 516 + 4, kHeaderSize + 2 * 516 + 4};
  const std::uint64_t ends[] = {starts[0] + 516 + 4, starts[1] + 516, starts[2] + 516 + 3};
  ASSERT_EQ(ends[2], whole.size());

  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    SCOPED_TRACE(cut);
    const auto listing = List(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    if (cut < 8) {
      EXPECT_FALSE(listing);
      continue;
    }
    ASSERT_TRUE(listing);
    ASSERT_TRUE(listing->damage);
    if (cut < kHeaderSize) {
      EXPECT_EQ(listing->damage->kind, ArchiveDamageKind::HeaderTruncated);
      EXPECT_TRUE(listing->items.empty());
      continue;
    }
    std::uint32_t wholeItems = 0;
    while (ends[wholeItems] <= cut) ++wholeItems;
    EXPECT_EQ(listing->items.size(), wholeItems);
    EXPECT_EQ(listing->damage->itemIndex, wholeItems);
    EXPECT_EQ(listing->damage->offset, starts[wholeItems]);
    const std::uint64_t into = cut - starts[wholeItems];
    const ArchiveDamageKind expected = into == 0                ? ArchiveDamageKind::ItemsMissing
                                       : into < kItemHeaderSize ? ArchiveDamageKind::ItemHeaderTruncated
                                                                : ArchiveDamageKind::ItemDataTruncated;
    EXPECT_EQ(listing->damage->kind, expected);
    EXPECT_EQ(listing->declaredItemCount, 3u);
    EXPECT_EQ(listing->sourceFolder, "c:\\src\\");
  }
}

TEST(DamagedArchive, CountFarBeyondTheFileListsWhatIsThere) {
  ArchiveBytes builder("c:\\", 0xFFFFFFFF);
  builder.Item("a", "x").Item("b", "y");
  const auto listing = List(builder.ByteVector());
  ASSERT_TRUE(listing);
  EXPECT_EQ(listing->declaredItemCount, 0xFFFFFFFFu);
  EXPECT_EQ(listing->items.size(), 2u);
  ASSERT_TRUE(listing->damage);
  EXPECT_EQ(listing->damage->kind, ArchiveDamageKind::ItemsMissing);
  EXPECT_EQ(listing->damage->itemIndex, 2u);

  const auto bare = List(ArchiveBytes("c:\\", 0xFFFFFFFF).ByteVector());
  ASSERT_TRUE(bare && bare->damage);
  EXPECT_EQ(bare->damage->itemIndex, 0u);
}

TEST(DamagedArchive, HugeDataSizeIsDataRunningPastTheEnd) {
  ArchiveBytes builder("c:\\", 2);
  builder.Item("ok", "fine").ItemWithSize("liar", 0xFFFFFFFF, "short");
  const auto listing = List(builder.ByteVector());
  ASSERT_TRUE(listing && listing->damage);
  EXPECT_EQ(listing->damage->kind, ArchiveDamageKind::ItemDataTruncated);
  EXPECT_EQ(listing->damage->itemIndex, 1u);
  ASSERT_EQ(listing->items.size(), 1u);
  EXPECT_EQ(listing->items[0].name, "ok");
}

TEST(DamagedArchive, FieldsWithoutTerminatorAreDamage) {
  const auto folder = List(ArchiveBytes(std::string(1024, 'f'), 1).Item("a", "").ByteVector());
  ASSERT_TRUE(folder && folder->damage);
  EXPECT_EQ(folder->damage->kind, ArchiveDamageKind::FolderNotTerminated);
  EXPECT_TRUE(folder->items.empty());

  ArchiveBytes builder("c:\\", 3);
  builder.Item("good", "g").Item(std::string(512, 'n'), "").Item("after", "");
  const auto name = List(builder.ByteVector());
  ASSERT_TRUE(name && name->damage);
  EXPECT_EQ(name->damage->kind, ArchiveDamageKind::ItemNameNotTerminated);
  EXPECT_EQ(name->damage->itemIndex, 1u);
  EXPECT_EQ(name->damage->offset, kHeaderSize + kItemHeaderSize + 1);
  ASSERT_EQ(name->items.size(), 1u);
  EXPECT_EQ(name->items[0].name, "good");
}

TEST(ArchiveSourceUse, ShortReadsFromTheSourceAreCompleted) {
  ArchiveBytes builder("c:\\", 2);
  builder.Item("a", "abc").Item("b", std::string(3000, 'b'));
  const Bytes bytes = builder.ByteVector();
  TrickleSource source(bytes);
  const auto listing = ListArchive(source);
  ASSERT_TRUE(listing);
  EXPECT_FALSE(listing->damage);
  ASSERT_EQ(listing->items.size(), 2u);
  EXPECT_EQ(Data(source, listing->items[1]), std::string(3000, 'b'));
}

TEST(ArchiveSourceUse, CopyGoesInChunksOfAtMostTheBufferAndStopsAtAnEarlyEnd) {
  ArchiveBytes builder("c:\\", 1);
  builder.Item("a", std::string(5000, 'a'));
  const Bytes bytes = builder.ByteVector();
  MemoryArchiveSource source(bytes);
  const ArchiveItem item = ListArchive(source)->items.at(0);
  std::vector<std::uint8_t> buffer(2048);
  std::vector<std::size_t> chunks;
  EXPECT_EQ(CopyItemData(
                source, item, [&](std::span<const std::uint8_t> c) { chunks.push_back(c.size()); }, buffer),
            5000u);
  EXPECT_EQ(chunks, (std::vector<std::size_t>{2048, 2048, 904}));

  Bytes shrunk = builder.ByteVector();
  shrunk.resize(shrunk.size() - 100);
  MemoryArchiveSource shrunkSource(shrunk);
  EXPECT_EQ(CopyItemData(
                shrunkSource, item, [](std::span<const std::uint8_t>) {}, buffer),
            4900u);
}
