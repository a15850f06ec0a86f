#include "rename/lossless_rename.h"

#include "framework/plain_file_name.h"
#include "app/ansi_case.h"

#include <algorithm>

namespace {

// System error codes, kept here so that these steps need no system header.
constexpr std::uint32_t kFileExists = 80;
constexpr std::uint32_t kInvalidName = 123;
constexpr std::uint32_t kAlreadyExists = 183;

constexpr int kTemporaryNameAttempts = 64;

[[noreturn]] void Fail(std::uint32_t systemError, std::string_view oldName) {
  throw FileException::FromSystemError(systemError, std::string(oldName));
}

bool IsTakenNameError(std::uint32_t error) { return error == kAlreadyExists || error == kFileExists; }

}  // namespace

void LosslessRenamer::Rename(std::string_view oldName, std::string_view newName) {
  if (!IsPlainFileName(oldName) || !IsPlainFileName(newName)) Fail(kInvalidName, oldName);
  if (oldName == newName) return;

  const std::string from(oldName);
  const std::string to(newName);
  if (SameNameIgnoringCase(from, to)) {
    ChangeCase(from, to);
  } else if (const std::uint32_t error = m_store.Move(from, to); error != 0) {
    Fail(error, oldName);
  }
}

// True when the folder lists exactly one spelling of `name`, and that is `spelling`.
bool LosslessRenamer::ListedAs(const std::string& name, const std::string& spelling) {
  const std::vector<std::string> spellings = m_store.Spellings(name);
  return spellings.size() == 1 && spellings.front() == spelling;
}

void LosslessRenamer::ChangeCase(const std::string& oldName, const std::string& newName) {
  // Another file that holds the name in another spelling takes it; and on a
  // disk that ignores case, a refused move could not tell that file from
  // this one.
  const std::vector<std::string> spellings = m_store.Spellings(newName);
  if (std::ranges::any_of(spellings, [&](const std::string& name) { return name != oldName; }))
    Fail(kAlreadyExists, oldName);

  if (!m_bCaseChangeTakesTwoSteps) {
    const std::uint32_t error = m_store.Move(oldName, newName);
    if (error != 0 && !IsTakenNameError(error)) Fail(error, oldName);
    if (error == 0 && ListedAs(newName, newName)) return;
    // Refused as taken by the file itself, or "done" with the old spelling kept.
    if (!ListedAs(newName, oldName)) Fail(error != 0 ? error : kAlreadyExists, oldName);
    m_bCaseChangeTakesTwoSteps = true;
  }
  ChangeCaseThroughTemporaryName(oldName, newName);
  if (!ListedAs(newName, newName)) Fail(kAlreadyExists, oldName);
}

// The file leaves its name, then takes the new one.
void LosslessRenamer::ChangeCaseThroughTemporaryName(const std::string& oldName, const std::string& newName) {
  const std::string temporary = MoveToTemporaryName(oldName);
  if (const std::uint32_t error = m_store.Move(temporary, newName); error != 0) {
    if (const std::uint32_t backError = m_store.Move(temporary, oldName); backError != 0)
      throw RenameLeftUnderTemporaryName(backError, oldName, newName, temporary);
    Fail(error, oldName);
  }
}

std::string LosslessRenamer::MoveToTemporaryName(const std::string& oldName) {
  std::uint32_t error = kAlreadyExists;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string temporary = m_store.TemporaryName(attempt);
    error = m_store.Move(oldName, temporary);
    if (error == 0) return temporary;
    if (!IsTakenNameError(error)) break;
  }
  Fail(error, oldName);
}
