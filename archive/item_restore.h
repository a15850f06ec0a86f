// Writing one item of an archive back to a file, whole or not at all.
// Window-free.
#pragma once
#include "archive/archive_format.h"
#include "framework/file_exception.h"

#include <cstdint>
#include <span>
#include <string>

// False when the target cannot be created or replaced (WholeFileWriter's
// Open and Commit), which leaves it as it was.
// A failure midway (a full disk, an archive that cannot be read or ends
// early) throws FileException once what was written is removed; an
// existing target is then as it was.
bool RestoreItemData(archive_format::ArchiveSource& source, const std::wstring& archivePath,
                     const archive_format::ArchiveItem& item, const std::wstring& targetPath,
                     std::span<std::uint8_t> buffer);
