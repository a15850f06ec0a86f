#include "rename/rename_messages.h"

std::string LeftUnderTemporaryNameText(std::string_view oldName, std::string_view newName,
                                       std::string_view temporaryName) {
  std::string text(oldName);
  text.append(" could not be renamed to ").append(newName);
  text.append(";\nit is now named ").append(temporaryName).append(".");
  return text;
}
