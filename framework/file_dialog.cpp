#include "framework/file_dialog.h"

#include <vector>

std::string PlatformFilterFrom(std::string_view filter) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : filter) {
    if (c == '|') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.push_back(current);
  while (!parts.empty() && parts.back().empty()) parts.pop_back();
  if (parts.size() % 2 == 1) parts.push_back(parts.back());
  std::string result;
  for (const auto& part : parts) {
    result += part;
    result += '\0';
  }
  result += '\0';
  return result;
}

FileDialog::FileDialog(bool openFileDialog, std::string_view defaultExtension,
                       std::string_view initialFileName, DWORD flags, std::string_view filter, HWND owner)
    : m_bOpenFileDialog(openFileDialog),
      m_strDefaultExtension(defaultExtension),
      m_strInitialFileName(initialFileName),
      m_dwFlags(flags),
      m_strFilter(PlatformFilterFrom(filter)),
      m_hOwner(owner) {}

INT_PTR FileDialog::DoModal() {
  std::vector<char> file(4096, '\0');
  m_strInitialFileName.copy(file.data(), file.size() - 1);

  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = m_hOwner;
  request.lpstrFilter = m_strFilter.size() > 1 ? m_strFilter.c_str() : nullptr;
  request.nFilterIndex = 1;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrTitle = m_strTitle.empty() ? nullptr : m_strTitle.c_str();
  request.lpstrDefExt = m_strDefaultExtension.empty() ? nullptr : m_strDefaultExtension.c_str();
  request.Flags = m_dwFlags | OFN_EXPLORER | OFN_NOCHANGEDIR;

  char savedDirectory[MAX_PATH * 4];
  const DWORD savedLength = GetCurrentDirectoryA(sizeof savedDirectory, savedDirectory);
  const bool saved = savedLength > 0 && savedLength < sizeof savedDirectory;
  // Given no folder, the platform opens the folder it last used, or the
  // user's documents, rather than the current directory: name it.
  if (!m_strInitialDirectory.empty()) {
    request.lpstrInitialDir = m_strInitialDirectory.c_str();
  } else if (saved) {
    request.lpstrInitialDir = savedDirectory;
  }
  const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameA(&request) : GetSaveFileNameA(&request);
  if (saved) SetCurrentDirectoryA(savedDirectory);

  if (!chosen) return IDCANCEL;
  m_strPathName = file.data();
  return IDOK;
}

std::string FileDialog::GetFolderPath() const {
  const auto separator = m_strPathName.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : m_strPathName.substr(0, separator + 1);
}
