#include "framework/system_paths.h"

#include "framework/sized_text.h"

std::wstring WindowsFolderPath() {
  return ReadSizedText(
      [](wchar_t* buffer, DWORD capacity) { return GetWindowsDirectoryW(buffer, capacity); });
}

std::wstring SystemFolderPath() {
  return ReadSizedText([](wchar_t* buffer, DWORD capacity) { return GetSystemDirectoryW(buffer, capacity); });
}

std::wstring EnvironmentVariable(std::wstring_view name) {
  const std::wstring variable(name);
  return ReadSizedText([&](wchar_t* buffer, DWORD capacity) {
    return GetEnvironmentVariableW(variable.c_str(), buffer, capacity);
  });
}

std::wstring ExpandEnvironmentText(std::wstring_view text) {
  const std::wstring source(text);
  // Unlike the others, this call counts the terminating NUL in both of its answers.
  std::wstring expanded;
  for (;;) {
    const auto capacity = static_cast<DWORD>(expanded.size());
    const DWORD size =
        ExpandEnvironmentStringsW(source.c_str(), capacity == 0 ? nullptr : expanded.data(), capacity);
    if (size == 0) return source;
    if (size <= capacity) {
      expanded.resize(size - 1);
      return expanded;
    }
    expanded.resize(size);
  }
}

std::wstring CurrentDirectory() {
  return ReadSizedText(
      [](wchar_t* buffer, DWORD capacity) { return GetCurrentDirectoryW(capacity, buffer); });
}

bool ChangeCurrentDirectory(const std::wstring& folder) {
  return SetCurrentDirectoryW(folder.c_str()) != FALSE;
}
