#include "archive/backup_command.h"

#include "app/ansi_case.h"
#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "archive/archive_format.h"
#include "archive/archive_messages.h"
#include "archive/default_archive_name.h"
#include "archive/item_data_store.h"
#include "framework/file.h"
#include "framework/file_dialog.h"
#include "framework/string_format.h"

#include <optional>
#include <vector>

namespace {

// Fixed English captions, whatever the language.
constexpr const char* kBackupErrorCaption = "Backup Error";
constexpr const char* kErrorCaption = "Error";

LocalTime CurrentLocalTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wDayOfWeek};
}

// The size of an open file; nothing when the system cannot say.
std::optional<std::uint64_t> LengthOf(const File& file) {
  try {
    return file.GetLength();
  } catch (const FileException&) {
    return std::nullopt;
  }
}

}  // namespace

void BackUpListedFiles(CommandWindow& window) {
  using namespace archive_format;
  const LanguageId language = CurrentLanguage();
  ProgressDialog progress;
  FileDialog saveDialog(false, "Backup", DefaultArchiveName(CurrentLocalTime()),
                        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "*.Backup", window.OwnerWindow());

  const int count = window.ListedFileCount();
  if (count == 0) {
    window.MessageBox(
        FormatString(TextCStr(LocalizedText::NoFilesMatchedBackup, language), window.TypedPattern().c_str()),
        Text(LocalizedText::ErrorTitle, language), MB_ICONINFORMATION);
    return;
  }

  const std::string folder = window.ListedFolder();
  const auto emptyHeader = EncodeHeader(folder, 0);
  if (!emptyHeader) {
    window.MessageBox(FolderTooLongText(folder), kBackupErrorCaption, MB_ICONSTOP);
    return;
  }

  if (saveDialog.DoModal() != IDOK) return;
  const std::string archivePath = saveDialog.GetPathName();
  File archive;
  FileException error;
  if (!archive.Open(archivePath, File::Mode::CreateReadWrite, &error)) {
    window.ShowFileError(archivePath, error, kBackupErrorCaption);
    return;
  }
  archive.Write(emptyHeader->data(), static_cast<std::uint32_t>(emptyHeader->size()));

  std::vector<std::uint8_t> buffer(kCopyBufferSize);
  std::uint32_t stored = 0;
  progress.m_strTitle = Text(LocalizedText::BackupTitle, language);
  progress.ShowOver(window.OwnerWindow());
  PacedProgress pace(progress);
  for (int i = 0; i < count; ++i) {
    const std::string name = window.ListedFileName(i);
    const auto itemHeader = EncodeItemHeader(name, 0);
    if (!itemHeader) {
      pace.FlushStatus();
      window.MessageBox(NameTooLongText(name), kErrorCaption, MB_ICONSTOP);
      continue;
    }
    File source;
    if (!source.Open(folder + name, File::Mode::ReadExisting, &error)) {
      pace.FlushStatus();
      window.ShowFileError(name, error, kErrorCaption);
      continue;
    }
    const std::optional<std::uint64_t> size = LengthOf(source);
    if (!size) {
      pace.FlushStatus();
      window.MessageBox(FileSizeUnknownText(name), kErrorCaption, MB_ICONSTOP);
      continue;
    }
    const auto dataSize = StorableDataSize(*size);
    if (!dataSize) {
      pace.FlushStatus();
      window.MessageBox(FileTooLargeText(name), kErrorCaption, MB_ICONSTOP);
      continue;
    }
    pace.SetStatus(name);

    const auto sizedHeader = EncodeItemHeader(name, *dataSize);
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
    ++stored;
    source.Close();

    pace.SetPosition(i, count);
    if (pace.TakeCancelRequest() &&
        window.MessageBox(Text(LocalizedText::CancelQuestion, language),
                          Text(LocalizedText::BackupTitle, language), MB_YESNO | MB_ICONQUESTION) == IDYES)
      break;
  }

  const auto finalHeader = EncodeHeader(folder, stored);
  archive.Seek(0, File::SeekFrom::Begin);
  archive.Write(finalHeader->data(), static_cast<std::uint32_t>(finalHeader->size()));
  archive.Close();
  progress.DestroyWindow();

  const std::string summary =
      FormatString(TextCStr(LocalizedText::BackupComplete, language), static_cast<int>(stored), count);
  window.MessageBox(ToLowerAnsi(summary), Text(LocalizedText::BackupTitle, language), MB_ICONINFORMATION);
  window.Refresh();
  window.FillLists();
}
