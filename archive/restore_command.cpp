#include "archive/restore_command.h"

#include "archive/restore_dialog.h"

void RestoreFromChosenArchive() {
  RestoreDialog dialog;
  dialog.m_bChooseArchive = TRUE;
  dialog.m_bNoExit = TRUE;
  dialog.DoModal();
}

INT_PTR RestoreFromArchive(const std::wstring& archivePath) {
  RestoreDialog dialog;
  dialog.m_bChooseArchive = FALSE;
  dialog.m_bNoExit = FALSE;
  dialog.m_strArchivePath = archivePath;
  return dialog.DoModal();
}
