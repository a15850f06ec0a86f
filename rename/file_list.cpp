#include "rename/file_list.h"

#include "framework/plain_file_name.h"

bool OpenListedFile(File& file, const std::string& listedName, FileException& error) {
  if (!IsPlainFileName(listedName)) {
    error = FileException(FileCause::badPath, ERROR_INVALID_NAME, listedName);
    return false;
  }
  return file.Open(listedName, File::Mode::ReadExisting, &error);
}
