// Folders deeper than the system's plain limit, made, filled and removed in
// the "\\?\" form: the C++ library's own file calls stop at MAX_PATH.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace deep_folders {

// `path` is full ("c:\..."), with backslashes only.
inline std::wstring LongForm(const std::wstring& path) {
  return path.starts_with(L"\\\\?\\") ? path : L"\\\\?\\" + path;
}

// Every missing level of a full folder path.
inline bool MakeFolders(const std::wstring& folder) {
  std::wstring path = folder;
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  for (std::size_t end = path.find(L'\\', 3);; end = path.find(L'\\', end + 1)) {
    const std::wstring level = LongForm(path.substr(0, end));
    if (!CreateDirectoryW(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    if (end == std::wstring::npos) return true;
  }
}

inline bool WriteFile(const std::wstring& path, std::string_view content) {
  const HANDLE file = CreateFileW(LongForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole =
      ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
      written == content.size();
  CloseHandle(file);
  return whole;
}

inline std::string ReadFile(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(LongForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  CloseHandle(file);
  return content;
}

inline bool Exists(const std::wstring& path) {
  return GetFileAttributesW(LongForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool Remove(const std::wstring& path) { return DeleteFileW(LongForm(path).c_str()) != 0; }

// The folder and all it holds.
inline void RemoveTree(const std::wstring& folder) {
  std::wstring path = folder;
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(LongForm(path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring inner = path + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(inner);
      } else {
        SetFileAttributesW(LongForm(inner).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(LongForm(inner).c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(LongForm(path).c_str());
}

}  // namespace deep_folders
