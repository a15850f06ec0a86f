#include "filetypes/extension.h"

std::wstring ExtensionOf(std::wstring_view fileName) {
  const std::size_t dot = fileName.rfind(L'.');
  if (dot == std::wstring_view::npos) return {};
  return std::wstring(fileName.substr(dot));
}

bool IsRegistrableExtension(std::wstring_view extension) {
  return extension.size() >= 2 && extension.front() == L'.' &&
         extension.find(L'\\') == std::wstring_view::npos;
}
