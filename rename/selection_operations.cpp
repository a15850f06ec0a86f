#include "rename/selection_operations.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "rename/substitute_dialog.h"

#include <optional>
#include <string>

void ProcessSelection(CommandWindow& window, RenameOperation operation) {
  const LanguageId language = CurrentLanguage();
  const std::wstring title = Text(OperationTitle(operation), language);
  ProgressDialog progress;
  progress.m_strTitle = title;
  PacedProgress pace(progress);

  const RunStart start = [&]() -> std::optional<NameChoice> {
    NameChoice choice;
    if (operation == RenameOperation::Substitute) {
      SubstituteDialog substitute;
      if (substitute.DoModal() != IDOK) return std::nullopt;
      choice.original = substitute.m_strOriginal;
      choice.replacement = substitute.m_strNew;
    } else if (operation == RenameOperation::Delete) {
      if (window.MessageBox(Text(LocalizedText::ConfirmDelete, language), title,
                            MB_YESNO | MB_ICONQUESTION) == IDNO)
        return std::nullopt;
    }
    progress.ShowOver(window.OwnerWindow());
    return choice;
  };
  RunRename(window, operation, window.SelectedFilePositions(), start, pace);
  progress.DestroyWindow();
}

void RunSelectionCommand(CommandWindow& window, RenameOperation operation) {
  ProcessSelection(window, operation);
  // The refilled list has no selection.
  window.FillLists();
  window.EnableSelectionCommands(false);
}
