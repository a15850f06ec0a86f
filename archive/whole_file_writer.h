// A file that nobody finds half-written. Over an existing file the content
// goes under a temporary name beside it and takes the file's place in one
// move once it is whole; a file that did not exist is written under its own
// name. Until it is committed, dropping the writer removes what it wrote.
#pragma once
#include "framework/file.h"

#include <cstdint>
#include <string>

class WholeFileWriter {
 public:
  WholeFileWriter() = default;
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;
  ~WholeFileWriter() { Discard(nullptr); }

  // False, with *error naming the target, when nothing could be created
  // (the target, if any, is left as it was): also for a folder, and for a
  // read-only file, which Windows would let nobody replace and Wine would.
  bool Open(const std::wstring& targetPath, FileException* error);
  bool ReplacesExisting() const { return m_replacesExisting; }

  // Failures throw FileException naming the target, not a temporary name.
  void Write(const void* buffer, std::uint32_t count);
  void SeekToStart();
  // Flushes and closes (a failure throws, as a write's does), then puts the
  // content in place. False, with *error naming the target, when the target
  // cannot be replaced (held open elsewhere, made read-only meanwhile, access
  // denied): that is the one file's failure, so the new content is removed
  // and the target stays as it was.
  bool Commit(FileException* error);

  // Removes what was written; an existing target stays as it was. Adds to
  // `failure` (when given) that a new file's partial content is gone.
  void Discard(FileException* failure);

 private:
  // Opens a free temporary name beside the target.
  bool OpenReplacement(FileException* error);
  template <class Operation>
  void OnTarget(Operation&& operation);

  File m_file;
  std::wstring m_targetPath;
  std::wstring m_writtenPath;
  bool m_replacesExisting = false;
  bool m_pending = false;  // written to, neither committed nor discarded
};
