#include "framework/framework_messages.h"

std::wstring UnmappableCharacterText(std::wstring_view character, unsigned codePage) {
  std::wstring text = L"The character \"";
  text += character;
  text += L"\" cannot be used here: it is not in the system's code page (";
  text += std::to_wstring(codePage);
  text += L").";
  return text;
}
