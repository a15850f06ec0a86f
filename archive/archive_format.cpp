#include "archive/archive_format.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace archive_format {
namespace {

constexpr std::size_t kItemCountOffset = kSignatureSize;
constexpr std::size_t kFolderOffset = kItemCountOffset + 4;
constexpr std::size_t kNameOffset = 4;

void PutU32(std::uint8_t* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    out[i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

std::uint32_t GetU32(const std::uint8_t* in) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = (value << 8) | in[i];
  }
  return value;
}

bool PutField(std::uint8_t* field, std::size_t width, std::string_view text) {
  if (text.size() >= width || text.find('\0') != std::string_view::npos) {
    return false;
  }
  std::copy(text.begin(), text.end(), field);
  std::fill(field + text.size(), field + width, std::uint8_t{0});
  return true;
}

std::pair<std::string, bool> GetField(const std::uint8_t* field, std::size_t width) {
  const std::uint8_t* end = field + width;
  const std::uint8_t* terminator = std::find(field, end, std::uint8_t{0});
  return {std::string(field, terminator), terminator != end};
}

// Sources may deliver less than asked before their end.
std::size_t ReadFully(ArchiveSource& source, std::uint8_t* buffer, std::size_t count) {
  std::size_t total = 0;
  while (total < count) {
    const std::size_t got = source.Read(buffer + total, count - total);
    if (got == 0) {
      break;
    }
    total += got;
  }
  return total;
}

}  // namespace

std::optional<HeaderBytes> EncodeHeader(std::string_view sourceFolder, std::uint32_t itemCount) {
  HeaderBytes bytes{};
  PutU32(bytes.data(), kSignatureWord0);
  PutU32(bytes.data() + 4, kSignatureWord1);
  PutU32(bytes.data() + kItemCountOffset, itemCount);
  if (!PutField(bytes.data() + kFolderOffset, kFolderFieldSize, sourceFolder)) {
    return std::nullopt;
  }
  return bytes;
}

std::optional<ItemHeaderBytes> EncodeItemHeader(std::string_view name, std::uint32_t dataSize) {
  ItemHeaderBytes bytes{};
  PutU32(bytes.data(), dataSize);
  if (!PutField(bytes.data() + kNameOffset, kNameFieldSize, name)) {
    return std::nullopt;
  }
  return bytes;
}

bool HasSignature(std::span<const std::uint8_t> firstBytes) {
  return firstBytes.size() >= kSignatureSize && GetU32(firstBytes.data()) == kSignatureWord0 &&
         GetU32(firstBytes.data() + 4) == kSignatureWord1;
}

Header DecodeHeader(const HeaderBytes& bytes) {
  Header header;
  header.itemCount = GetU32(bytes.data() + kItemCountOffset);
  std::tie(header.sourceFolder, header.folderTerminated) =
      GetField(bytes.data() + kFolderOffset, kFolderFieldSize);
  return header;
}

ItemHeader DecodeItemHeader(const ItemHeaderBytes& bytes) {
  ItemHeader item;
  item.dataSize = GetU32(bytes.data());
  std::tie(item.name, item.nameTerminated) = GetField(bytes.data() + kNameOffset, kNameFieldSize);
  return item;
}

std::optional<ArchiveListing> ListArchive(ArchiveSource& source) {
  const std::uint64_t length = source.Length();
  HeaderBytes headerBytes{};
  source.SeekTo(0);
  const std::size_t headerRead = ReadFully(source, headerBytes.data(), headerBytes.size());
  if (!HasSignature(std::span(headerBytes.data(), headerRead))) {
    return std::nullopt;
  }

  ArchiveListing listing;
  if (headerRead < kHeaderSize) {
    listing.damage = ArchiveDamage{ArchiveDamageKind::HeaderTruncated, 0, 0};
    return listing;
  }
  Header header = DecodeHeader(headerBytes);
  listing.declaredItemCount = header.itemCount;
  listing.sourceFolder = std::move(header.sourceFolder);
  if (!header.folderTerminated) {
    listing.damage = ArchiveDamage{ArchiveDamageKind::FolderNotTerminated, 0, 0};
    return listing;
  }

  // Every item takes at least its header, so the file's length bounds the
  // walk and the list, whatever ItemCount says.
  const std::uint64_t room = length > kHeaderSize ? (length - kHeaderSize) / kItemHeaderSize : 0;
  listing.items.reserve(
      static_cast<std::size_t>(std::min<std::uint64_t>({header.itemCount, room, std::uint64_t{4096}})));

  std::uint64_t offset = kHeaderSize;
  for (std::uint32_t index = 0; index < header.itemCount; ++index) {
    const auto damageHere = [&](ArchiveDamageKind kind) {
      listing.damage = ArchiveDamage{kind, index, offset};
    };
    const std::uint64_t left = length > offset ? length - offset : 0;
    if (left == 0) {
      damageHere(ArchiveDamageKind::ItemsMissing);
      break;
    }
    ItemHeaderBytes itemBytes{};
    std::size_t itemRead = 0;
    if (left >= kItemHeaderSize) {
      source.SeekTo(offset);
      itemRead = ReadFully(source, itemBytes.data(), itemBytes.size());
    }
    if (itemRead < kItemHeaderSize) {
      damageHere(ArchiveDamageKind::ItemHeaderTruncated);
      break;
    }
    ItemHeader item = DecodeItemHeader(itemBytes);
    if (!item.nameTerminated) {
      damageHere(ArchiveDamageKind::ItemNameNotTerminated);
      break;
    }
    const std::uint64_t dataOffset = offset + kItemHeaderSize;
    if (item.dataSize > length - dataOffset) {
      damageHere(ArchiveDamageKind::ItemDataTruncated);
      break;
    }
    listing.items.push_back(ArchiveItem{std::move(item.name), item.dataSize, dataOffset});
    offset = dataOffset + item.dataSize;
  }
  return listing;
}

std::uint64_t CopyItemData(ArchiveSource& source, const ArchiveItem& item,
                           const std::function<void(std::span<const std::uint8_t>)>& writeChunk,
                           std::span<std::uint8_t> buffer) {
  if (buffer.empty()) {
    return 0;
  }
  source.SeekTo(item.dataOffset);
  std::uint64_t copied = 0;
  while (copied < item.dataSize) {
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(item.dataSize - copied, buffer.size()));
    const std::size_t got = ReadFully(source, buffer.data(), wanted);
    if (got > 0) {
      writeChunk(std::span<const std::uint8_t>(buffer.data(), got));
      copied += got;
    }
    if (got < wanted) {
      break;
    }
  }
  return copied;
}

}  // namespace archive_format
