// The names of one folder on the system's own disk, as LosslessRenamer
// reaches them: bare names joined to the folder's full path, so a rename
// acts where the list shows whatever the current directory is.
#pragma once
#include "rename/lossless_rename.h"

#include <string>
#include <vector>

class FolderNames final : public NameStore {
 public:
  // `folder` is a full path ending in a backslash.
  explicit FolderNames(std::wstring folder) : m_folder(std::move(folder)) {}

  std::uint32_t Move(const std::wstring& from, const std::wstring& to) override;
  std::vector<std::wstring> StoredNames() override;
  std::vector<std::wstring> StoredSpellingsOf(const std::wstring& name) override;
  std::wstring OpaqueTemporaryName(int attempt) override;

 private:
  std::wstring m_folder;
};
