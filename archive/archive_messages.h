// The English messages of the archive commands for the cases that only
// damaged archives, hostile names and oversized files bring about.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Backup: a listed file that cannot be stored.
std::string FileTooLargeText(std::string_view name);
std::string FileSizeUnknownText(std::string_view name);
std::string NameTooLongText(std::string_view name);
// Backup: a folder whose path does not fit the archive header.
std::string FolderTooLongText(std::string_view folder);

// Restore: an item whose name could lead anywhere but to a plain file in
// the target folder.
std::string UnsafeItemNameText(std::string_view name);
// Restore: the archive breaks off after `readableItems` items.
std::string DamagedArchiveText(std::string_view archivePath, std::size_t readableItems);
// Restore into the original folder: the archive names none of its own.
std::string NoOriginalFolderText(std::string_view archivePath);
// Restore: the folder holds another item of the archive under the same name
// in other case.
std::string CaseTwinText(std::string_view itemName, std::string_view otherItemName);
