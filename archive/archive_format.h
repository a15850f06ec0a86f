// The byte layout of a .Backup archive and a reader that walks it safely.
// Window-free: the program reads real files through a File-backed
// ArchiveSource, tests and the fuzzer read memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace archive_format {

inline constexpr std::size_t kSignatureSize = 8;
inline constexpr std::size_t kFolderFieldSize = 1024;
inline constexpr std::size_t kNameFieldSize = 512;
inline constexpr std::size_t kHeaderSize = kSignatureSize + 4 + kFolderFieldSize;  // 1036
inline constexpr std::size_t kItemHeaderSize = 4 + kNameFieldSize;                 // 516
inline constexpr std::size_t kChunkSize = 2048;
inline constexpr std::size_t kMaxItemNameLength = kNameFieldSize - 1;  // 511
inline constexpr std::size_t kMaxFolderLength = kFolderFieldSize - 1;  // 1023

// "BACKUP", 0, 1 read as two little-endian words.
inline constexpr std::uint32_t kSignatureWord0 = 0x4B434142;
inline constexpr std::uint32_t kSignatureWord1 = 0x01005055;

using HeaderBytes = std::array<std::uint8_t, kHeaderSize>;
using ItemHeaderBytes = std::array<std::uint8_t, kItemHeaderSize>;

struct Header {
  std::uint32_t itemCount = 0;
  std::string sourceFolder;       // at most the field's width
  bool folderTerminated = false;  // a zero byte was found within the field
};

struct ItemHeader {
  std::uint32_t dataSize = 0;
  std::string name;  // at most the field's width
  bool nameTerminated = false;
};

// Bytes after each string's terminator are zeros. Empty when the text is too
// long for its field (folder > 1023, name > 511 bytes) or holds a zero byte,
// which the field could not give back.
std::optional<HeaderBytes> EncodeHeader(std::string_view sourceFolder, std::uint32_t itemCount);
std::optional<ItemHeaderBytes> EncodeItemHeader(std::string_view name, std::uint32_t dataSize);

// The validity test: at least 8 bytes, and both signature words match.
bool HasSignature(std::span<const std::uint8_t> firstBytes);

// Decoding does not apply the validity test; call HasSignature for that.
Header DecodeHeader(const HeaderBytes& bytes);
ItemHeader DecodeItemHeader(const ItemHeaderBytes& bytes);

// Random-access bytes of one archive. Offsets are absolute and 64-bit.
class ArchiveSource {
 public:
  virtual ~ArchiveSource() = default;
  // Returns the number of bytes read, 0 at the end; throws on I/O failure.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  virtual void SeekTo(std::uint64_t offset) = 0;
  virtual std::uint64_t Length() = 0;
};

enum class ArchiveDamageKind {
  HeaderTruncated,        // signature present, file shorter than the header
  FolderNotTerminated,    // SourceFolder has no zero byte within its 1024 bytes
  ItemsMissing,           // the file ends where item itemIndex's header should begin
  ItemHeaderTruncated,    // the file ends inside item itemIndex's header
  ItemNameNotTerminated,  // ItemName has no zero byte within its 512 bytes
  ItemDataTruncated,      // item itemIndex's DataSize runs past the end of the file
};

struct ArchiveDamage {
  ArchiveDamageKind kind;
  std::uint32_t itemIndex = 0;  // the first item not listed; 0 for header damage
  std::uint64_t offset = 0;     // start of the damaged header or item header
};

struct ArchiveItem {
  std::string name;
  std::uint32_t dataSize = 0;
  std::uint64_t dataOffset = 0;  // absolute offset of the item's first data byte
};

struct ArchiveListing {
  std::string sourceFolder;
  std::uint32_t declaredItemCount = 0;
  // Every item before the damage; all of them when there is none. Each
  // item's data lies wholly within the file.
  std::vector<ArchiveItem> items;
  std::optional<ArchiveDamage> damage;
};

// Empty when the source is not a backup archive (shorter than 8 bytes, or
// a wrong signature). Seeks over item data without reading it; the memory
// it takes is bounded by the file's length, whatever ItemCount claims.
// Exceptions of the source pass through.
std::optional<ArchiveListing> ListArchive(ArchiveSource& source);

// Copies one listed item's data through the caller's buffer, in chunks of at
// most buffer.size() bytes. Returns the number of bytes delivered: less than
// item.dataSize only when the source ended early (the file changed since it
// was listed).
std::uint64_t CopyItemData(ArchiveSource& source, const ArchiveItem& item,
                           const std::function<void(std::span<const std::uint8_t>)>& writeChunk,
                           std::span<std::uint8_t> buffer);

}  // namespace archive_format
