#include "archive/file_archive_source.h"

#include <algorithm>
#include <limits>

std::size_t FileArchiveSource::Read(void* buffer, std::size_t count) {
  const auto chunk =
      static_cast<std::uint32_t>(std::min<std::size_t>(count, std::numeric_limits<std::uint32_t>::max()));
  return m_file.Read(buffer, chunk);
}

void FileArchiveSource::SeekTo(std::uint64_t offset) {
  // Offsets past what a signed seek can reach cannot lie within any file.
  const auto reachable = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  m_file.Seek(std::min(offset, reachable));
}

std::uint64_t FileArchiveSource::Length() { return m_file.GetLength(); }
