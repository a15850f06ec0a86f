#include "rename/lossless_rename.h"

#include "framework/file_exception.h"
#include "framework/plain_file_name.h"
#include "rename/name_transforms.h"

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

}  // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b) { return ToUpperAnsi(a) == ToUpperAnsi(b); }

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

void LosslessRenamer::ChangeCase(const std::string& oldName, const std::string& newName) {
  if (!m_bKeepsSpellingOnDirectMove) {
    if (const std::uint32_t error = m_store.Move(oldName, newName); error != 0) Fail(error, oldName);
    const std::optional<std::string> stored = m_store.StoredName(newName);
    if (stored == newName) return;
    // Reported as done, but the file kept its spelling.
    if (stored != oldName) Fail(kAlreadyExists, oldName);
    m_bKeepsSpellingOnDirectMove = true;
  }
  ChangeCaseThroughTemporaryName(oldName, newName);
  if (m_store.StoredName(newName) != newName) Fail(kAlreadyExists, oldName);
}

// For a file system that keeps every spelling apart but finds names
// regardless of case: the file leaves its name, then takes the new one.
void LosslessRenamer::ChangeCaseThroughTemporaryName(const std::string& oldName, const std::string& newName) {
  // Another spelling that belongs to another file takes the new name, and it
  // would bar the way back from the temporary name too.
  const std::vector<std::string> spellings = m_store.Spellings(newName);
  if (std::ranges::any_of(spellings, [&](const std::string& name) { return name != oldName; }))
    Fail(kAlreadyExists, oldName);

  const std::string temporary = MoveToTemporaryName(oldName);
  if (const std::uint32_t error = m_store.Move(temporary, newName); error != 0) {
    m_store.Move(temporary, oldName);
    Fail(error, oldName);
  }
}

std::string LosslessRenamer::MoveToTemporaryName(const std::string& oldName) {
  std::uint32_t error = kAlreadyExists;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string temporary = m_store.TemporaryName(attempt);
    error = m_store.Move(oldName, temporary);
    if (error == 0) return temporary;
    if (error != kAlreadyExists && error != kFileExists) break;
  }
  Fail(error, oldName);
}
