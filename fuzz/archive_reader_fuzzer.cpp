// Feeds arbitrary bytes to the archive reader as a whole file, checks what it
// promises about the listing, and puts every listed name through the
// restore-name check.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive_format.h"
#include "archive/item_data_store.h"
#include "archive/memory_archive_source.h"
#include "framework/path.h"

using namespace archive_format;

namespace {

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// Restore decodes names from the system's code page, which a native build
// lacks. Each byte taken as the character of its own number (as code page
// 1252 does for all but 0x80-0x9F) still puts every name through the check,
// and keeps each ASCII byte, the separators among them, what it is.
std::wstring EachByteAsCharacter(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (const char byte : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
  return text;
}

void CheckListing(const ArchiveListing& listing, MemoryArchiveSource& source, std::uint64_t length) {
  static std::vector<std::uint8_t> copyBuffer(kCopyBufferSize);
  if (listing.damage) {
    Require(listing.items.size() == listing.damage->itemIndex);
    Require(listing.damage->offset <= length);
  } else {
    Require(listing.items.size() == listing.declaredItemCount);
  }
  Require(listing.items.size() <= listing.declaredItemCount);
  Require(listing.sourceFolder.size() <= kFolderFieldSize);

  std::uint64_t expectedOffset = kHeaderSize + kItemHeaderSize;
  for (const ArchiveItem& item : listing.items) {
    Require(item.dataOffset == expectedOffset);
    Require(item.dataOffset + item.dataSize <= length);
    expectedOffset = item.dataOffset + item.dataSize + kItemHeaderSize;

    // Names come back whole through the encoder.
    Require(item.name.size() <= kMaxItemNameLength);
    const auto encoded = EncodeItemHeader(item.name, item.dataSize);
    Require(encoded.has_value());
    const ItemHeader decoded = DecodeItemHeader(*encoded);
    Require(decoded.name == item.name && decoded.dataSize == item.dataSize);

    const std::wstring name = EachByteAsCharacter(item.name);
    if (IsPlainFileName(name)) {
      Require(name.find_first_of(L"\\/:") == std::wstring::npos);
    }

    // Through the buffer the Restore commands copy with.
    std::uint64_t seenThroughBuffer = 0;
    const std::uint64_t copiedThroughBuffer = CopyItemData(
        source, item,
        [&](std::span<const std::uint8_t> chunk) {
          Require(!chunk.empty() && chunk.size() <= copyBuffer.size());
          seenThroughBuffer += chunk.size();
        },
        copyBuffer);
    Require(copiedThroughBuffer == item.dataSize && seenThroughBuffer == copiedThroughBuffer);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  MemoryArchiveSource source(bytes);
  const auto listing = ListArchive(source);
  Require(listing.has_value() == HasSignature(bytes));
  if (listing) {
    CheckListing(*listing, source, size);
  }
  return 0;
}
