#include "rename/file_list.h"

#include "framework/path_checks.h"

#include <string>

bool OpenListedFile(File& file, std::wstring_view listedName, FileException& error) {
  if (!IsPlainFileName(listedName)) {
    error = FileException(FileCause::badPath, ERROR_INVALID_NAME, std::wstring(listedName));
    return false;
  }
  return file.Open(listedName, File::Mode::ReadExisting, &error);
}
