#include "archive/restore_naming.h"

#include "framework/string_format.h"
#include "framework/text.h"
#include "framework/text_case.h"

namespace {

bool IsSlash(wchar_t c) { return c == L'\\' || c == L'/'; }

// Drive letters are the ASCII letters alone, whatever the locale calls a letter.
bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

DecodedNames DecodeNames(const archive_format::ArchiveListing& listing, unsigned codePage) {
  DecodedNames names;
  names.sourceFolder = WideFromCodePage(listing.sourceFolder, codePage);
  names.items.reserve(listing.items.size());
  for (const archive_format::ArchiveItem& item : listing.items)
    names.items.push_back(WideFromCodePage(item.name, codePage));
  return names;
}

std::wstring DerivedExtension(std::wstring_view itemName) {
  const auto dot = itemName.rfind(L'.');
  return std::wstring(dot == std::wstring_view::npos ? itemName : itemName.substr(dot + 1));
}

std::wstring RestoreFilterFor(std::wstring_view extension) {
  return ToLowerCase(FormatText(L"%s file (*.%s)|*.%s||", {extension, extension, extension}));
}

std::wstring PathInFolder(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/' && path.back() != L':') path += L'\\';
  path += name;
  return path;
}

bool IsRestorableFolder(std::wstring_view folder) {
  if (folder.size() < 4) return true;
  const bool deviceNamespace = IsSlash(folder[0]) && IsSlash(folder[1]) &&
                               (folder[2] == L'.' || folder[2] == L'?') && IsSlash(folder[3]);
  const bool objectNamespace =
      IsSlash(folder[0]) && folder[1] == L'?' && folder[2] == L'?' && IsSlash(folder[3]);
  return !deviceNamespace && !objectNamespace;
}

bool NamesAbsoluteFolder(std::wstring_view folder) {
  const bool driveRoot =
      folder.size() >= 3 && IsDriveLetter(folder[0]) && folder[1] == L':' && IsSlash(folder[2]);
  if (driveRoot) return true;
  // \\server\share: both parts present.
  if (folder.size() < 5 || !IsSlash(folder[0]) || !IsSlash(folder[1]) || IsSlash(folder[2])) return false;
  const std::wstring_view rest = folder.substr(2);
  const auto separator = rest.find_first_of(L"\\/");
  return separator != std::wstring_view::npos && separator + 1 < rest.size() && !IsSlash(rest[separator + 1]);
}

std::optional<std::wstring> CaseTwinInTheWay(std::wstring_view itemName,
                                             const std::vector<std::wstring>& stored,
                                             const SpellingsByCase& itemNames) {
  // The exact spelling on disk is this item's own file: replacing it is what
  // restoring means.
  for (const std::wstring& spelling : stored)
    if (spelling == itemName) return std::nullopt;
  for (const std::wstring& spelling : stored) {
    if (!SameTextIgnoringCase(spelling, itemName)) continue;
    if (itemNames.Contains(spelling)) return spelling;
  }
  return std::nullopt;
}
