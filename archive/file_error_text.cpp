#include "archive/file_error_text.h"

#include "framework/file_exception.h"

std::wstring FileErrorText(std::wstring_view name, int cause) {
  std::wstring text(name);
  text += L" could not be opened because\n";
  text += FileCauseSentence(cause);
  return text;
}
