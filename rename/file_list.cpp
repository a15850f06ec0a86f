#include "rename/file_list.h"

#include "framework/path.h"

bool OpenListedFile(File& file, const std::wstring& folder, std::wstring_view listedName,
                    FileException& error) {
  if (!IsPlainFileName(listedName)) {
    error = FileException(FileCause::badPath, ERROR_INVALID_NAME, std::wstring(listedName));
    return false;
  }
  return file.Open(folder + std::wstring(listedName), File::Mode::ReadExisting, &error);
}
