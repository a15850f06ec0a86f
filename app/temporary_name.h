// The program's temporary files sit beside the file they stand for, named so
// that a later start can tell which file each holds and what it is for:
//   "<original name>.~dvx<kind><attempt>.tmp"
// e.g. "Photo.JPG.~dvxcase0.tmp" or "b.bin.~dvxnew3.tmp".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TemporaryKind {
  CaseChange,   // the original file itself, moved aside for a change of case
  Replacement,  // a new content being written to replace (or become) the original
};

inline constexpr int kMaxTemporaryAttempt = 9999;

// Nothing when the name would grow past what a folder can hold (255 units).
std::optional<std::wstring> TemporaryNameFor(std::wstring_view originalName, TemporaryKind kind, int attempt);

struct TemporaryNameParts {
  std::wstring originalName;
  TemporaryKind kind;
};
// What a name made by TemporaryNameFor stands for; nothing for any other name.
std::optional<TemporaryNameParts> ParseTemporaryName(std::wstring_view name);

// The names that changes of case took before temporary names said which file
// they held, and still take when such a name would be too long:
// "~dvx<process id, 8 hex digits><attempt, 4 hex digits>.tmp". The process id
// keeps two running copies of the program apart.
std::wstring OpaqueTemporaryName(std::uint32_t processId, int attempt);
bool IsOpaqueTemporaryName(std::wstring_view name);
