#include "archive/whole_file_writer.h"

#include "app/temporary_name.h"

namespace {

bool NameIsTaken(std::uint32_t systemError) {
  return systemError == ERROR_FILE_EXISTS || systemError == ERROR_ALREADY_EXISTS;
}

}  // namespace

bool WholeFileWriter::Open(const std::wstring& targetPath, FileException* error) {
  Discard(nullptr);
  m_targetPath = FullPathOf(targetPath);
  // Made in its place only if free, with no look at the folder before: a
  // disk that ignores case answers a look for a missing name by reading the
  // whole folder, and a new name would pay that twice.
  FileException failure;
  if (m_file.Open(m_targetPath, File::Mode::CreateNew, &failure)) {
    m_writtenPath = m_targetPath;
    m_replacesExisting = false;
    m_pending = true;
    return true;
  }
  if (const std::optional<DWORD> attributes = File::GetAttributes(m_targetPath)) {
    // A folder cannot be replaced by a file, nor, on Windows, a read-only
    // file by anyone: refused here rather than once the new content is whole.
    if (*attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
      if (error) *error = FileException::FromSystemError(ERROR_ACCESS_DENIED, m_targetPath);
      return false;
    }
    if (NameIsTaken(failure.m_lOsError)) return OpenReplacement(error);
  }
  failure.m_strFileName = m_targetPath;
  if (error) *error = failure;
  return false;
}

bool WholeFileWriter::OpenReplacement(FileException* error) {
  const std::wstring folder = FolderOfPath(m_targetPath);
  const std::wstring name = m_targetPath.substr(folder.size());
  FileException failure = FileException::FromSystemError(ERROR_FILENAME_EXCED_RANGE, m_targetPath);
  for (int attempt = 0; attempt <= kMaxTemporaryAttempt; ++attempt) {
    const std::optional<std::wstring> temporary = TemporaryNameFor(name, TemporaryKind::Replacement, attempt);
    if (!temporary) break;
    if (m_file.Open(folder + *temporary, File::Mode::CreateNew, &failure)) {
      m_writtenPath = folder + *temporary;
      m_replacesExisting = true;
      m_pending = true;
      return true;
    }
    if (!NameIsTaken(failure.m_lOsError)) break;
  }
  failure.m_strFileName = m_targetPath;
  if (error) *error = failure;
  return false;
}

template <class Operation>
void WholeFileWriter::OnTarget(Operation&& operation) {
  try {
    operation();
  } catch (FileException& failure) {
    failure.m_strFileName = m_targetPath;
    throw;
  }
}

void WholeFileWriter::Write(const void* buffer, std::uint32_t count) {
  OnTarget([&] { m_file.Write(buffer, count); });
}

void WholeFileWriter::SeekToStart() {
  OnTarget([&] { m_file.Seek(0); });
}

bool WholeFileWriter::Commit(FileException* error) {
  OnTarget([&] {
    m_file.Flush();
    m_file.Close();
  });
  if (m_replacesExisting) {
    if (const std::uint32_t failure = File::TryReplace(m_writtenPath, m_targetPath); failure != 0) {
      if (error) *error = FileException::FromSystemError(failure, m_targetPath);
      Discard(nullptr);
      return false;
    }
  }
  m_pending = false;
  return true;
}

void WholeFileWriter::Discard(FileException* failure) {
  if (!m_pending) return;
  m_pending = false;
  m_file = File();  // closed without reporting: the content is given up
  const bool removed = File::TryRemove(m_writtenPath) == 0;
  if (failure && removed && !m_replacesExisting)
    failure->m_strAftermath = L"The partly written file " + m_targetPath + L" has been removed.";
}
