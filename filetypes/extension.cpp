#include "filetypes/extension.h"

std::string ExtensionOf(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return {};
  return std::string(fileName.substr(dot));
}

bool IsRegistrableExtension(std::string_view extension) {
  return extension.size() >= 2 && extension.front() == '.' && extension.find('\\') == std::string_view::npos;
}
