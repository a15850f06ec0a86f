// Archive bytes made field by field from the layout, independently of the
// program's encoder, so that a fault in the encoder cannot hide in the tests.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace archive_test {

class ArchiveBytes {
 public:
  ArchiveBytes(std::string_view sourceFolder, std::uint32_t itemCount) {
    m_bytes.append("BACKUP", 6);
    m_bytes.push_back('\0');
    m_bytes.push_back('\1');
    AppendU32(itemCount);
    AppendField(sourceFolder, 1024);
  }
  ArchiveBytes& Item(std::string_view name, std::string_view data) {
    return ItemWithSize(name, static_cast<std::uint32_t>(data.size()), data);
  }
  // A DataSize that need not match the data that follows.
  ArchiveBytes& ItemWithSize(std::string_view name, std::uint32_t dataSize, std::string_view data = {}) {
    AppendU32(dataSize);
    AppendField(name, 512);
    m_bytes.append(data);
    return *this;
  }
  const std::string& Bytes() const { return m_bytes; }
  std::vector<std::uint8_t> ByteVector() const { return {m_bytes.begin(), m_bytes.end()}; }

 private:
  void AppendU32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
  // A text as long as the field leaves it without terminator.
  void AppendField(std::string_view text, std::size_t width) {
    const std::string_view kept = text.substr(0, width);
    m_bytes.append(kept);
    m_bytes.append(width - kept.size(), '\0');
  }

  std::string m_bytes;
};

// An archive of these items, in this order, with a matching ItemCount.
inline std::string ArchiveOf(std::string_view sourceFolder,
                             const std::vector<std::pair<std::string, std::string>>& items) {
  ArchiveBytes archive(sourceFolder, static_cast<std::uint32_t>(items.size()));
  for (const auto& [name, data] : items) archive.Item(name, data);
  return archive.Bytes();
}

}  // namespace archive_test
