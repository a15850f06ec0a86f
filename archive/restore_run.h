// Restore's copy steps, beside Backup's: one item to the path the user
// settled on, or every item into one folder. Window-free: what they show goes
// through a RestoreWindow and a RunProgress, so they run without a dialog.
#pragma once
#include "app/run_progress.h"
#include "archive/archive_format.h"
#include "archive/restore_naming.h"
#include "framework/file_identity.h"
#include "framework/win32.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What a Restore step asks of its window: the boxes it shows.
class RestoreWindow {
 public:
  virtual int MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const = 0;

 protected:
  ~RestoreWindow() = default;
};

// An opened archive, listed, with its names as the program reads them.
struct OpenedArchive {
  archive_format::ArchiveSource& source;
  const std::wstring& path;
  const archive_format::ArchiveListing& listing;
  const DecodedNames& names;
  // The archive's file on disk, which no item may be written over while it
  // is read; none for an archive that is no file.
  const ExcludedFile* file = nullptr;
};

// Why the items cannot go into the archive's own folder (it names none that
// is a folder by itself, or none in the system's code page), shown under
// the Restore title; nothing when they can.
std::optional<std::wstring> OriginalFolderRefusal(const std::wstring& archivePath,
                                                  const std::optional<std::wstring>& folder);

// Why the item at `index` cannot be restored (its name is no text in the
// system's code page, or not a plain file name), shown under the error
// title; nothing when it can.
std::optional<std::wstring> ItemRefusal(std::size_t index, const std::optional<std::wstring>& name);

// Writes the item at `index`, a restorable one, to `targetPath`; says so when
// it cannot, also when the target is the archive itself. Into the original folder, an item is refused where
// the folder holds another item of the archive under its name in other case (a path chosen in the save dialog
// was confirmed there, over any spelling).
void RestoreOneItem(const RestoreWindow& window, const OpenedArchive& archive, std::size_t index,
                    const std::wstring& targetPath, bool intoOriginalFolder);

// Writes every restorable item into `folder`, saying why for each one it
// cannot (the archive itself is no target) and going on with the next,
// until the items end or the user confirms Cancel. Returns how many were
// written.
int RestoreEveryItem(const RestoreWindow& window, RunProgress& progress, const OpenedArchive& archive,
                     const std::wstring& folder);
