#include "rename/selection_operations.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "framework/file.h"
#include "framework/text_case.h"
#include "rename/file_list.h"
#include "rename/name_transforms.h"
#include "rename/rename_messages.h"
#include "rename/safe_rename.h"
#include "rename/substitute_dialog.h"
#include "res/resource.h"

#include <optional>
#include <string>

namespace {

// The caption when a selected file cannot be opened: the same in every language.
constexpr wchar_t kOpenErrorCaption[] = L"Error";

const LocalizedEntry& OperationTitle(int code) {
  switch (code) {
    case IDC_LOWER_CASE:
      return LocalizedText::ToLowerTitle;
    case IDC_UPPER_CASE:
      return LocalizedText::ToUpperTitle;
    case IDC_SUBSTITUTE:
      return LocalizedText::SubstituteTitle;
    default:
      return LocalizedText::DeleteTitle;
  }
}

// The name a renaming operation gives the file; none for delete, and none
// when the text to substitute does not occur in the name.
std::optional<std::wstring> NewNameFor(int code, const std::wstring& name,
                                       const SubstituteDialog& substitute) {
  switch (code) {
    case IDC_LOWER_CASE:
      return ToLowerCase(name);
    case IDC_UPPER_CASE:
      return ToUpperCase(name);
    case IDC_SUBSTITUTE:
      return SubstituteFirst(name, substitute.m_strOriginal, substitute.m_strNew);
    default:
      return std::nullopt;
  }
}

}  // namespace

void ProcessSelection(CommandWindow& window, int code) {
  const std::vector<int> positions = window.SelectedFilePositions();
  const int count = static_cast<int>(positions.size());
  if (count == 0) window.EnableSelectionCommands(false);

  const LanguageId language = CurrentLanguage();
  const std::wstring title = Text(OperationTitle(code), language);
  ProgressDialog progress;
  progress.m_strTitle = title;
  SubstituteDialog substitute;
  SafeRenamer renamer;
  PacedProgress pace(progress);
  bool started = false;

  for (int i = 0; i < count; ++i) {
    const std::wstring listedName = window.ListedFileName(positions[static_cast<std::size_t>(i)]);
    File file;
    FileException openError;
    if (OpenListedFile(file, listedName, openError)) {
      if (!started) {
        if (code == IDC_SUBSTITUTE) {
          if (substitute.DoModal() != IDOK) return;
        } else if (code == IDC_DELETE) {
          if (window.MessageBox(Text(LocalizedText::ConfirmDelete, language), title,
                                MB_YESNO | MB_ICONQUESTION) == IDNO)
            return;
        }
        progress.ShowOver(window.OwnerWindow());
        started = true;
      }

      const std::wstring oldName = file.GetFileName();
      const std::optional<std::wstring> newName = NewNameFor(code, oldName, substitute);
      file.Close();

      // A name without the text is left alone without a word.
      const bool skipped = code == IDC_SUBSTITUTE && !newName;
      if (!skipped) {
        pace.SetStatus(code == IDC_SUBSTITUTE ? *newName : oldName);
        if (pace.TakeCancelRequest()) {
          if (window.MessageBox(Text(LocalizedText::CancelQuestion, language), title,
                                MB_YESNO | MB_ICONQUESTION) == IDYES)
            break;
        }
        try {
          if (code == IDC_DELETE) {
            File::Remove(oldName);
          } else {
            renamer.Rename(oldName, *newName);
          }
        } catch (const RenameLeftUnderTemporaryName& stranded) {
          pace.FlushStatus();
          window.MessageBox(
              LeftUnderTemporaryNameText(listedName, stranded.m_strNewName, stranded.m_strTemporaryName),
              title, MB_OK | MB_ICONSTOP);
        } catch (const FileException& error) {
          pace.FlushStatus();
          window.ShowFileError(listedName, error, title.c_str());
        }
      }
    } else {
      pace.FlushStatus();
      window.ShowFileError(listedName, openError, kOpenErrorCaption);
    }
    pace.SetPosition(i, count);
  }
  progress.DestroyWindow();
}

void RunSelectionCommand(CommandWindow& window, int code) {
  ProcessSelection(window, code);
  // The refilled list has no selection.
  window.FillLists();
  window.EnableSelectionCommands(false);
}
