// Whether two paths reach one file, as Windows decides it: by the file's
// identity (its volume and its index there) wherever the system can tell it,
// so that another spelling (other case, a short 8.3 name, ".\", a trailing
// dot) or a hard link is the same file; by the full, normalized path,
// case ignored, where it cannot.
#pragma once
#include "framework/file.h"

#include <cstdint>
#include <optional>
#include <string>

struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t indexHigh = 0;
  std::uint64_t indexLow = 0;
  // How many directory entries name the file.
  std::uint32_t links = 1;

  bool SameFileAs(const FileIdentity& other) const {
    return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
  }
};

// The identity of what `path` names, a file or a folder, without opening its
// content; nothing when it does not exist or the system cannot tell. Dear
// under Wine (the volume's serial number is asked of a service each time).
std::optional<FileIdentity> IdentityOfPath(const std::wstring& path);

// The full path with every short name spelled out, for comparing as text.
std::wstring NormalizedPath(const std::wstring& path);

// A file that none of a command's other files may be (the archive Restore
// reads, the one Backup writes), and the question the command asks before
// each file it would write or store: is that one this file? The other files
// all lie in one folder, so the file's identity is learnt once, and a file
// that only one entry names can be one of them only where that folder is its
// own, and there only under its name (in any case) or a short alias of it.
class ExcludedFile {
 public:
  // The file open as `file`, reached by `path`.
  ExcludedFile(const File& file, const std::wstring& path, const std::wstring& folderOfOthers);
  // The file `path` names now, if any.
  ExcludedFile(const std::wstring& path, const std::wstring& folderOfOthers);

  // `candidate` names a file of the folder given above, which need not exist.
  bool Is(const std::wstring& candidate) const;
  // The same for a file the command has open.
  bool Is(const File& candidate, const std::wstring& candidatePath) const;

 private:
  ExcludedFile(std::optional<FileIdentity> identity, const std::wstring& path,
               const std::wstring& folderOfOthers);
  // Whether the name alone answers, and how; nothing where only the
  // candidate's identity can tell.
  std::optional<bool> AnswerByName(const std::wstring& candidatePath) const;
  bool SameIdentity(const std::optional<FileIdentity>& candidate, const std::wstring& candidatePath) const;

  std::optional<FileIdentity> m_identity;
  std::wstring m_strName;  // its long name, as the folder lists it
  bool m_bMayBeInFolder = true;
};
