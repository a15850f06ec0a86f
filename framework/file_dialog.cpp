#include "framework/file_dialog.h"

#include "framework/file.h"
#include "framework/system_paths.h"

#include <algorithm>
#include <vector>

namespace {

// Room for the longest path the platform can name.
constexpr std::size_t kFileBufferLength = 32768;

}  // namespace

std::wstring PlatformFilterFrom(std::wstring_view filter) {
  std::vector<std::wstring> parts;
  std::wstring current;
  for (wchar_t c : filter) {
    if (c == L'|') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.push_back(current);
  while (!parts.empty() && parts.back().empty()) parts.pop_back();
  if (parts.size() % 2 == 1) parts.push_back(parts.back());
  std::wstring result;
  for (const auto& part : parts) {
    result += part;
    result += L'\0';
  }
  result += L'\0';
  return result;
}

FileDialog::FileDialog(bool openFileDialog, std::wstring_view defaultExtension,
                       std::wstring_view initialFileName, DWORD flags, std::wstring_view filter, HWND owner)
    : m_bOpenFileDialog(openFileDialog),
      m_strDefaultExtension(defaultExtension),
      m_strInitialFileName(initialFileName),
      m_dwFlags(flags),
      m_strFilter(PlatformFilterFrom(filter)),
      m_hOwner(owner) {}

INT_PTR FileDialog::DoModal() {
  std::vector<wchar_t> file(std::max(kFileBufferLength, m_strInitialFileName.size() + 1), L'\0');
  m_strInitialFileName.copy(file.data(), file.size() - 1);

  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = m_hOwner;
  request.lpstrFilter = m_strFilter.size() > 1 ? m_strFilter.c_str() : nullptr;
  request.nFilterIndex = 1;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrTitle = m_strTitle.empty() ? nullptr : m_strTitle.c_str();
  request.lpstrDefExt = m_strDefaultExtension.empty() ? nullptr : m_strDefaultExtension.c_str();
  request.Flags = m_dwFlags | OFN_EXPLORER | OFN_NOCHANGEDIR;

  const std::wstring savedDirectory = CurrentDirectory();
  const bool saved = !savedDirectory.empty();
  // Given no folder, the platform opens the folder it last used, or the
  // user's documents, rather than the current directory: name it. The
  // dialog holds MAX_PATH characters (Wine's crashes past them): a deeper
  // folder opens at the nearest folder above it that it can hold.
  const std::wstring initialDirectory = NearestFolderWithin(
      m_strInitialDirectory.empty() ? savedDirectory : m_strInitialDirectory, MAX_PATH - 1);
  if (!initialDirectory.empty()) request.lpstrInitialDir = initialDirectory.c_str();
  const BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameW(&request) : GetSaveFileNameW(&request);
  if (saved) ChangeCurrentDirectory(savedDirectory);

  if (!chosen) return IDCANCEL;
  m_strPathName = file.data();
  return IDOK;
}

std::wstring FileDialog::GetFolderPath() const { return FolderOfPath(m_strPathName); }
