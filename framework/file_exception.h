// What a failed file operation reports: a cause code with a fixed meaning,
// the system error it came from, and the file's name.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace FileCause {
inline constexpr int none = 0;
inline constexpr int generic = 1;
inline constexpr int fileNotFound = 2;
inline constexpr int badPath = 3;
inline constexpr int tooManyOpenFiles = 4;
inline constexpr int accessDenied = 5;
inline constexpr int invalidFile = 6;
inline constexpr int removeCurrentDir = 7;
inline constexpr int directoryFull = 8;
inline constexpr int badSeek = 9;
inline constexpr int hardIO = 10;
inline constexpr int sharingViolation = 11;
inline constexpr int lockViolation = 12;
inline constexpr int diskFull = 13;
inline constexpr int endOfFile = 14;
}  // namespace FileCause

// Maps a Win32 error code (GetLastError) onto a cause by its meaning.
int FileCauseFromSystemError(std::uint32_t systemError);

// The sentence that completes "<name> could not be opened because".
std::wstring_view FileCauseSentence(int cause);

// The file-error text: the name, " could not be opened because" (or
// "accessed", for a failure that no command caught and that may have come
// from any call on the file), a line break and the sentence for the cause.
enum class FileErrorVerb { Opened, Accessed };
std::wstring FileErrorText(std::wstring_view name, int cause, FileErrorVerb verb = FileErrorVerb::Opened);

class FileException {
 public:
  FileException() = default;
  FileException(int cause, std::uint32_t systemError, std::wstring fileName)
      : m_cause(cause), m_lOsError(systemError), m_strFileName(std::move(fileName)) {}

  static FileException FromSystemError(std::uint32_t systemError, std::wstring fileName) {
    return {FileCauseFromSystemError(systemError), systemError, std::move(fileName)};
  }

  int m_cause = FileCause::none;
  std::uint32_t m_lOsError = 0;
  std::wstring m_strFileName;
  // What became of a file the failed command was writing, said after the
  // cause; empty when there is nothing to say.
  std::wstring m_strAftermath;
};
