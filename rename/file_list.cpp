#include "rename/file_list.h"

#include "framework/plain_file_name.h"

std::vector<int> SelectedPositions(HWND list) {
  const LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  if (count == LB_ERR || count <= 0) return {};
  std::vector<int> positions(static_cast<std::size_t>(count));
  const LRESULT read =
      SendMessageA(list, LB_GETSELITEMS, positions.size(), reinterpret_cast<LPARAM>(positions.data()));
  positions.resize(read == LB_ERR ? 0 : static_cast<std::size_t>(read));
  return positions;
}

bool OpenListedFile(File& file, const std::string& listedName, FileException& error) {
  if (!IsPlainFileName(listedName)) {
    error = FileException(FileCause::badPath, ERROR_INVALID_NAME, listedName);
    return false;
  }
  return file.Open(listedName, File::Mode::ReadExisting, &error);
}
