// Renaming files of the current folder with the steps of LosslessRenamer on
// the system's own file system.
#pragma once
#include "rename/lossless_rename.h"

#include <string_view>

class SafeRenamer {
 public:
  SafeRenamer() : m_renamer(m_folder) {}
  SafeRenamer(const SafeRenamer&) = delete;
  SafeRenamer& operator=(const SafeRenamer&) = delete;

  // Throws FileException (named after oldName) when the file keeps its name.
  void Rename(std::wstring_view oldName, std::wstring_view newName) { m_renamer.Rename(oldName, newName); }

 private:
  class CurrentFolderNames final : public NameStore {
   public:
    std::uint32_t Move(const std::wstring& from, const std::wstring& to) override;
    std::vector<std::wstring> StoredNames() override;
    std::wstring OpaqueTemporaryName(int attempt) override;
  };

  CurrentFolderNames m_folder;
  LosslessRenamer m_renamer;
};
