#include "archive/backup_command.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "app/stranded_file_check.h"
#include "archive/archive_format.h"
#include "archive/archive_messages.h"
#include "archive/default_archive_name.h"
#include "archive/item_data_store.h"
#include "archive/whole_file_writer.h"
#include "framework/file.h"
#include "framework/file_dialog.h"
#include "framework/file_identity.h"
#include "framework/local_time.h"
#include "framework/string_format.h"
#include "framework/text.h"
#include "framework/text_case.h"

#include <optional>
#include <vector>

namespace {

// Fixed English captions, whatever the language.
constexpr const wchar_t* kBackupErrorCaption = L"Backup Error";
constexpr const wchar_t* kErrorCaption = L"Error";

// The size of an open file; nothing when the system cannot say.
std::optional<std::uint64_t> LengthOf(const File& file) {
  try {
    return file.GetLength();
  } catch (const FileException&) {
    return std::nullopt;
  }
}

struct StoreRun {
  std::uint32_t stored = 0;
  bool cancelled = false;
};

// Appends an item for each listed file that can be stored, until the list
// ends or the user confirms Cancel.
StoreRun StoreListedFiles(CommandWindow& window, RunProgress& pace, WholeFileWriter& archive,
                          const ExcludedFile& archiveFile, unsigned codePage) {
  using namespace archive_format;
  const LanguageId language = CurrentLanguage();
  const int count = window.ListedFileCount();
  const std::wstring folder = window.ListedFolder();
  FileException error;
  StoreRun run;
  std::vector<std::uint8_t> buffer(kCopyBufferSize);
  // A file that cannot be stored is told, over the latest name, and skipped.
  const auto refuse = [&](const std::wstring& text, std::wstring_view caption) {
    pace.ShowLatest();
    window.MessageBox(text, caption, MB_ICONSTOP);
  };
  for (int i = 0; i < count; ++i) {
    const std::wstring name = window.ListedFileName(i);
    const std::optional<std::string> nameBytes = BytesInCodePage(name, codePage);
    if (!nameBytes) {
      refuse(NameNotInCodePageText(name, FirstCharacterMissingFrom(name, codePage), codePage),
             Text(LocalizedText::ErrorTitle, language));
      continue;
    }
    const auto itemHeader = EncodeItemHeader(*nameBytes, 0);
    if (!itemHeader) {
      refuse(NameTooLongText(name), kErrorCaption);
      continue;
    }
    File source;
    if (!source.Open(folder + name, File::Mode::ReadExisting, &error)) {
      pace.ShowLatest();
      window.ShowFileError(name, error, kErrorCaption);
      continue;
    }
    // The archive that this Backup replaces: storing it would nest every
    // earlier Backup in the new one.
    if (archiveFile.Is(source, folder + name)) {
      refuse(ArchiveItselfText(name), kErrorCaption);
      continue;
    }
    const std::optional<std::uint64_t> size = LengthOf(source);
    if (!size) {
      refuse(FileSizeUnknownText(name), kErrorCaption);
      continue;
    }
    const auto dataSize = StorableDataSize(*size);
    if (!dataSize) {
      refuse(FileTooLargeText(name), kErrorCaption);
      continue;
    }
    pace.SetStatus(name);

    const auto sizedHeader = EncodeItemHeader(*nameBytes, *dataSize);
    archive.Write(sizedHeader->data(), static_cast<std::uint32_t>(sizedHeader->size()));
    StoreItemData(
        *dataSize,
        [&](std::span<std::uint8_t> chunk) {
          return static_cast<std::size_t>(
              source.Read(chunk.data(), static_cast<std::uint32_t>(chunk.size())));
        },
        [&](std::span<const std::uint8_t> chunk) {
          archive.Write(chunk.data(), static_cast<std::uint32_t>(chunk.size()));
        },
        buffer);
    ++run.stored;
    source.Close();

    pace.SetPosition(i, count);
    if (pace.TakeCancelRequest() &&
        window.MessageBox(Text(LocalizedText::CancelQuestion, language),
                          Text(LocalizedText::BackupTitle, language), MB_YESNO | MB_ICONQUESTION) == IDYES) {
      run.cancelled = true;
      break;
    }
  }

  return run;
}

}  // namespace

void BackUpListedFiles(CommandWindow& window) {
  using namespace archive_format;
  const LanguageId language = CurrentLanguage();
  ProgressDialog progress;
  FileDialog saveDialog(false, L"Backup", DefaultArchiveName(CurrentLocalTime()),
                        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, L"*.Backup", window.OwnerWindow());

  const int count = window.ListedFileCount();
  if (count == 0) {
    window.MessageBox(
        FormatText(Text(LocalizedText::NoFilesMatchedBackup, language), {window.TypedPattern()}),
        Text(LocalizedText::ErrorTitle, language), MB_ICONINFORMATION);
    return;
  }

  // The archive keeps names in the system's code page: a folder it cannot
  // spell exactly is refused before any file is made.
  const unsigned codePage = SystemCodePage();
  const std::wstring folder = window.ListedFolder();
  const std::optional<std::string> folderBytes = BytesInCodePage(folder, codePage);
  if (!folderBytes) {
    window.MessageBox(FolderNotInCodePageText(folder, FirstCharacterMissingFrom(folder, codePage), codePage),
                      Text(LocalizedText::BackupTitle, language), MB_ICONSTOP);
    return;
  }
  const auto emptyHeader = EncodeHeader(*folderBytes, 0);
  if (!emptyHeader) {
    window.MessageBox(FolderTooLongText(folder), kBackupErrorCaption, MB_ICONSTOP);
    return;
  }

  if (saveDialog.DoModal() != IDOK) return;
  const std::wstring archivePath = saveDialog.GetPathName();
  // A Backup killed earlier may have left its new archive beside the old one.
  SettleStrandedFilesBeforeWriting(window.OwnerWindow(), saveDialog.GetFolderPath());
  WholeFileWriter archive;
  FileException error;
  if (!archive.Open(archivePath, &error)) {
    window.ShowFileError(archivePath, error, kBackupErrorCaption);
    return;
  }
  const ExcludedFile archiveFile(archivePath, window.ListedFolder());
  StoreRun run;
  try {
    archive.Write(emptyHeader->data(), static_cast<std::uint32_t>(emptyHeader->size()));
    progress.m_strTitle = Text(LocalizedText::BackupTitle, language);
    progress.ShowOver(window.OwnerWindow());
    PacedProgress pace(progress);
    run = StoreListedFiles(window, pace, archive, archiveFile, codePage);
    if (run.cancelled && archive.ReplacesExisting()) {
      // The archive the user had stays whole rather than give way to a part of the new one.
      archive.Discard(nullptr);
      run.stored = 0;
    } else {
      const auto finalHeader = EncodeHeader(*folderBytes, run.stored);
      archive.SeekToStart();
      archive.Write(finalHeader->data(), static_cast<std::uint32_t>(finalHeader->size()));
      if (!archive.Commit(&error)) {
        // Held open elsewhere, or made read-only meanwhile: the archive the
        // user had stays, and nothing was backed up.
        progress.DestroyWindow();
        window.ShowFileError(archivePath, error, kBackupErrorCaption);
        return;
      }
    }
  } catch (FileException& failure) {
    archive.Discard(&failure);
    throw;
  }
  progress.DestroyWindow();

  const std::wstring summary = FormatText(Text(LocalizedText::BackupComplete, language), {run.stored, count});
  window.MessageBox(ToLowerCase(summary), Text(LocalizedText::BackupTitle, language), MB_ICONINFORMATION);
  window.Refresh();
  window.FillLists();
}
