#include "archive/file_error_text.h"

#include "framework/file_exception.h"

std::string FileErrorText(std::string_view name, int cause) {
  std::string text(name);
  text += " could not be opened because\n";
  text += FileCauseSentence(cause);
  return text;
}
