// The rename steps on three kinds of disk, simulated in memory:
// - Windows': ignores case, keeps one spelling per name, changes case in one move;
// - a Linux disk under Wine: keeps every spelling apart but finds names
//   regardless of case; a direct change of case is reported done and changes nothing;
// - a FAT disk under Wine: ignores case, keeps one spelling per name, and
//   refuses a direct change of case as a taken name (183). A lookup by an
//   exact name there echoes the spelling asked for, which is why the steps
//   only ever learn names from a listing of the folder.
#include "rename/lossless_rename.h"

#include "app/ansi_case.h"
#include "framework/file_exception.h"
#include "rename/rename_messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::Pair;
using testing::UnorderedElementsAre;

namespace {

constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kAlreadyExists = 183;

enum class Disk { Windows, LinuxUnderWine, FatUnderWine };

std::string DiskName(const testing::TestParamInfo<Disk>& info) {
  switch (info.param) {
    case Disk::Windows:
      return "Windows";
    case Disk::LinuxUnderWine:
      return "LinuxUnderWine";
    default:
      return "FatUnderWine";
  }
}

class FakeFolder final : public NameStore {
 public:
  explicit FakeFolder(Disk disk) : m_disk(disk) {}

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
      if (m_disk == Disk::LinuxUnderWine) return 0;  // "done", and nothing changed
      if (m_disk == Disk::FatUnderWine) return kAlreadyExists;
    }
    source->first = to;
    return 0;
  }

  std::vector<std::string> StoredNames() override {
    ++m_listings;
    std::vector<std::string> names;
    for (const auto& file : m_files) names.push_back(file.first);
    return names;
  }

  std::string TemporaryName(int attempt) override { return "~tmp" + std::to_string(attempt); }

  void Refuse(const std::string& from, const std::string& to) { m_refused.insert(from + " -> " + to); }
  const std::vector<std::string>& Moves() const { return m_moves; }
  int Listings() const { return m_listings; }

 private:
  using Entry = std::pair<std::string, std::string>;

  // The exact spelling first, then any spelling.
  std::vector<Entry>::iterator Find(const std::string& name) {
    auto exact = std::ranges::find(m_files, name, &Entry::first);
    if (exact != m_files.end()) return exact;
    return std::ranges::find_if(
        m_files, [&](const Entry& file) { return ToUpperAnsi(file.first) == ToUpperAnsi(name); });
  }

  Disk m_disk;
  std::vector<Entry> m_files;
  std::set<std::string> m_refused;
  std::vector<std::string> m_moves;
  int m_listings = 0;
};

// The error the rename reports; none when it succeeded.
std::optional<FileException> Rename(LosslessRenamer& renamer, std::string_view from, std::string_view to) {
  try {
    renamer.Rename(from, to);
  } catch (const FileException& error) {
    return error;
  }
  return std::nullopt;
}

std::optional<FileException> Rename(FakeFolder& folder, std::string_view from, std::string_view to) {
  LosslessRenamer renamer(folder);
  return Rename(renamer, from, to);
}

class EveryDisk : public testing::TestWithParam<Disk> {};
INSTANTIATE_TEST_SUITE_P(LosslessRename, EveryDisk,
                         testing::Values(Disk::Windows, Disk::LinuxUnderWine, Disk::FatUnderWine), DiskName);

// The disks that cannot change the case of a name in one move.
class TwoStepDisk : public testing::TestWithParam<Disk> {};
INSTANTIATE_TEST_SUITE_P(LosslessRename, TwoStepDisk, testing::Values(Disk::LinuxUnderWine, Disk::FatUnderWine),
                         DiskName);

}  // namespace

TEST_P(EveryDisk, ChangesOnlyTheCaseAndLeavesNoSecondFile) {
  FakeFolder folder(GetParam());
  folder.Add("Photo.JPG", "photo");
  folder.Add("\xC9T\xC9.TXT", "summer");
  folder.Add("~tmp0", "someone's file");
  LosslessRenamer renamer(folder);
  EXPECT_EQ(Rename(renamer, "Photo.JPG", "photo.jpg"), std::nullopt);
  EXPECT_EQ(Rename(renamer, "\xC9T\xC9.TXT", "\xE9t\xE9.txt"), std::nullopt);
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("photo.jpg", "photo"), Pair("\xE9t\xE9.txt", "summer"),
                                                   Pair("~tmp0", "someone's file")));
}

TEST_P(EveryDisk, AChangeOfCaseTakesOneMoveOrTwoAfterTheFirstTry) {
  FakeFolder folder(GetParam());
  folder.Add("a.txt", "a");
  folder.Add("b.txt", "b");
  LosslessRenamer renamer(folder);
  EXPECT_EQ(Rename(renamer, "a.txt", "A.TXT"), std::nullopt);
  const int listingsForTheFirst = folder.Listings();
  EXPECT_EQ(Rename(renamer, "b.txt", "B.TXT"), std::nullopt);
  // The folder is listed for the first change of case only.
  EXPECT_EQ(folder.Listings(), listingsForTheFirst);
  const std::vector<std::string> oneMove = {"a.txt -> A.TXT", "b.txt -> B.TXT"};
  const std::vector<std::string> twoMoves = {"a.txt -> A.TXT", "a.txt -> ~tmp0", "~tmp0 -> A.TXT",
                                             "b.txt -> ~tmp0", "~tmp0 -> B.TXT"};
  EXPECT_THAT(folder.Moves(), ElementsAreArray(GetParam() == Disk::Windows ? oneMove : twoMoves));
}

TEST(LosslessRename, AnotherSpellingOwnedByAnotherFileIsATakenName) {
  // Only a Linux disk holds both spellings.
  FakeFolder folder(Disk::LinuxUnderWine);
  folder.Add("Photo.JPG", "mine");
  folder.Add("PHOTO.JPG", "another");
  const auto error = Rename(folder, "Photo.JPG", "photo.jpg");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_strFileName, "Photo.JPG");
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("Photo.JPG", "mine"), Pair("PHOTO.JPG", "another")));
  EXPECT_THAT(folder.Moves(), ElementsAre());
}

TEST(LosslessRename, AFileAddedMeanwhileInAnotherSpellingIsNeverReplaced) {
  // The names are read at the first change of case; only a Linux disk can
  // then take a second spelling of a name.
  FakeFolder folder(Disk::LinuxUnderWine);
  folder.Add("a.txt", "a");
  folder.Add("b.txt", "b");
  LosslessRenamer renamer(folder);
  EXPECT_EQ(Rename(renamer, "a.txt", "A.TXT"), std::nullopt);
  folder.Add("B.TXT", "another");
  const auto error = Rename(renamer, "b.txt", "B.TXT");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_strFileName, "b.txt");
  std::multiset<std::string> contents;
  for (const auto& [name, content] : folder.Files()) contents.insert(content);
  EXPECT_THAT(contents, UnorderedElementsAre("a", "b", "another"));
  EXPECT_EQ(folder.Files()["B.TXT"], "another");
}

TEST_P(EveryDisk, ANameHeldInAnotherCaseIsTakenAndBothFilesStay) {
  FakeFolder folder(GetParam());
  folder.Add("a.jpg", "a");
  folder.Add("NewFile0000.jpg", "kept");
  const auto error = Rename(folder, "a.jpg", "NEWFILE0000.JPG");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_cause, FileCauseFromSystemError(kAlreadyExists));
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("a.jpg", "a"), Pair("NewFile0000.jpg", "kept")));
}

TEST_P(EveryDisk, NumberingIntoNamesThatLaterEntriesHoldInAnotherCaseLosesNothing) {
  FakeFolder folder(GetParam());
  folder.Add("a.jpg", "a");
  folder.Add("NewFile0000.jpg", "zero");
  folder.Add("newfile0001.jpg", "one");
  folder.Add("newfile0003.jpg", "three");
  LosslessRenamer renamer(folder);
  EXPECT_TRUE(Rename(renamer, "a.jpg", "NewFile0000.jpg"));
  EXPECT_TRUE(Rename(renamer, "NewFile0000.jpg", "NewFile0001.jpg"));
  EXPECT_EQ(Rename(renamer, "newfile0001.jpg", "NewFile0002.jpg"), std::nullopt);
  EXPECT_EQ(Rename(renamer, "newfile0003.jpg", "NewFile0003.jpg"), std::nullopt);
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair("a.jpg", "a"), Pair("NewFile0000.jpg", "zero"),
                                                   Pair("NewFile0002.jpg", "one"), Pair("NewFile0003.jpg", "three")));
}

TEST_P(EveryDisk, NamesWindowsWouldRefuseOrAlterAreNeverTried) {
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

TEST_P(EveryDisk, TheSameNameChangesNothing) {
  FakeFolder folder(GetParam());
  folder.Add("same.txt", "content");
  EXPECT_EQ(Rename(folder, "same.txt", "same.txt"), std::nullopt);
  EXPECT_THAT(folder.Moves(), ElementsAre());
}

TEST_P(TwoStepDisk, ARefusedSecondStepBringsTheFileBackUnderItsName) {
  FakeFolder folder(GetParam());
  folder.Add("photo.jpg", "photo");
  folder.Refuse("~tmp0", "PHOTO.JPG");
  const auto error = Rename(folder, "photo.jpg", "PHOTO.JPG");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAccessDenied);
  EXPECT_EQ(error->m_strFileName, "photo.jpg");
  EXPECT_THAT(folder.Files(), ElementsAre(Pair("photo.jpg", "photo")));
}

TEST_P(TwoStepDisk, ARefusedWayBackSaysWhereTheFileIs) {
  FakeFolder folder(GetParam());
  folder.Add("photo.jpg", "photo");
  folder.Refuse("~tmp0", "PHOTO.JPG");
  folder.Refuse("~tmp0", "photo.jpg");
  LosslessRenamer renamer(folder);
  try {
    renamer.Rename("photo.jpg", "PHOTO.JPG");
    ADD_FAILURE() << "the rename reported success";
  } catch (const RenameLeftUnderTemporaryName& stranded) {
    EXPECT_EQ(LeftUnderTemporaryNameText(stranded.m_strFileName, stranded.m_strNewName, stranded.m_strTemporaryName),
              "photo.jpg could not be renamed to PHOTO.JPG;\nit is now named ~tmp0.");
    EXPECT_EQ(stranded.m_lOsError, kAccessDenied);
  }
  EXPECT_THAT(folder.Files(), ElementsAre(Pair("~tmp0", "photo")));
}
