// The program's file class: every open is exclusive (no sharing), failures of
// reads, writes, seeks and closes throw FileException with the cause.
#pragma once
#include "framework/file_exception.h"
#include "framework/path.h"
#include "framework/unique_handles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Windows' "no time stamp": a zero FILETIME.
inline bool IsZeroFileTime(const FILETIME& time) {
  return time.dwLowDateTime == 0 && time.dwHighDateTime == 0;
}

struct FileStatus {
  FILETIME created{};
  FILETIME lastWrite{};
  FILETIME lastAccess{};
  std::uint64_t size = 0;
  DWORD attributes = 0;

  // A disk that keeps no creation or access time reports zero for it; the
  // last write is the best that is known then.
  const FILETIME& CreatedOrLastWrite() const { return IsZeroFileTime(created) ? lastWrite : created; }
  const FILETIME& LastAccessOrLastWrite() const {
    return IsZeroFileTime(lastAccess) ? lastWrite : lastAccess;
  }
};

class File {
 public:
  enum class Mode {
    ReadExisting,  // read access, the file must exist
    CreateNew,     // read and write access, fails when the name is taken
  };

  File() = default;
  File(File&&) = default;
  File& operator=(File&&) = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() = default;  // closes without reporting: the command is already ending

  // Returns false and fills *error (when given) if the file cannot be opened.
  bool Open(std::wstring_view path, Mode mode, FileException* error);

  // Returns the bytes read, fewer than asked only at the end of the file.
  std::uint32_t Read(void* buffer, std::uint32_t count);
  void Write(const void* buffer, std::uint32_t count);
  // To `offset` bytes from the start.
  std::uint64_t Seek(std::uint64_t offset);
  std::uint64_t GetLength() const;
  // What was written reaches the disk before this returns.
  void Flush();
  void Close();

  // For the framework's own queries of an open file (its identity).
  HANDLE Handle() const { return m_handle.get(); }

  // Looks the file up in its folder (no need to open it); 0 or the system's
  // error code, taken where the lookup failed.
  static std::uint32_t GetStatus(std::wstring_view path, FileStatus& status);
  // GetFileAttributesExW: the attributes, or nullopt with the system error.
  static std::optional<DWORD> GetAttributes(std::wstring_view path, DWORD* systemError = nullptr);

  static void Rename(std::wstring_view oldName, std::wstring_view newName);
  // MoveFileW: 0, or the system error (nothing thrown), for callers that
  // decide per error what a failed move means.
  static std::uint32_t TryRename(std::wstring_view oldName, std::wstring_view newName);
  // Puts `newName`'s file in place of `existingName`'s in one move, the
  // move itself on the disk before this returns.
  // 0, or the system error (nothing thrown).
  static std::uint32_t TryReplace(std::wstring_view newName, std::wstring_view existingName);
  static void Remove(std::wstring_view name);
  // DeleteFileW: 0, or the system error (nothing thrown).
  static std::uint32_t TryRemove(std::wstring_view name);

 private:
  [[noreturn]] void ThrowLastError(DWORD error) const;

  UniqueFileHandle m_handle;
  std::wstring m_strFilePath;
};
