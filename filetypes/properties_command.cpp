#include "filetypes/properties_command.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "filetypes/extension.h"
#include "filetypes/file_time_text.h"
#include "filetypes/file_type_registry.h"
#include "filetypes/icon_value.h"
#include "filetypes/properties_dialog.h"
#include "framework/file.h"
#include "framework/string_format.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr std::size_t kMaxListedNameLength = 512;

std::wstring FocusedFileName(const CommandWindow& window) {
  const std::optional<int> focused = window.FocusedFilePosition();
  if (!focused) return {};
  return window.ListedFileName(*focused).substr(0, kMaxListedNameLength);
}

void ShowStatus(PropertiesDialog& dialog, const std::wstring& name, const FileStatus& status) {
  dialog.m_bArchive = (status.attributes & FILE_ATTRIBUTE_ARCHIVE) != 0;
  dialog.m_bReadOnly = (status.attributes & FILE_ATTRIBUTE_READONLY) != 0;
  dialog.m_bHidden = (status.attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
  dialog.m_bSystem = (status.attributes & FILE_ATTRIBUTE_SYSTEM) != 0;

  dialog.m_strCreated = FileTimeText(status.CreatedOrLastWrite());
  dialog.m_strLastRead = FileTimeText(status.LastAccessOrLastWrite());
  dialog.m_strLastAccessed = FileTimeText(status.lastWrite);

  dialog.m_strSize = SignedSizeText(status.size);
  dialog.m_strFileName = name;
}

}  // namespace

void EditPropertiesOfFocusedFile(CommandWindow& window) {
  const std::wstring name = FocusedFileName(window);
  if (name.empty()) return;

  FileStatus status;
  if (const std::uint32_t error = File::GetStatus(window.ListedFolder() + name, status)) {
    // Removed or renamed since the list was filled.
    window.ShowFileError(name, FileException::FromSystemError(error, name),
                         Text(LocalizedText::ErrorTitle, CurrentLanguage()).c_str());
    return;
  }

  PropertiesDialog dialog;
  ShowStatus(dialog, name, status);
  const std::wstring extension = ExtensionOf(name);
  const IconLocation icon = FileTypeRegistry::ReadDefaultIcon(extension);
  dialog.m_strIconFile = icon.file;
  dialog.m_nIconIndex = icon.index;
  dialog.m_strApplication = FileTypeRegistry::ReadOpenCommand(extension);

  if (dialog.DoModal() != IDOK) return;
  if (dialog.m_bIconChanged)
    FileTypeRegistry::WriteDefaultIcon(extension, dialog.m_strIconFile, dialog.m_nIconIndex);
  if (dialog.m_bApplicationChanged) FileTypeRegistry::WriteOpenCommand(extension, dialog.m_strApplication);
  if ((dialog.m_bIconChanged || dialog.m_bApplicationChanged) && IsRegistrableExtension(extension))
    FileTypeRegistry::NotifyShellOfChange();
}
