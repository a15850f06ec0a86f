#include "rename/lossless_rename.h"

#include "app/temporary_name.h"
#include "framework/path.h"
#include "framework/text_case.h"

#include <algorithm>
#include <optional>

namespace {

// System error codes, kept here so that these steps need no system header.
constexpr std::uint32_t kFileExists = 80;
constexpr std::uint32_t kInvalidName = 123;
constexpr std::uint32_t kAlreadyExists = 183;

constexpr int kTemporaryNameAttempts = 64;

[[noreturn]] void Fail(std::uint32_t systemError, std::wstring_view oldName) {
  throw FileException::FromSystemError(systemError, std::wstring(oldName));
}

bool IsTakenNameError(std::uint32_t error) { return error == kAlreadyExists || error == kFileExists; }

}  // namespace

void LosslessRenamer::Rename(std::wstring_view oldName, std::wstring_view newName) {
  if (!IsPlainFileName(oldName) || !IsPlainFileName(newName)) Fail(kInvalidName, oldName);
  if (oldName == newName) return;

  const std::wstring from(oldName);
  const std::wstring to(newName);
  if (SameTextIgnoringCase(from, to)) {
    ChangeCase(from, to);
  } else if (const std::uint32_t error = Move(from, to); error != 0) {
    Fail(error, oldName);
  }
}

std::uint32_t LosslessRenamer::Move(const std::wstring& from, const std::wstring& to) {
  const std::uint32_t error = m_store.Move(from, to);
  if (error != 0 || !m_bNamesRead) return error;
  m_spellings.Remove(from);
  m_spellings.Add(to);
  return 0;
}

std::vector<std::wstring> NameStore::StoredSpellingsOf(const std::wstring& name) {
  return SpellingsAmong(StoredNames(), name);
}

void LosslessRenamer::LookAgain() {
  if (m_bNamesRead) ReadNames();
}

void LosslessRenamer::ReadNames() {
  m_spellings = SpellingsByCase(m_store.StoredNames());
  m_bNamesRead = true;
}

std::vector<std::wstring> LosslessRenamer::SpellingsOf(const std::wstring& name) {
  // Each lookup searches the folder: past a few, one reading of it is cheaper.
  constexpr int kLookupsBeforeReadingAll = 8;
  if (!m_bNamesRead && m_nLookups < kLookupsBeforeReadingAll) {
    ++m_nLookups;
    return m_store.StoredSpellingsOf(name);
  }
  if (!m_bNamesRead) ReadNames();
  return m_spellings.Of(name);
}

// True when the folder holds exactly one spelling of `name`, and that is `spelling`.
bool LosslessRenamer::ListedAs(const std::wstring& name, const std::wstring& spelling) {
  const std::vector<std::wstring> spellings = SpellingsOf(name);
  return spellings.size() == 1 && spellings.front() == spelling;
}

void LosslessRenamer::ChangeCase(const std::wstring& oldName, const std::wstring& newName) {
  // Another file that holds the name in another spelling takes it; and on a
  // disk that ignores case, a refused move could not tell that file from
  // this one.
  const std::vector<std::wstring> spellings = SpellingsOf(newName);
  if (std::ranges::any_of(spellings, [&](const std::wstring& name) { return name != oldName; }))
    Fail(kAlreadyExists, oldName);

  if (m_caseChange != CaseChange::ThroughTemporaryName) {
    const std::uint32_t error = Move(oldName, newName);
    if (error != 0 && !IsTakenNameError(error)) Fail(error, oldName);
    // Once a listing has shown this disk to change case in one move, its word is enough.
    if (error == 0 && m_caseChange == CaseChange::OneMove) return;
    // Until then only a fresh listing tells what the move did.
    LookAgain();
    if (error == 0 && ListedAs(newName, newName)) {
      m_caseChange = CaseChange::OneMove;
      return;
    }
    // Refused as taken by the file itself, or "done" with the old spelling kept.
    if (!ListedAs(newName, oldName)) Fail(error != 0 ? error : kAlreadyExists, oldName);
    m_caseChange = CaseChange::ThroughTemporaryName;
  }
  ChangeCaseThroughTemporaryName(oldName, newName);
  if (m_bTemporaryNameStepsSeenToWork) return;
  LookAgain();
  if (!ListedAs(newName, newName)) Fail(kAlreadyExists, oldName);
  m_bTemporaryNameStepsSeenToWork = true;
}

// The file leaves its name, then takes the new one.
void LosslessRenamer::ChangeCaseThroughTemporaryName(const std::wstring& oldName,
                                                     const std::wstring& newName) {
  const std::wstring temporary = MoveToTemporaryName(oldName);
  if (const std::uint32_t error = Move(temporary, newName); error != 0) {
    if (const std::uint32_t backError = Move(temporary, oldName); backError != 0)
      throw RenameLeftUnderTemporaryName(backError, oldName, newName, temporary);
    Fail(error, oldName);
  }
}

std::wstring LosslessRenamer::MoveToTemporaryName(const std::wstring& oldName) {
  std::uint32_t error = kAlreadyExists;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    // Named after the file, so that a start after a crash between the two
    // steps can give the file its name back.
    const std::optional<std::wstring> named = TemporaryNameFor(oldName, TemporaryKind::CaseChange, attempt);
    const std::wstring temporary = named ? *named : m_store.OpaqueTemporaryName(attempt);
    error = Move(oldName, temporary);
    if (error == 0) return temporary;
    if (!IsTakenNameError(error)) break;
  }
  Fail(error, oldName);
}
