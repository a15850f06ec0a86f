#include "archive/restore_naming.h"

#include "framework/path.h"
#include "framework/string_format.h"
#include "framework/text.h"
#include "framework/text_case.h"

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

bool IsRestorableFolder(std::wstring_view folder) { return !IsDeviceNamespacePath(folder); }

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
