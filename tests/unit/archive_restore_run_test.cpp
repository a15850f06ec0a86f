// Restore's copy steps without a dialog: what they write on the disk, and
// which boxes they show on the way.
#include "archive/restore_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/localized_text.h"
#include "archive/archive_messages.h"
#include "archive/memory_archive_source.h"
#include "archive_bytes.h"
#include "framework/text.h"

using archive_format::MemoryArchiveSource;

namespace {

struct Shown {
  std::wstring text;
  std::wstring caption;
  UINT style;
  bool operator==(const Shown&) const = default;
};

// Answers every box with Yes, which only the Cancel question reads.
class RecordingWindow final : public RestoreWindow {
 public:
  int MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const override {
    shown.push_back({std::wstring(text), std::wstring(caption), style});
    return IDYES;
  }
  mutable std::vector<Shown> shown;
};

class QuietProgress final : public RunProgress {
 public:
  void SetStatus(std::wstring) override {}
  void SetPosition(int, int) override {}
  bool TakeCancelRequest() override { return false; }
  void ShowLatest() override {}
};

// An archive of the given items, listed and its names read as Restore does.
struct ListedArchive {
  explicit ListedArchive(const std::string& archiveBytes)
      : bytes(archiveBytes.begin(), archiveBytes.end()),
        source(bytes),
        listing(*archive_format::ListArchive(source)),
        names(DecodeNames(listing, SystemCodePage())) {}
  OpenedArchive Opened() { return {source, path, listing, names}; }

  std::vector<std::uint8_t> bytes;
  MemoryArchiveSource source;
  archive_format::ArchiveListing listing;
  DecodedNames names;
  std::wstring path = L"x.Backup";
};

class RestoreRun : public testing::Test {
 protected:
  RestoreRun() {
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
  }
  ~RestoreRun() override { std::filesystem::remove_all(m_parent); }

  std::wstring Folder() const { return std::filesystem::absolute(m_folder).wstring() + L"\\"; }
  std::wstring PathOf(const char* name) const { return Folder() + WideFromWestern(name); }
  void Write(const char* name, const std::string& content) const {
    std::ofstream(m_folder / name, std::ios::binary) << content;
  }
  std::string Read(const char* name) const {
    std::ifstream in(m_folder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  int RestoreAll(const std::vector<std::pair<std::string, std::string>>& items) {
    ListedArchive archive(archive_test::ArchiveOf("c:\\elsewhere\\", items));
    QuietProgress progress;
    return RestoreEveryItem(m_window, progress, archive.Opened(), Folder());
  }

  // Of its own test: the cases may run side by side in one folder.
  const std::filesystem::path m_parent =
      std::string("restore_run_") + testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::filesystem::path m_folder = m_parent / "target";
  RecordingWindow m_window;
};

TEST_F(RestoreRun, EveryItemGoesIntoTheFolderWholeWhateverItsSize) {
  const std::string big(70000, 'k');  // more than one pass of the copy buffer
  EXPECT_EQ(RestoreAll({{"big.bin", big}, {"empty.dat", ""}, {"small.txt", "s"}}), 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"big.bin", "empty.dat", "small.txt"}));
  EXPECT_TRUE(Read("big.bin") == big);
  EXPECT_EQ(Read("empty.dat"), "");
  EXPECT_EQ(Read("small.txt"), "s");
  EXPECT_TRUE(m_window.shown.empty());
}

TEST_F(RestoreRun, NamesThatAreNoPlainFileNamesAreRefusedAndTheOthersWritten) {
  const std::vector<std::string> hostile = {
      "..\\escape.txt", "sub\\inner.txt", "C:\\abs.txt", "a:stream", "CON",
      "nul.txt",        "trail.",         "blank ",      ""};
  std::vector<std::pair<std::string, std::string>> items;
  std::vector<Shown> refusals;
  for (std::size_t i = 0; i < hostile.size(); ++i) {
    if (i == 2) items.push_back({"good.txt", "good"});
    items.push_back({hostile[i], "evil"});
    refusals.push_back({UnsafeItemNameText(WideFromWestern(hostile[i])), L"Error", MB_ICONSTOP});
  }
  EXPECT_EQ(RestoreAll(items), 1);
  EXPECT_EQ(m_window.shown, refusals);
  EXPECT_EQ(Names(), std::vector<std::string>{"good.txt"});
  EXPECT_FALSE(std::filesystem::exists(m_parent / "escape.txt"));
  EXPECT_FALSE(std::filesystem::exists("C:\\abs.txt"));
}

TEST_F(RestoreRun, AReadOnlyFileIsKeptAndReportedAndTheNextItemWritten) {
  Write("a.txt", "old a");
  Write("b.txt", "old b");
  const std::wstring kept = PathOf("a.txt");
  SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY);

  ListedArchive one(archive_test::ArchiveOf("c:\\elsewhere\\", {{"a.txt", "new a"}}));
  RestoreOneItem(m_window, one.Opened(), 0, kept, false);
  EXPECT_EQ(RestoreAll({{"a.txt", "new a"}, {"b.txt", "new b"}}), 1);
  EXPECT_EQ(m_window.shown, (std::vector<Shown>{{L"Unable to read archived data!", kept, MB_OK},
                                                {L"Unable to open or create file!", kept, MB_ICONSTOP}}));
  EXPECT_EQ(Read("a.txt"), "old a");
  EXPECT_EQ(Read("b.txt"), "new b");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "b.txt"}));
  SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_NORMAL);  // for the folder's removal
}

}  // namespace
