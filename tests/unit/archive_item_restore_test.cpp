// An item goes back to its file whole or not at all, whatever fails midway.
#include "archive/item_restore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "archive/memory_archive_source.h"
#include "archive/whole_file_writer.h"
#include "framework/win32.h"

using namespace archive_format;

namespace {

enum class Fault { None, ReadFails, ArchiveEndsEarly };

// The item's bytes, failing as told once `goodBytes` of them are read.
class FaultySource final : public ArchiveSource {
 public:
  FaultySource(const std::string& bytes, Fault fault, std::size_t goodBytes)
      : m_memory(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())),
        m_fault(fault),
        m_left(goodBytes) {}
  std::size_t Read(void* buffer, std::size_t count) override {
    if (m_fault != Fault::None && m_left == 0) {
      if (m_fault == Fault::ArchiveEndsEarly) return 0;
      throw FileException(FileCause::hardIO, ERROR_READ_FAULT, L"x.Backup");
    }
    const std::size_t got = m_memory.Read(buffer, m_fault == Fault::None ? count : std::min(count, m_left));
    m_left -= std::min(m_left, got);
    return got;
  }
  void SeekTo(std::uint64_t offset) override { m_memory.SeekTo(offset); }
  std::uint64_t Length() override { return m_memory.Length(); }

 private:
  MemoryArchiveSource m_memory;
  Fault m_fault;
  std::size_t m_left;
};

std::string Content(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ItemRestore, TheTargetIsWhollyOldOrWhollyNewAndNothingElseIsLeft) {
  struct Row {
    const char* what;
    std::optional<std::string> old;  // the target's content before, if it exists
    bool takenTemporaryName;         // another file holds the first temporary name
    Fault fault;
    int cause;  // of the failure, none when it succeeds
    bool removalSaid;
  };
  const Row rows[] = {
      {"over a file", "old", false, Fault::None, FileCause::none, false},
      {"beside a file in the way", "old", true, Fault::None, FileCause::none, false},
      {"read error over a file", "old", false, Fault::ReadFails, FileCause::hardIO, false},
      {"read error, new file", std::nullopt, false, Fault::ReadFails, FileCause::hardIO, true},
      {"cut archive over a file", "old", false, Fault::ArchiveEndsEarly, FileCause::endOfFile, false},
      {"cut archive, new file", std::nullopt, false, Fault::ArchiveEndsEarly, FileCause::endOfFile, true},
  };
  const std::string data(10000, 'n');
  const ArchiveItem item{"b.bin", static_cast<std::uint32_t>(data.size()), 0};
  const std::filesystem::path folder = "item_restore_folder";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::vector<std::string> expectedNames = {"b.bin"};
    if (row.old) std::ofstream(folder / "b.bin", std::ios::binary) << *row.old;
    if (row.takenTemporaryName) {
      std::ofstream(folder / "b.bin.~dvxnew0.tmp") << "other";
      expectedNames.push_back("b.bin.~dvxnew0.tmp");
    }
    FaultySource source(data, row.fault, 2500);
    std::vector<std::uint8_t> buffer(1000);
    const std::wstring target = (folder / "b.bin").wstring();
    std::optional<FileException> failure;
    try {
      EXPECT_TRUE(RestoreItemData(source, L"x.Backup", item, target, buffer));
    } catch (const FileException& thrown) {
      failure = thrown;
    }
    EXPECT_EQ(failure ? failure->m_cause : FileCause::none, row.cause);
    if (failure) {
      EXPECT_EQ(failure->m_strFileName.ends_with(L"x.Backup"), true);
      EXPECT_EQ(failure->m_strAftermath.empty(), !row.removalSaid);
    }
    if (row.cause == FileCause::none) {
      EXPECT_EQ(Content(folder / "b.bin"), data);
    } else if (row.old) {
      EXPECT_EQ(Content(folder / "b.bin"), *row.old);
    } else {
      expectedNames.erase(expectedNames.begin());
    }
    EXPECT_EQ(NamesIn(folder), expectedNames);
  }
  std::filesystem::remove_all(folder);
}

// Windows lets nobody replace a read-only file (Wine lets its owner), and no
// file replaces a folder: both are refused before anything is written, for
// Restore and Backup alike.
TEST(WholeFileWriter, RefusesAReadOnlyFileAndAFolderBeforeWriting) {
  const std::filesystem::path folder = std::filesystem::absolute("whole_file_writer_folder");
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "sub");
  std::ofstream(folder / "kept.txt") << "old";
  SetFileAttributesW((folder / "kept.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  for (const char* name : {"kept.txt", "sub"}) {
    WholeFileWriter writer;
    FileException error;
    EXPECT_FALSE(writer.Open((folder / name).wstring(), &error)) << name;
    EXPECT_EQ(error.m_cause, FileCause::accessDenied) << name;
  }
  EXPECT_EQ(Content(folder / "kept.txt"), "old");
  EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{"kept.txt", "sub"}));
  SetFileAttributesW((folder / "kept.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(folder);
}

}  // namespace
