// Names and paths the Restore dialog derives from an item. Window-free.
#pragma once
#include "app/name_case.h"
#include "archive/archive_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An archive's names as the program uses them, decoded from the code page
// the archive stores them in: nothing for one whose bytes are no text there
// (made under another code page, or damaged), which is never guessed at.
struct DecodedNames {
  std::optional<std::wstring> sourceFolder;
  std::vector<std::optional<std::wstring>> items;  // in the listing's order
};
DecodedNames DecodeNames(const archive_format::ArchiveListing& listing, unsigned codePage);

// The part of the name after its last "."; a name without "." is its own
// extension.
std::wstring DerivedExtension(std::wstring_view itemName);

// The save dialog's filter for an extension: "%s file (*.%s)|*.%s||", lowered.
std::wstring RestoreFilterFor(std::wstring_view extension);

// Whether an archive's folder may take restored files: a folder in the
// device namespace ("\\.\", "\\?\") would make an item name such as
// "PhysicalDrive0" a raw device, which no backup ever stores. Whether it
// names a folder by itself is NamesAbsoluteFolder's (framework/path.h).
bool IsRestorableFolder(std::wstring_view folder);

// The other spelling that keeps an item from being written: on a disk that
// does not tell names apart by case, writing "a.txt" over a stored "A.txt"
// that is another item of the same archive would silently replace that item.
// `stored` are the folder's spellings of the item's name, `itemNames` the
// archive's. Nothing when the item may be written.
std::optional<std::wstring> CaseTwinInTheWay(std::wstring_view itemName,
                                             const std::vector<std::wstring>& stored,
                                             const SpellingsByCase& itemNames);
