// Names and paths the Restore dialog derives from an item. Window-free.
#pragma once
#include <string>
#include <string_view>

// The part of the name after its last "."; a name without "." is its own
// extension.
std::string DerivedExtension(std::string_view itemName);

// The save dialog's filter for an extension: "%s file (*.%s)|*.%s||", lowered.
std::string RestoreFilterFor(std::string_view extension);

// The folder followed by the name, with a backslash put between them when
// the folder ends in none (an archive made elsewhere may lack it).
std::string PathInFolder(std::string_view folder, std::string_view name);

// Whether an archive's folder may take restored files: a folder in the
// device namespace ("\\.\", "\\?\") would make an item name such as
// "PhysicalDrive0" a raw device, which no backup ever stores.
bool IsRestorableFolder(std::string_view folder);
