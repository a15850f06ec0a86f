#include "archive/restore_naming.h"

#include "app/ansi_case.h"
#include "framework/string_format.h"

#include <cctype>

namespace {

bool IsSlash(char c) { return c == '\\' || c == '/'; }

}  // namespace

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
  const bool deviceNamespace = IsSlash(folder[0]) && IsSlash(folder[1]) &&
                               (folder[2] == '.' || folder[2] == '?') && IsSlash(folder[3]);
  const bool objectNamespace =
      IsSlash(folder[0]) && folder[1] == '?' && folder[2] == '?' && IsSlash(folder[3]);
  return !deviceNamespace && !objectNamespace;
}

bool NamesAbsoluteFolder(std::string_view folder) {
  const bool driveRoot = folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
                         folder[1] == ':' && IsSlash(folder[2]);
  if (driveRoot) return true;
  // \\server\share: both parts present.
  if (folder.size() < 5 || !IsSlash(folder[0]) || !IsSlash(folder[1]) || IsSlash(folder[2])) return false;
  const std::string_view rest = folder.substr(2);
  const auto separator = rest.find_first_of("\\/");
  return separator != std::string_view::npos && separator + 1 < rest.size() && !IsSlash(rest[separator + 1]);
}

std::optional<std::string> CaseTwinInTheWay(std::string_view itemName, const std::vector<std::string>& stored,
                                            const SpellingsByCase& itemNames) {
  // The exact spelling on disk is this item's own file: replacing it is what
  // restoring means.
  for (const std::string& spelling : stored)
    if (spelling == itemName) return std::nullopt;
  for (const std::string& spelling : stored) {
    if (!SameNameIgnoringCase(spelling, itemName)) continue;
    if (itemNames.Contains(spelling)) return spelling;
  }
  return std::nullopt;
}
