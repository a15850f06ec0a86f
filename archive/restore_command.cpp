#include "archive/restore_dialog.h"
#include "ui/main_dialog.h"

void MainDialog::OnRetrieve() {
  RestoreDialog dialog;
  dialog.m_bChooseArchive = TRUE;
  dialog.m_bNoExit = TRUE;
  dialog.DoModal();
}

INT_PTR MainDialog::OpenCommandLineArchive() {
  RestoreDialog dialog;
  dialog.m_bChooseArchive = FALSE;
  dialog.m_bNoExit = FALSE;
  dialog.m_strArchivePath = m_strArchiveArg;
  return dialog.DoModal();
}
