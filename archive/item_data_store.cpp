#include "archive/item_data_store.h"

#include <algorithm>
#include <limits>

namespace archive_format {

std::uint64_t StoreItemData(std::uint32_t dataSize, const ChunkReader& read, const ChunkWriter& write,
                            std::span<std::uint8_t> buffer) {
  std::uint64_t taken = 0;
  bool sourceEnded = false;
  if (buffer.empty()) return 0;
  for (std::uint32_t stored = 0; stored < dataSize;) {
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(dataSize - stored, buffer.size()));
    std::size_t filled = 0;
    while (!sourceEnded && filled < wanted) {
      const std::size_t got = read(std::span(buffer.data() + filled, wanted - filled));
      if (got == 0) sourceEnded = true;
      filled += got;
    }
    std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(filled),
              buffer.begin() + static_cast<std::ptrdiff_t>(wanted), std::uint8_t{0});
    write(std::span<const std::uint8_t>(buffer.data(), wanted));
    taken += filled;
    stored += static_cast<std::uint32_t>(wanted);
  }
  return taken;
}

std::optional<std::uint32_t> StorableDataSize(std::uint64_t fileSize) {
  if (fileSize > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  return static_cast<std::uint32_t>(fileSize);
}

}  // namespace archive_format
