// The steps of a rename that never replaces or loses another file and leaves
// the file under exactly the name asked for, whatever the file system does
// with the case of names. The folder is reached through NameStore, so the
// steps can be followed on any file system.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class NameStore {
 public:
  virtual ~NameStore() = default;
  // Gives the file `from` the name `to` without ever replacing another file;
  // returns 0 or the system's error code.
  virtual std::uint32_t Move(const std::string& from, const std::string& to) = 0;
  // The name under which the folder stores the file that `name` finds.
  virtual std::optional<std::string> StoredName(const std::string& name) = 0;
  // Every stored name that equals `name` but for the case of its letters.
  virtual std::vector<std::string> Spellings(const std::string& name) = 0;
  // Candidate names for the intermediate step of a change of case.
  virtual std::string TemporaryName(int attempt) = 0;
};

// Renames files of one folder, one after the other.
class LosslessRenamer {
 public:
  explicit LosslessRenamer(NameStore& store) : m_store(store) {}

  // Throws FileException, named after oldName, when the new name is taken, is
  // one that Windows would refuse or silently alter, or the store refuses a
  // step; the file then keeps its old name.
  void Rename(std::string_view oldName, std::string_view newName);

 private:
  void ChangeCase(const std::string& oldName, const std::string& newName);
  void ChangeCaseThroughTemporaryName(const std::string& oldName, const std::string& newName);
  std::string MoveToTemporaryName(const std::string& oldName);

  NameStore& m_store;
  // Learnt from the first change of case: the folder's file system reports a
  // direct change of case as done but keeps the old spelling.
  bool m_bKeepsSpellingOnDirectMove = false;
};

// True when the names differ at most in the case of their letters (code page 1252).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
