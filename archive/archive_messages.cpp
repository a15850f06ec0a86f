#include "archive/archive_messages.h"

namespace {

std::wstring NotStored(std::wstring_view name, std::wstring_view reason) {
  std::wstring text(name);
  text += L" could not be stored because\n";
  text += reason;
  return text;
}

std::wstring LackedBy(std::wstring_view missingCharacter, unsigned codePage) {
  std::wstring text = L" a character (\"";
  text += missingCharacter;
  text += L"\") that the system's code page (" + std::to_wstring(codePage) + L") lacks.";
  return text;
}

std::wstring NotValidIn(unsigned codePage) {
  return L"not valid in the system's code page (" + std::to_wstring(codePage) + L")";
}

}  // namespace

std::wstring FileTooLargeText(std::wstring_view name) {
  return NotStored(name, L"it is 4 GB or larger, more than a backup archive can hold.");
}

std::wstring FileSizeUnknownText(std::wstring_view name) {
  return NotStored(name, L"its size could not be read.");
}

std::wstring NameTooLongText(std::wstring_view name) {
  return NotStored(name, L"its name is longer than 511 characters.");
}

std::wstring ArchiveItselfText(std::wstring_view name) {
  return NotStored(name, L"it is the backup file being written.");
}

std::wstring NameNotInCodePageText(std::wstring_view name, std::wstring_view missingCharacter,
                                   unsigned codePage) {
  return NotStored(name, L"its name has" + LackedBy(missingCharacter, codePage));
}

std::wstring FolderTooLongText(std::wstring_view folder) {
  std::wstring text(folder);
  text += L" cannot be backed up because\nits path is longer than 1023 characters.";
  return text;
}

std::wstring FolderNotInCodePageText(std::wstring_view folder, std::wstring_view missingCharacter,
                                     unsigned codePage) {
  std::wstring text(folder);
  text += L" cannot be backed up because\nits path has";
  text += LackedBy(missingCharacter, codePage);
  return text;
}

std::wstring UnsafeItemNameText(std::wstring_view name) {
  std::wstring text = L"The item \"";
  text += name;
  text +=
      L"\" was not restored because\nits name is not a plain file name: it could name another folder, "
      L"a device or a stream.";
  return text;
}

std::wstring ItemNameNotValidText(std::size_t itemNumber, unsigned codePage) {
  return L"Item " + std::to_wstring(itemNumber) + L" of the archive was not restored because\nits name is " +
         NotValidIn(codePage) + L".";
}

std::wstring ItemPlaceholderText(std::size_t itemNumber, unsigned codePage) {
  return L"<item " + std::to_wstring(itemNumber) + L": name not valid in code page " +
         std::to_wstring(codePage) + L">";
}

std::wstring DamagedArchiveText(std::wstring_view archivePath, std::size_t readableItems) {
  std::wstring text = L"The backup file ";
  text += archivePath;
  text += L" is damaged:\n";
  if (readableItems == 0) {
    text += L"none of its items can be read.";
  } else if (readableItems == 1) {
    text += L"only its first item can be read.";
  } else {
    text += L"only its first " + std::to_wstring(readableItems) + L" items can be read.";
  }
  return text;
}

std::wstring NoOriginalFolderText(std::wstring_view archivePath) {
  std::wstring text = L"The backup file ";
  text += archivePath;
  text += L" names no original folder:\nits items can only be restored to a folder you choose.";
  return text;
}

std::wstring FolderNotValidText(std::wstring_view archivePath, unsigned codePage) {
  std::wstring text = L"The backup file ";
  text += archivePath;
  text += L" names an original folder that is " + NotValidIn(codePage) +
          L":\nits items can only be restored to a folder you choose.";
  return text;
}

std::wstring FolderPlaceholderText(unsigned codePage) {
  return L"<folder not valid in code page " + std::to_wstring(codePage) + L">";
}

std::wstring CaseTwinText(std::wstring_view itemName, std::wstring_view otherItemName) {
  std::wstring text = L"The item \"";
  text += itemName;
  text += L"\" was not restored because\nthe folder holds \"";
  text += otherItemName;
  text += L"\", another item of this archive whose name differs only in case.";
  return text;
}
