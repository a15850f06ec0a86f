// The steps of a rename that never replaces or loses another file and leaves
// the file under exactly the name asked for, whatever the file system does
// with the case of names. The folder is reached through NameStore, so the
// steps can be followed on any file system.
#pragma once
#include "app/name_case.h"
#include "framework/file_exception.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class NameStore {
 public:
  virtual ~NameStore() = default;
  // Gives the file `from` the name `to` without ever replacing another file;
  // returns 0 or the system's error code.
  virtual std::uint32_t Move(const std::wstring& from, const std::wstring& to) = 0;
  // Every name the folder stores, spelled as stored, as a listing of the
  // folder shows them. A lookup by a name would not do: on some disks it
  // echoes the spelling asked for.
  virtual std::vector<std::wstring> StoredNames() = 0;
  // The stored spellings of one name (every name equal to it but for case),
  // as StoredNames would give them, for a few renames in a large folder.
  virtual std::vector<std::wstring> StoredSpellingsOf(const std::wstring& name);
  // Candidate names for the intermediate step of a change of case, for a
  // file whose name leaves no room to be named after it.
  virtual std::wstring OpaqueTemporaryName(int attempt) = 0;
};

// A change of case that went through a temporary name and could not come
// back from it: the file is neither under its old name nor under the new one.
class RenameLeftUnderTemporaryName : public FileException {
 public:
  RenameLeftUnderTemporaryName(std::uint32_t systemError, std::wstring oldName, std::wstring newName,
                               std::wstring temporaryName)
      : FileException(FromSystemError(systemError, oldName)),
        m_strNewName(std::move(newName)),
        m_strTemporaryName(std::move(temporaryName)) {}

  std::wstring m_strNewName;
  std::wstring m_strTemporaryName;
};

// Renames files of one folder, one after the other. The first changes of
// case look up the spellings of their own names; after a few, the folder's
// names are read once and kept up to date with every move it makes, so that
// one file costs no reading of a whole large folder and each of many files
// costs only its own moves. A file that
// another program adds meanwhile, in another spelling of a new name, escapes
// the check but is never replaced: no move replaces a file, so that rename
// fails at its move (on a disk that keeps both spellings apart, possibly
// after the file has left for its temporary name, which is then reported).
class LosslessRenamer {
 public:
  explicit LosslessRenamer(NameStore& store) : m_store(store) {}

  // Throws FileException, named after oldName, when the new name is taken
  // (in any spelling, by another file), is one that Windows would refuse or
  // silently alter, or the store refuses a step; the file then keeps its old
  // name, or, failing even that, RenameLeftUnderTemporaryName says where it is.
  void Rename(std::wstring_view oldName, std::wstring_view newName);

 private:
  // How the folder's file system takes a change of case, learnt from the
  // first one. Some report a direct move as done but keep the old spelling,
  // others refuse it as a taken name; those need a temporary name.
  enum class CaseChange { Untried, OneMove, ThroughTemporaryName };

  void ChangeCase(const std::wstring& oldName, const std::wstring& newName);
  void ChangeCaseThroughTemporaryName(const std::wstring& oldName, const std::wstring& newName);
  std::wstring MoveToTemporaryName(const std::wstring& oldName);
  // A move that keeps the known names up to date; 0 or the system's error code.
  std::uint32_t Move(const std::wstring& from, const std::wstring& to);
  void ReadNames();
  // After a move whose effect only a fresh look tells: the names read are
  // read again (a lookup is fresh by itself).
  void LookAgain();
  std::vector<std::wstring> SpellingsOf(const std::wstring& name);
  bool ListedAs(const std::wstring& name, const std::wstring& spelling);

  NameStore& m_store;
  CaseChange m_caseChange = CaseChange::Untried;
  // Whether a listing has shown a change through a temporary name to leave
  // exactly the spelling asked for; until then each one is checked so.
  bool m_bTemporaryNameStepsSeenToWork = false;
  bool m_bNamesRead = false;
  int m_nLookups = 0;
  SpellingsByCase m_spellings;
};
