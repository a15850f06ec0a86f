// Storing one file's content as an item's data. Window-free.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace archive_format {

// Fills the buffer from the source as far as it can; 0 at its end.
using ChunkReader = std::function<std::size_t(std::span<std::uint8_t>)>;
using ChunkWriter = std::function<void(std::span<const std::uint8_t>)>;

// The copy buffer of the archive commands: one fixed buffer, whatever the
// size of the files. Larger than the format's 2048-byte chunk: under Wine
// every read and write costs a few microseconds on top of the copy, which
// made 2048-byte chunks about four times slower than tar on large files.
inline constexpr std::size_t kCopyBufferSize = 64 * 1024;

// Writes exactly dataSize bytes through the buffer, in chunks of at most its
// size. A source that ends early (it shrank since its size was taken) is made
// up with zeros, so the item keeps the length its header states; a source
// that grew is read no further than dataSize. Returns the bytes taken from
// the source.
std::uint64_t StoreItemData(std::uint32_t dataSize, const ChunkReader& read, const ChunkWriter& write,
                            std::span<std::uint8_t> buffer);

// The DataSize of a file of this size: nothing from 4 GiB on, where the
// 32-bit field would silently keep only the low bits.
std::optional<std::uint32_t> StorableDataSize(std::uint64_t fileSize);

}  // namespace archive_format
