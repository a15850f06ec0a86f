#include "rename/enumerate_command.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "rename/enumerate_dialog.h"
#include "rename/rename_run.h"

#include <numeric>
#include <vector>

void EnumerateListedFiles(CommandWindow& window) {
  EnumerateDialog dialog;
  dialog.m_nNumber = 0;
  dialog.m_strNewName = L"NewFile";
  dialog.m_strExtension = L"jpg";
  if (dialog.DoModal() != IDOK) return;

  const NameChoice choice{
      .stem = dialog.m_strNewName, .firstNumber = dialog.m_nNumber, .extension = dialog.m_strExtension};
  std::vector<int> everyPosition(static_cast<std::size_t>(window.ListedFileCount()));
  std::iota(everyPosition.begin(), everyPosition.end(), 0);

  // Everything is asked before the run, so its window comes up at once.
  ProgressDialog progress;
  progress.m_strTitle = Text(OperationTitle(RenameOperation::Enumerate), CurrentLanguage());
  progress.ShowOver(window.OwnerWindow());
  PacedProgress pace(progress);
  RunRename(
      window, RenameOperation::Enumerate, everyPosition, [&] { return std::optional(choice); }, pace);
  window.FillLists();
  progress.DestroyWindow();
}
