#include "rename/rename_messages.h"

std::wstring LeftUnderTemporaryNameText(std::wstring_view oldName, std::wstring_view newName,
                                        std::wstring_view temporaryName) {
  std::wstring text(oldName);
  text.append(L" could not be renamed to ").append(newName);
  text.append(L";\nit is now named ").append(temporaryName).append(L".");
  return text;
}
