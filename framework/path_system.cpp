// The path rules that ask the system (see path.h).
#include "framework/path.h"
#include "framework/sized_text.h"

std::wstring FullPathOf(const std::wstring& path) {
  std::wstring full = ReadSizedText([&](wchar_t* buffer, DWORD capacity) {
    return GetFullPathNameW(path.c_str(), capacity, buffer, nullptr);
  });
  return full.empty() ? path : full;
}

std::wstring FileCallPath(std::wstring_view path) {
  return LongFormOfFullPath(FullPathOf(std::wstring(path)));
}

std::wstring SearchCallPath(std::wstring_view pattern) {
  const std::wstring folder = FolderOfPath(pattern);
  const std::wstring fullFolder = FolderWithSeparator(FullPathOf(folder.empty() ? L"." : folder));
  return LongFormOfFullPath(fullFolder + std::wstring(pattern.substr(folder.size())));
}
