#include "framework/file.h"

#include "framework/sized_text.h"

#include <algorithm>

namespace {

void CopyStatus(const WIN32_FIND_DATAW& found, FileStatus& status) {
  status.created = found.ftCreationTime;
  status.lastWrite = found.ftLastWriteTime;
  status.lastAccess = found.ftLastAccessTime;
  status.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  status.attributes = found.dwFileAttributes;
}

}  // namespace

bool File::Open(std::wstring_view path, Mode mode, FileException* error) {
  m_handle.reset();
  const std::wstring name(path);
  const DWORD access = mode == Mode::ReadExisting ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD disposition = mode == Mode::ReadExisting ? OPEN_EXISTING : CREATE_NEW;
  std::wstring full = FullPathOf(name);
  UniqueFileHandle handle(CreateFileW(LongFormOfFullPath(full).c_str(), access, 0, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) {
    const DWORD lastError = GetLastError();
    if (error) *error = FileException::FromSystemError(lastError, name);
    return false;
  }
  m_handle = std::move(handle);
  m_strFilePath = std::move(full);
  return true;
}

std::uint32_t File::Read(void* buffer, std::uint32_t count) {
  DWORD read = 0;
  if (!ReadFile(m_handle.get(), buffer, count, &read, nullptr)) ThrowLastError(GetLastError());
  return read;
}

void File::Write(const void* buffer, std::uint32_t count) {
  DWORD written = 0;
  if (!WriteFile(m_handle.get(), buffer, count, &written, nullptr)) ThrowLastError(GetLastError());
  // A short write without an error means the volume ran out of room.
  if (written != count) throw FileException(FileCause::diskFull, ERROR_DISK_FULL, m_strFilePath);
}

std::uint64_t File::Seek(std::uint64_t offset) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(offset);
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(m_handle.get(), distance, &position, FILE_BEGIN)) ThrowLastError(GetLastError());
  return static_cast<std::uint64_t>(position.QuadPart);
}

std::uint64_t File::GetLength() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(m_handle.get(), &size)) ThrowLastError(GetLastError());
  return static_cast<std::uint64_t>(size.QuadPart);
}

void File::Flush() {
  if (!FlushFileBuffers(m_handle.get())) ThrowLastError(GetLastError());
}

void File::Close() {
  if (!m_handle) return;
  const HANDLE handle = m_handle.release();
  if (!CloseHandle(handle)) ThrowLastError(GetLastError());
}

std::uint32_t File::GetStatus(std::wstring_view path, FileStatus& status) {
  const std::wstring pattern(path);
  // A wildcard would make the search report some other file.
  if (pattern.empty() || pattern.find_first_of(L"*?") != std::wstring::npos) return ERROR_INVALID_NAME;
  WIN32_FIND_DATAW found{};
  UniqueFindHandle search(FindFirstFileW(FileCallPath(pattern).c_str(), &found));
  if (!search) {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_FILE_NOT_FOUND;
  }
  CopyStatus(found, status);
  return 0;
}

std::optional<DWORD> File::GetAttributes(std::wstring_view path, DWORD* systemError) {
  const std::wstring name(path);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(FileCallPath(name).c_str(), GetFileExInfoStandard, &data))
    return data.dwFileAttributes;
  if (systemError) *systemError = GetLastError();
  return std::nullopt;
}

void File::Rename(std::wstring_view oldName, std::wstring_view newName) {
  const std::wstring from(oldName);
  if (const std::uint32_t error = TryRename(from, newName)) throw FileException::FromSystemError(error, from);
}

std::uint32_t File::TryRename(std::wstring_view oldName, std::wstring_view newName) {
  return MoveFileW(FileCallPath(oldName).c_str(), FileCallPath(newName).c_str()) ? 0 : GetLastError();
}

std::uint32_t File::TryReplace(std::wstring_view newName, std::wstring_view existingName) {
  return MoveFileExW(FileCallPath(newName).c_str(), FileCallPath(existingName).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
             ? 0
             : GetLastError();
}

void File::Remove(std::wstring_view name) {
  const std::wstring path(name);
  if (const std::uint32_t error = TryRemove(path)) throw FileException::FromSystemError(error, path);
}

std::uint32_t File::TryRemove(std::wstring_view name) {
  return DeleteFileW(FileCallPath(name).c_str()) ? 0 : GetLastError();
}

void File::ThrowLastError(DWORD error) const { throw FileException::FromSystemError(error, m_strFilePath); }
