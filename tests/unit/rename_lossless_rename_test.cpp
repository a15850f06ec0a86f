// The rename steps on two kinds of file system, simulated in memory: one that
// ignores case and keeps one spelling per name (as Windows disks do), and one
// that keeps every spelling apart but finds names regardless of case (as Wine
// does on a Linux disk, where a direct change of case succeeds and changes nothing).
#include "rename/lossless_rename.h"

#include "framework/file_exception.h"
#include "rename/name_transforms.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using testing::ElementsAre;
using testing::Pair;
using testing::UnorderedElementsAre;

namespace {

constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kAlreadyExists = 183;

class FakeFolder final : public NameStore {
 public:
  enum class Kind { IgnoresCase, KeepsEverySpelling };

  explicit FakeFolder(Kind kind) : m_kind(kind) {}

  // A file with the given content; the content tells the files apart.
  void Add(const std::string& name, const std::string& content) { m_files.emplace_back(name, content); }

  std::map<std::string, std::string> Files() const { return {m_files.begin(), m_files.end()}; }

  std::uint32_t Move(const std::string& from, const std::string& to) override {
    m_moves.push_back(from + " -> " + to);
    if (m_refused.contains(from + " -> " + to)) return kAccessDenied;
    auto source = Find(from);
    if (source == m_files.end()) return kFileNotFound;
    auto target = Find(to);
    if (target != m_files.end()) {
      if (target != source) return kAlreadyExists;
      if (m_kind == Kind::KeepsEverySpelling) return 0;  // "done", and nothing changed
    }
    source->first = to;
    return 0;
  }

  std::optional<std::string> StoredName(const std::string& name) override {
    auto file = Find(name);
    if (file == m_files.end()) return std::nullopt;
    return file->first;
  }

  std::vector<std::string> Spellings(const std::string& name) override {
    std::vector<std::string> names;
    for (const auto& file : m_files)
      if (ToUpperAnsi(file.first) == ToUpperAnsi(name)) names.push_back(file.first);
    return names;
  }

  std::string TemporaryName(int attempt) override { return "~tmp" + std::to_string(attempt); }

  void Refuse(const std::string& from, const std::string& to) { m_refused.insert(from + " -> " + to); }
  const std::vector<std::string>& Moves() const { return m_moves; }

 private:
  using Entry = std::pair<std::string, std::string>;

  // The exact spelling first, then any spelling.
  std::vector<Entry>::iterator Find(const std::string& name) {
    auto exact = std::ranges::find(m_files, name, &Entry::first);
    if (exact != m_files.end()) return exact;
    return std::ranges::find_if(
        m_files, [&](const Entry& file) { return ToUpperAnsi(file.first) == ToUpperAnsi(name); });
  }

  Kind m_kind;
  std::vector<Entry> m_files;
  std::set<std::string> m_refused;
  std::vector<std::string> m_moves;
};

// The error the rename reports; none when it succeeded.
std::optional<FileException> Rename(FakeFolder& folder, std::string_view from, std::string_view to) {
  try {
    LosslessRenamer(folder).Rename(from, to);
  } catch (const FileException& error) {
    return error;
  }
  return std::nullopt;
}

class BothFileSystems : public testing::TestWithParam<FakeFolder::Kind> {};

INSTANTIATE_TEST_SUITE_P(Rename, BothFileSystems,
                         testing::Values(FakeFolder::Kind::IgnoresCase,
                                         FakeFolder::Kind::KeepsEverySpelling));

}  // namespace

TEST_P(BothFileSystems, ChangesOnlyTheCaseAndLeavesNoSecondFile) {
  FakeFolder folder(GetParam());
  folder.Add("Photo.JPG", "photo");
  folder.Add("other.txt", "other");
  EXPECT_EQ(Rename(folder, "Photo.JPG", "photo.jpg"), std::nullopt);
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("photo.jpg", "photo"), Pair("other.txt", "other")));
}

TEST(LosslessRenamer, ChangesCaseDirectlyWhereTheFileSystemDoes) {
  FakeFolder folder(FakeFolder::Kind::IgnoresCase);
  folder.Add("\xC9T\xC9.TXT", "summer");
  EXPECT_EQ(Rename(folder, "\xC9T\xC9.TXT", "\xE9t\xE9.txt"), std::nullopt);
  EXPECT_THAT(folder.Files(), ElementsAre(Pair("\xE9t\xE9.txt", "summer")));
  EXPECT_THAT(folder.Moves(), ElementsAre("\xC9T\xC9.TXT -> \xE9t\xE9.txt"));
}

TEST(LosslessRenamer, GoesThroughATemporaryNameWhereADirectChangeOfCaseDoesNothing) {
  FakeFolder folder(FakeFolder::Kind::KeepsEverySpelling);
  folder.Add("Photo.JPG", "photo");
  folder.Add("~tmp0", "someone's file");
  EXPECT_EQ(Rename(folder, "Photo.JPG", "PHOTO.JPG"), std::nullopt);
  EXPECT_THAT(folder.Files(),
              UnorderedElementsAre(Pair("PHOTO.JPG", "photo"), Pair("~tmp0", "someone's file")));
  EXPECT_THAT(folder.Moves(), ElementsAre("Photo.JPG -> PHOTO.JPG", "Photo.JPG -> ~tmp0",
                                          "Photo.JPG -> ~tmp1", "~tmp1 -> PHOTO.JPG"));
}

TEST(LosslessRenamer, LaterChangesOfCaseInTheSameRunGoStraightThroughATemporaryName) {
  FakeFolder folder(FakeFolder::Kind::KeepsEverySpelling);
  folder.Add("a.txt", "a");
  folder.Add("b.txt", "b");
  LosslessRenamer renamer(folder);
  renamer.Rename("a.txt", "A.TXT");
  renamer.Rename("b.txt", "B.TXT");
  renamer.Rename("B.TXT", "c.txt");
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("A.TXT", "a"), Pair("c.txt", "b")));
  EXPECT_THAT(folder.Moves(), ElementsAre("a.txt -> A.TXT", "a.txt -> ~tmp0", "~tmp0 -> A.TXT",
                                          "b.txt -> ~tmp0", "~tmp0 -> B.TXT", "B.TXT -> c.txt"));
}

TEST(LosslessRenamer, AnotherSpellingOwnedByAnotherFileIsATakenName) {
  FakeFolder folder(FakeFolder::Kind::KeepsEverySpelling);
  folder.Add("Photo.JPG", "mine");
  folder.Add("PHOTO.JPG", "another");
  const auto error = Rename(folder, "Photo.JPG", "photo.jpg");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_strFileName, "Photo.JPG");
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("Photo.JPG", "mine"), Pair("PHOTO.JPG", "another")));
}

TEST_P(BothFileSystems, ATakenNameFailsAndBothFilesStay) {
  FakeFolder folder(GetParam());
  folder.Add("a.jpg", "a");
  folder.Add("NewFile0000.jpg", "kept");
  const auto error = Rename(folder, "a.jpg", "NEWFILE0000.JPG");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_cause, FileCauseFromSystemError(kAlreadyExists));
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("a.jpg", "a"), Pair("NewFile0000.jpg", "kept")));
}

TEST_P(BothFileSystems, NamesWindowsWouldRefuseOrAlterAreNeverTried) {
  const std::string tooLong(256, 'x');
  for (const std::string& bad :
       std::vector<std::string>{"a:b.txt", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "PRN", "NUL.txt", "con",
                                "trail.", "trail ", "", "sub\\name", tooLong}) {
    FakeFolder folder(GetParam());
    folder.Add("good.txt", "content");
    const auto error = Rename(folder, "good.txt", bad);
    ASSERT_TRUE(error) << bad;
    EXPECT_EQ(error->m_cause, FileCause::badPath) << bad;
    EXPECT_THAT(folder.Moves(), ElementsAre()) << bad;
    EXPECT_THAT(folder.Files(), ElementsAre(Pair("good.txt", "content"))) << bad;
  }
}

TEST(LosslessRenamer, ARefusedSecondStepBringsTheFileBackUnderItsName) {
  FakeFolder folder(FakeFolder::Kind::KeepsEverySpelling);
  folder.Add("photo.jpg", "photo");
  folder.Refuse("~tmp0", "PHOTO.JPG");
  const auto error = Rename(folder, "photo.jpg", "PHOTO.JPG");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAccessDenied);
  EXPECT_EQ(error->m_strFileName, "photo.jpg");
  EXPECT_THAT(folder.Files(), ElementsAre(Pair("photo.jpg", "photo")));
}

TEST_P(BothFileSystems, TheSameNameChangesNothing) {
  FakeFolder folder(GetParam());
  folder.Add("same.txt", "content");
  EXPECT_EQ(Rename(folder, "same.txt", "same.txt"), std::nullopt);
  EXPECT_THAT(folder.Moves(), ElementsAre());
}
