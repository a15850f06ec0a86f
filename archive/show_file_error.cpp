#include "archive/file_error_text.h"
#include "ui/main_dialog.h"

void MainDialog::ShowFileError(std::string_view name, const FileException& error, const char* caption) const {
  MessageBox(FileErrorText(name, error.m_cause), caption, MB_OK | MB_ICONSTOP);
}
