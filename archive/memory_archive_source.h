// An archive held in memory: the fuzzer's and the tests' input.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

#include "archive/archive_format.h"

namespace archive_format {

class MemoryArchiveSource final : public ArchiveSource {
 public:
  explicit MemoryArchiveSource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

  std::size_t Read(void* buffer, std::size_t count) override {
    if (m_position >= m_bytes.size()) {
      return 0;
    }
    const auto available = static_cast<std::size_t>(m_bytes.size() - m_position);
    const std::size_t n = std::min(count, available);
    std::memcpy(buffer, m_bytes.data() + m_position, n);
    m_position += n;
    return n;
  }

  // Like a file, a position past the end is allowed; reads there give 0.
  void SeekTo(std::uint64_t offset) override { m_position = offset; }

  std::uint64_t Length() override { return m_bytes.size(); }

 private:
  std::span<const std::uint8_t> m_bytes;
  std::uint64_t m_position = 0;
};

}  // namespace archive_format
