#include "framework/file.h"

#include <algorithm>

namespace {

// The handle's information and a search's find data name these fields alike.
template <typename Info>
void CopyStatus(const Info& info, FileStatus& status) {
  status.created = info.ftCreationTime;
  status.lastWrite = info.ftLastWriteTime;
  status.lastAccess = info.ftLastAccessTime;
  status.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  status.attributes = info.dwFileAttributes;
}

}  // namespace

std::string FullPathOf(const std::string& path) {
  char buffer[MAX_PATH * 4];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return path;
  return std::string(buffer, length);
}

bool File::Open(std::string_view path, Mode mode, FileException* error) {
  m_handle.reset();
  const std::string name(path);
  const DWORD access = mode == Mode::ReadExisting ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD disposition = mode == Mode::ReadExisting ? OPEN_EXISTING : CREATE_ALWAYS;
  UniqueFileHandle handle(
      CreateFileA(name.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) {
    const DWORD lastError = GetLastError();
    if (error) *error = FileException::FromSystemError(lastError, name);
    return false;
  }
  m_handle = std::move(handle);
  m_strFilePath = FullPathOf(name);
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

std::uint64_t File::Seek(std::int64_t offset, SeekFrom from) {
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(m_handle.get(), distance, &position, static_cast<DWORD>(from)))
    ThrowLastError(GetLastError());
  return static_cast<std::uint64_t>(position.QuadPart);
}

std::uint64_t File::GetLength() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(m_handle.get(), &size)) ThrowLastError(GetLastError());
  return static_cast<std::uint64_t>(size.QuadPart);
}

void File::Close() {
  if (!m_handle) return;
  const HANDLE handle = m_handle.release();
  if (!CloseHandle(handle)) ThrowLastError(GetLastError());
}

std::string File::GetFileName() const {
  const auto separator = m_strFilePath.find_last_of("\\/:");
  return separator == std::string::npos ? m_strFilePath : m_strFilePath.substr(separator + 1);
}

bool File::GetStatus(FileStatus& status) const {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(m_handle.get(), &info)) return false;
  CopyStatus(info, status);
  return true;
}

bool File::GetStatus(std::string_view name, FileStatus& status) {
  const std::string path(name);
  // A wildcard would make the search report some other file.
  if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
  WIN32_FIND_DATAA found{};
  UniqueFindHandle search(FindFirstFileA(path.c_str(), &found));
  if (!search) return false;
  CopyStatus(found, status);
  return true;
}

void File::Rename(std::string_view oldName, std::string_view newName) {
  const std::string from(oldName);
  const std::string to(newName);
  if (!MoveFileA(from.c_str(), to.c_str())) throw FileException::FromSystemError(GetLastError(), from);
}

void File::Remove(std::string_view name) {
  const std::string path(name);
  if (!DeleteFileA(path.c_str())) throw FileException::FromSystemError(GetLastError(), path);
}

void File::ThrowLastError(DWORD error) const { throw FileException::FromSystemError(error, m_strFilePath); }

bool IsZeroFileTime(const FILETIME& time) { return time.dwLowDateTime == 0 && time.dwHighDateTime == 0; }
