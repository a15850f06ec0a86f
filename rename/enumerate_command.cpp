#include "rename/enumerate_command.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "framework/file.h"
#include "rename/enumerate_dialog.h"
#include "rename/file_list.h"
#include "rename/name_transforms.h"
#include "rename/rename_messages.h"
#include "rename/safe_rename.h"

#include <string>

namespace {

// Fixed captions, the same in every language.
constexpr wchar_t kOpenErrorCaption[] = L"Error";
constexpr wchar_t kRenameErrorCaption[] = L"Sequence";

}  // namespace

void EnumerateListedFiles(CommandWindow& window) {
  EnumerateDialog dialog;
  dialog.m_nNumber = 0;
  dialog.m_strNewName = L"NewFile";
  dialog.m_strExtension = L"jpg";
  if (dialog.DoModal() != IDOK) return;

  const std::wstring stem = dialog.m_strNewName;
  const std::wstring extension = dialog.m_strExtension;
  const int count = window.ListedFileCount();
  if (count == 0) window.EnableSelectionCommands(false);

  SafeRenamer renamer;
  ProgressDialog progress;
  progress.m_strTitle = Text(LocalizedText::EnumerateTitle, CurrentLanguage());
  progress.ShowOver(window.OwnerWindow());
  PacedProgress pace(progress);

  for (int i = 0; i < count; ++i) {
    const std::wstring listedName = window.ListedFileName(i);
    File file;
    FileException openError;
    if (OpenListedFile(file, listedName, openError)) {
      // A file that cannot be opened still uses up its number.
      const std::wstring newName = NumberedName(stem, static_cast<unsigned>(i) + dialog.m_nNumber, extension);
      const std::wstring oldName = file.GetFileName();
      file.Close();
      try {
        renamer.Rename(oldName, newName);
      } catch (const RenameLeftUnderTemporaryName& stranded) {
        pace.FlushStatus();
        window.MessageBox(
            LeftUnderTemporaryNameText(listedName, stranded.m_strNewName, stranded.m_strTemporaryName),
            kRenameErrorCaption, MB_OK | MB_ICONSTOP);
      } catch (const FileException& error) {
        pace.FlushStatus();
        window.ShowFileError(listedName, error, kRenameErrorCaption);
      }
      pace.SetStatus(newName);
    } else {
      pace.FlushStatus();
      window.ShowFileError(listedName, openError, kOpenErrorCaption);
    }
    pace.SetPosition(i, count);
  }
  window.FillLists();
  progress.DestroyWindow();
}
