#include "framework/framework_messages.h"

std::string DialogNotShownText(int templateId, std::uint32_t systemError) {
  std::string text = "A dialog box could not be opened (template " + std::to_string(templateId);
  if (systemError != 0) text += ", system error " + std::to_string(systemError);
  text += ").\nNothing has been done.";
  return text;
}

std::wstring UnmappableCharacterText(std::wstring_view character, unsigned codePage) {
  std::wstring text = L"The character \"";
  text += character;
  text += L"\" cannot be used here: it is not in the system's code page (";
  text += std::to_wstring(codePage);
  text += L").";
  return text;
}
