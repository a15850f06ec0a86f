// Files that an earlier run left under a temporary name (temporary_name.h)
// when it ended between two steps, and what a later run makes of each. The
// folder is reached through StrandedFileFolder, so that every decision can be
// followed on any file system.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class StrandedFileFolder {
 public:
  virtual ~StrandedFileFolder() = default;
  // Names of the folder's files, at least every one that may be a temporary name.
  virtual std::vector<std::wstring> CandidateNames() = 0;
  // Whether the folder certainly holds an entry of this name, in any spelling
  // (the folder may ignore case).
  virtual bool Holds(const std::wstring& name) = 0;
  // 0 or the system's error code. A move never replaces a file.
  virtual std::uint32_t Move(const std::wstring& from, const std::wstring& to) = 0;
  virtual std::uint32_t Remove(const std::wstring& name) = 0;
};

enum class StrandedFate {
  BroughtBack,      // moved aside for a change of case: under its own name again
  Removed,          // a new content that never replaced its original, which is whole
  NameTaken,        // moved aside for a change of case: another file has its name now
  NotBroughtBack,   // moved aside for a change of case: the move back failed
  MaybeIncomplete,  // a new content without its original: it may have been cut off
  NotRemoved,       // a new content whose original is whole, but it could not be removed
  NameUnknown,      // moved aside under a name that does not say which file it is
};

struct StrandedFile {
  std::wstring temporaryName;
  std::wstring originalName;  // empty when the temporary name does not say
  StrandedFate fate;

  bool operator==(const StrandedFile&) const = default;
};

// Settles the folder's stranded files, in name order: the files moved aside
// for a change of case first, since a new content's original may be one of them.
std::vector<StrandedFile> SettleStrandedFiles(StrandedFileFolder& folder);

// Whether any file of the folder was moved or removed.
bool ChangedTheFolder(const std::vector<StrandedFile>& files);

// The message on the files the user must hear of (full paths and the names
// they came from), all in one; empty when there are none.
std::wstring StrandedFilesText(std::wstring_view folder, const std::vector<StrandedFile>& files);
