// Whether a path reaches the file a command must keep apart, as it asks
// before it writes over or stores a file: other spellings and hard links are
// the same file.
#include "framework/file_identity.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class FileIdentityTest : public testing::Test {
 protected:
  FileIdentityTest() {
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(m_root / "other");
    for (const char* name : {"Archive Of Today.Backup", "other.txt", "other/Archive Of Today.Backup"})
      std::ofstream(m_root / name) << name;
  }
  ~FileIdentityTest() override { std::filesystem::remove_all(m_root); }

  std::wstring Folder() const { return std::filesystem::absolute(m_root).wstring() + L"\\"; }

  // Of its own test: the cases may run side by side in one folder.
  const std::filesystem::path m_root =
      std::string("file_identity_") + testing::UnitTest::GetInstance()->current_test_info()->name();
};

std::wstring ShortPathOf(const std::wstring& path) {
  wchar_t buffer[1024];
  const DWORD length = GetShortPathNameW(path.c_str(), buffer, 1024);
  return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

TEST_F(FileIdentityTest, OtherSpellingsAndHardLinksAreTheSameFileAndOthersAreNot) {
  const std::wstring archive = Folder() + L"Archive Of Today.Backup";
  const std::wstring link = Folder() + L"link.bin";
  const bool haveLink = CreateHardLinkW(link.c_str(), archive.c_str(), nullptr) != 0;
  const std::wstring shortName = ShortPathOf(archive);

  struct Row {
    std::wstring path;
    bool same;
  };
  std::vector<Row> rows = {
      {archive, true},
      {Folder() + L"ARCHIVE OF TODAY.BACKUP", true},
      {Folder() + L".\\Archive Of Today.Backup", true},
      {Folder() + L"..\\file_identity\\Archive Of Today.Backup", true},
      {Folder() + L"Archive Of Today.Backup.", true},
      {Folder() + L"Archive Of Today.Backup  ", true},
      {Folder() + L"other.txt", false},
      {Folder() + L"other\\Archive Of Today.Backup", false},
      {Folder() + L"missing.Backup", false},
  };
  if (!shortName.empty() && shortName != archive) rows.push_back({shortName, true});
  if (haveLink) rows.push_back({link, true});
  for (const Row& row : rows) {
    // As a command meets it: the archive held open without sharing.
    File held;
    ASSERT_TRUE(held.Open(archive, File::Mode::ReadExisting, nullptr));
    EXPECT_EQ(ExcludedFile(held, archive, FolderOfPath(FullPathOf(row.path))).Is(row.path), row.same)
        << std::filesystem::path(row.path).string();
  }
}

TEST_F(FileIdentityTest, AFileBeingWrittenUnderItsOwnNameIsKnownByItsOpenHandleToo) {
  const std::wstring path = Folder() + L"new.Backup";
  File written;
  ASSERT_TRUE(written.Open(path, File::Mode::CreateNew, nullptr));
  const ExcludedFile excluded(path, Folder());
  File other;
  ASSERT_TRUE(other.Open(Folder() + L"other.txt", File::Mode::ReadExisting, nullptr));
  EXPECT_TRUE(excluded.Is(Folder() + L"NEW.backup"));
  EXPECT_FALSE(excluded.Is(other, Folder() + L"other.txt"));
}

}  // namespace
