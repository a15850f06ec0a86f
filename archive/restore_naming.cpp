#include "archive/restore_naming.h"

#include "framework/string_format.h"
#include "rename/name_transforms.h"

std::string DerivedExtension(std::string_view itemName) {
  const auto dot = itemName.rfind('.');
  return std::string(dot == std::string_view::npos ? itemName : itemName.substr(dot + 1));
}

std::string RestoreFilterFor(std::string_view extension) {
  const std::string ext(extension);
  return ToLowerAnsi(FormatString("%s file (*.%s)|*.%s||", ext.c_str(), ext.c_str(), ext.c_str()));
}

std::string PathInFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/' && path.back() != ':') path += '\\';
  path += name;
  return path;
}

bool IsRestorableFolder(std::string_view folder) {
  if (folder.size() < 4) return true;
  const auto isSlash = [](char c) { return c == '\\' || c == '/'; };
  const bool deviceNamespace = isSlash(folder[0]) && isSlash(folder[1]) &&
                               (folder[2] == '.' || folder[2] == '?') && isSlash(folder[3]);
  const bool objectNamespace =
      isSlash(folder[0]) && folder[1] == '?' && folder[2] == '?' && isSlash(folder[3]);
  return !deviceNamespace && !objectNamespace;
}
