// Lets the archive reader walk a real file: reads and seeks go straight to
// the open File, so item data is skipped without being read.
#pragma once
#include "archive/archive_format.h"
#include "framework/file.h"

class FileArchiveSource final : public archive_format::ArchiveSource {
 public:
  explicit FileArchiveSource(File& file) : m_file(file) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  void SeekTo(std::uint64_t offset) override;
  std::uint64_t Length() override;

 private:
  File& m_file;
};
