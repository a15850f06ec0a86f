#include "archive/archive_messages.h"

namespace {

std::string NotStored(std::string_view name, std::string_view reason) {
  std::string text(name);
  text += " could not be stored because\n";
  text += reason;
  return text;
}

}  // namespace

std::string FileTooLargeText(std::string_view name) {
  return NotStored(name, "it is 4 GB or larger, more than a backup archive can hold.");
}

std::string FileSizeUnknownText(std::string_view name) {
  return NotStored(name, "its size could not be read.");
}

std::string NameTooLongText(std::string_view name) {
  return NotStored(name, "its name is longer than 511 characters.");
}

std::string FolderTooLongText(std::string_view folder) {
  std::string text(folder);
  text += " cannot be backed up because\nits path is longer than 1023 characters.";
  return text;
}

std::string UnsafeItemNameText(std::string_view name) {
  std::string text = "The item \"";
  text += name;
  text +=
      "\" was not restored because\nits name is not a plain file name: it could name another folder, "
      "a device or a stream.";
  return text;
}

std::string DamagedArchiveText(std::string_view archivePath, std::size_t readableItems) {
  std::string text = "The backup file ";
  text += archivePath;
  text += " is damaged:\n";
  if (readableItems == 0) {
    text += "none of its items can be read.";
  } else if (readableItems == 1) {
    text += "only its first item can be read.";
  } else {
    text += "only its first " + std::to_string(readableItems) + " items can be read.";
  }
  return text;
}

std::string NoOriginalFolderText(std::string_view archivePath) {
  std::string text = "The backup file ";
  text += archivePath;
  text += " names no original folder:\nits items can only be restored to a folder you choose.";
  return text;
}

std::string CaseTwinText(std::string_view itemName, std::string_view otherItemName) {
  std::string text = "The item \"";
  text += itemName;
  text += "\" was not restored because\nthe folder holds \"";
  text += otherItemName;
  text += "\", another item of this archive whose name differs only in case.";
  return text;
}
