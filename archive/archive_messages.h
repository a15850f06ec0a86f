// The English messages of the archive commands for the cases that only
// damaged archives, hostile names, oversized files and names beyond the
// system's code page bring about.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Backup: a listed file that cannot be stored.
std::wstring FileTooLargeText(std::wstring_view name);
std::wstring FileSizeUnknownText(std::wstring_view name);
std::wstring NameTooLongText(std::wstring_view name);
// Backup: the listed file is the archive being written.
std::wstring ArchiveItselfText(std::wstring_view name);
// Backup: the archive keeps names in the system's code page, which lacks
// `missingCharacter` of this one.
std::wstring NameNotInCodePageText(std::wstring_view name, std::wstring_view missingCharacter,
                                   unsigned codePage);
// Backup: a folder whose path does not fit the archive header.
std::wstring FolderTooLongText(std::wstring_view folder);
// Backup: a folder whose path has a character the system's code page lacks.
std::wstring FolderNotInCodePageText(std::wstring_view folder, std::wstring_view missingCharacter,
                                     unsigned codePage);

// Restore: an item whose name could lead anywhere but to a plain file in
// the target folder.
std::wstring UnsafeItemNameText(std::wstring_view name);
// Restore: an item whose stored name is no text in the system's code page
// (an archive made under another one, or damage). Items are numbered from 1
// in the archive's order.
std::wstring ItemNameNotValidText(std::size_t itemNumber, unsigned codePage);
// The list row that stands for such an item.
std::wstring ItemPlaceholderText(std::size_t itemNumber, unsigned codePage);
// Restore: the archive breaks off after `readableItems` items.
std::wstring DamagedArchiveText(std::wstring_view archivePath, std::size_t readableItems);
// Restore into the original folder: the archive names none of its own.
std::wstring NoOriginalFolderText(std::wstring_view archivePath);
// Restore into the original folder: the archive's folder is no text in the
// system's code page.
std::wstring FolderNotValidText(std::wstring_view archivePath, unsigned codePage);
// What the dialog shows in place of such a folder.
std::wstring FolderPlaceholderText(unsigned codePage);
// Restore: the folder holds another item of the archive under the same name
// in other case.
std::wstring CaseTwinText(std::wstring_view itemName, std::wstring_view otherItemName);
