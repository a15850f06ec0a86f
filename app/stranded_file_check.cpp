#include "app/stranded_file_check.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "framework/file.h"
#include "framework/folder_listing.h"
#include "framework/path.h"
#include "framework/window_text.h"

namespace {

class FolderOnDisk final : public StrandedFileFolder {
 public:
  explicit FolderOnDisk(std::wstring folder) : m_folder(FolderWithSeparator(std::move(folder))) {}

  // Every temporary name ends so; the wildcard spares reading out the rest.
  std::vector<std::wstring> CandidateNames() override { return FileNamesMatching(PathOf(L"*.tmp")); }

  // A lookup by name finds the name in any spelling where the folder ignores
  // case, Wine's Linux folders included.
  bool Holds(const std::wstring& name) override { return File::GetAttributes(PathOf(name)).has_value(); }

  std::uint32_t Move(const std::wstring& from, const std::wstring& to) override {
    return File::TryRename(PathOf(from), PathOf(to));
  }

  std::uint32_t Remove(const std::wstring& name) override {
    try {
      File::Remove(PathOf(name));
    } catch (const FileException& error) {
      return error.m_lOsError != 0 ? error.m_lOsError : ERROR_GEN_FAILURE;
    }
    return 0;
  }

 private:
  std::wstring PathOf(const std::wstring& name) const { return m_folder + name; }

  std::wstring m_folder;
};

}  // namespace

std::vector<StrandedFile> SettleStrandedFilesIn(const std::wstring& folder) {
  if (folder.empty()) return {};
  FolderOnDisk onDisk(folder);
  return SettleStrandedFiles(onDisk);
}

void ReportStrandedFiles(HWND owner, const std::wstring& folder, const std::vector<StrandedFile>& files) {
  const std::wstring text = StrandedFilesText(folder, files);
  if (text.empty()) return;
  ShowMessageBox(owner, text, Text(LocalizedText::ErrorTitle, CurrentLanguage()), MB_OK | MB_ICONEXCLAMATION);
}

bool SettleStrandedFilesBeforeWriting(HWND owner, const std::wstring& folder) {
  const std::vector<StrandedFile> files = SettleStrandedFilesIn(folder);
  ReportStrandedFiles(owner, folder, files);
  return ChangedTheFolder(files);
}
