#include "archive/item_restore.h"

#include "archive/whole_file_writer.h"

bool RestoreItemData(archive_format::ArchiveSource& source, const std::wstring& archivePath,
                     const archive_format::ArchiveItem& item, const std::wstring& targetPath,
                     std::span<std::uint8_t> buffer) {
  WholeFileWriter target;
  if (!target.Open(targetPath, nullptr)) return false;
  try {
    const std::uint64_t copied = archive_format::CopyItemData(
        source, item,
        [&](std::span<const std::uint8_t> chunk) {
          target.Write(chunk.data(), static_cast<std::uint32_t>(chunk.size()));
        },
        buffer);
    // The archive was cut short since it was listed.
    if (copied < item.dataSize) throw FileException(FileCause::endOfFile, ERROR_HANDLE_EOF, archivePath);
    // A target that cannot be replaced is as one that cannot be created.
    if (!target.Commit(nullptr)) return false;
  } catch (FileException& failure) {
    target.Discard(&failure);
    throw;
  }
  return true;
}
