// The rename steps on three kinds of disk, simulated in memory:
// - Windows': ignores case, keeps one spelling per name, changes case in one move;
// - a Linux disk under Wine: keeps every spelling apart but finds names
//   regardless of case; a direct change of case is reported done and changes nothing;
// - a FAT disk under Wine: ignores case, keeps one spelling per name, and
//   refuses a direct change of case as a taken name (183). A lookup by an
//   exact name there echoes the spelling asked for, which is why the steps
//   only ever learn names from a listing of the folder.
#include "rename/lossless_rename.h"

#include "framework/file_exception.h"
#include "framework/text_case.h"
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
  void Add(const std::wstring& name, const std::wstring& content) { m_files.emplace_back(name, content); }

  std::map<std::wstring, std::wstring> Files() const { return {m_files.begin(), m_files.end()}; }

  std::uint32_t Move(const std::wstring& from, const std::wstring& to) override {
    m_moves.push_back(from + L" -> " + to);
    if (m_refused.contains(from + L" -> " + to)) return kAccessDenied;
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

  std::vector<std::wstring> StoredNames() override {
    ++m_listings;
    std::vector<std::wstring> names;
    for (const auto& file : m_files) names.push_back(file.first);
    return names;
  }

  std::wstring OpaqueTemporaryName(int attempt) override { return L"~tmp" + std::to_wstring(attempt); }

  void Refuse(const std::wstring& from, const std::wstring& to) { m_refused.insert(from + L" -> " + to); }
  const std::vector<std::wstring>& Moves() const { return m_moves; }
  int Listings() const { return m_listings; }

 private:
  using Entry = std::pair<std::wstring, std::wstring>;

  // The exact spelling first, then any spelling.
  std::vector<Entry>::iterator Find(const std::wstring& name) {
    auto exact = std::ranges::find(m_files, name, &Entry::first);
    if (exact != m_files.end()) return exact;
    return std::ranges::find_if(
        m_files, [&](const Entry& file) { return ToUpperCase(file.first) == ToUpperCase(name); });
  }

  Disk m_disk;
  std::vector<Entry> m_files;
  std::set<std::wstring> m_refused;
  std::vector<std::wstring> m_moves;
  int m_listings = 0;
};

// The error the rename reports; none when it succeeded.
std::optional<FileException> Rename(LosslessRenamer& renamer, std::wstring_view from, std::wstring_view to) {
  try {
    renamer.Rename(from, to);
  } catch (const FileException& error) {
    return error;
  }
  return std::nullopt;
}

std::optional<FileException> Rename(FakeFolder& folder, std::wstring_view from, std::wstring_view to) {
  LosslessRenamer renamer(folder);
  return Rename(renamer, from, to);
}

class EveryDisk : public testing::TestWithParam<Disk> {};
INSTANTIATE_TEST_SUITE_P(LosslessRename, EveryDisk,
                         testing::Values(Disk::Windows, Disk::LinuxUnderWine, Disk::FatUnderWine), DiskName);

// The disks that cannot change the case of a name in one move.
class TwoStepDisk : public testing::TestWithParam<Disk> {};
INSTANTIATE_TEST_SUITE_P(LosslessRename, TwoStepDisk,
                         testing::Values(Disk::LinuxUnderWine, Disk::FatUnderWine), DiskName);

}  // namespace

TEST_P(EveryDisk, ChangesOnlyTheCaseAndLeavesNoSecondFile) {
  FakeFolder folder(GetParam());
  folder.Add(L"Photo.JPG", L"photo");
  folder.Add(L"ŁÓDŹ.TXT", L"city");
  folder.Add(L"Photo.JPG.~dvxcase0.tmp", L"someone's file");
  LosslessRenamer renamer(folder);
  EXPECT_EQ(Rename(renamer, L"Photo.JPG", L"photo.jpg"), std::nullopt);
  EXPECT_EQ(Rename(renamer, L"ŁÓDŹ.TXT", L"łódź.txt"), std::nullopt);
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair(L"photo.jpg", L"photo"), Pair(L"łódź.txt", L"city"),
                                                   Pair(L"Photo.JPG.~dvxcase0.tmp", L"someone's file")));
}

TEST_P(EveryDisk, AChangeOfCaseTakesOneMoveOrTwoAfterTheFirstTry) {
  FakeFolder folder(GetParam());
  folder.Add(L"a.txt", L"a");
  folder.Add(L"b.txt", L"b");
  LosslessRenamer renamer(folder);
  EXPECT_EQ(Rename(renamer, L"a.txt", L"A.TXT"), std::nullopt);
  EXPECT_EQ(Rename(renamer, L"b.txt", L"B.TXT"), std::nullopt);
  const std::vector<std::wstring> oneMove = {L"a.txt -> A.TXT", L"b.txt -> B.TXT"};
  const std::vector<std::wstring> twoMoves = {
      L"a.txt -> A.TXT", L"a.txt -> a.txt.~dvxcase0.tmp", L"a.txt.~dvxcase0.tmp -> A.TXT",
      L"b.txt -> b.txt.~dvxcase0.tmp", L"b.txt.~dvxcase0.tmp -> B.TXT"};
  EXPECT_THAT(folder.Moves(), ElementsAreArray(GetParam() == Disk::Windows ? oneMove : twoMoves));

  // The first ones look up their own names; then the folder is read once,
  // and each further change of case reads nothing.
  for (int file = 0; file < 10; ++file) folder.Add(L"f" + std::to_wstring(file) + L".txt", L"f");
  for (int file = 0; file < 8; ++file)
    EXPECT_EQ(Rename(renamer, L"f" + std::to_wstring(file) + L".txt", L"F" + std::to_wstring(file) + L".TXT"),
              std::nullopt);
  const int listings = folder.Listings();
  EXPECT_EQ(Rename(renamer, L"f8.txt", L"F8.TXT"), std::nullopt);
  EXPECT_EQ(Rename(renamer, L"f9.txt", L"F9.TXT"), std::nullopt);
  EXPECT_EQ(folder.Listings(), listings);
}

TEST(LosslessRename, AnotherSpellingOwnedByAnotherFileIsATakenName) {
  // Only a Linux disk holds both spellings.
  FakeFolder folder(Disk::LinuxUnderWine);
  folder.Add(L"Photo.JPG", L"mine");
  folder.Add(L"PHOTO.JPG", L"another");
  const auto error = Rename(folder, L"Photo.JPG", L"photo.jpg");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_strFileName, L"Photo.JPG");
  EXPECT_THAT(folder.Files(),
              UnorderedElementsAre(Pair(L"Photo.JPG", L"mine"), Pair(L"PHOTO.JPG", L"another")));
  EXPECT_THAT(folder.Moves(), ElementsAre());
}

TEST(LosslessRename, AFileAddedMeanwhileInAnotherSpellingIsNeverReplaced) {
  // The names are read at the first change of case; only a Linux disk can
  // then take a second spelling of a name.
  FakeFolder folder(Disk::LinuxUnderWine);
  folder.Add(L"a.txt", L"a");
  folder.Add(L"b.txt", L"b");
  LosslessRenamer renamer(folder);
  EXPECT_EQ(Rename(renamer, L"a.txt", L"A.TXT"), std::nullopt);
  folder.Add(L"B.TXT", L"another");
  const auto error = Rename(renamer, L"b.txt", L"B.TXT");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_strFileName, L"b.txt");
  std::multiset<std::wstring> contents;
  for (const auto& [name, content] : folder.Files()) contents.insert(content);
  EXPECT_THAT(contents, UnorderedElementsAre(L"a", L"b", L"another"));
  EXPECT_EQ(folder.Files()[L"B.TXT"], L"another");
}

TEST_P(EveryDisk, ANameHeldInAnotherCaseIsTakenAndBothFilesStay) {
  FakeFolder folder(GetParam());
  folder.Add(L"a.jpg", L"a");
  folder.Add(L"NewFile0000.jpg", L"kept");
  const auto error = Rename(folder, L"a.jpg", L"NEWFILE0000.JPG");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAlreadyExists);
  EXPECT_EQ(error->m_cause, FileCauseFromSystemError(kAlreadyExists));
  EXPECT_THAT(folder.Files(), UnorderedElementsAre(Pair(L"a.jpg", L"a"), Pair(L"NewFile0000.jpg", L"kept")));
}

TEST_P(EveryDisk, NumberingIntoNamesThatLaterEntriesHoldInAnotherCaseLosesNothing) {
  FakeFolder folder(GetParam());
  folder.Add(L"a.jpg", L"a");
  folder.Add(L"NewFile0000.jpg", L"zero");
  folder.Add(L"newfile0001.jpg", L"one");
  folder.Add(L"newfile0003.jpg", L"three");
  LosslessRenamer renamer(folder);
  EXPECT_TRUE(Rename(renamer, L"a.jpg", L"NewFile0000.jpg"));
  EXPECT_TRUE(Rename(renamer, L"NewFile0000.jpg", L"NewFile0001.jpg"));
  EXPECT_EQ(Rename(renamer, L"newfile0001.jpg", L"NewFile0002.jpg"), std::nullopt);
  EXPECT_EQ(Rename(renamer, L"newfile0003.jpg", L"NewFile0003.jpg"), std::nullopt);
  EXPECT_THAT(folder.Files(),
              UnorderedElementsAre(Pair(L"a.jpg", L"a"), Pair(L"NewFile0000.jpg", L"zero"),
                                   Pair(L"NewFile0002.jpg", L"one"), Pair(L"NewFile0003.jpg", L"three")));
}

TEST_P(EveryDisk, NamesWindowsWouldRefuseOrAlterAreNeverTried) {
  const std::wstring tooLong(256, L'x');
  for (const std::wstring& bad :
       std::vector<std::wstring>{L"a:b.txt", L"a*b", L"a?b", L"a\"b", L"a<b", L"a>b", L"a|b", L"PRN",
                                 L"NUL.txt", L"con", L"trail.", L"trail ", L"", L"sub\\name", tooLong}) {
    FakeFolder folder(GetParam());
    folder.Add(L"good.txt", L"content");
    const auto error = Rename(folder, L"good.txt", bad);
    ASSERT_TRUE(error) << bad;
    EXPECT_EQ(error->m_cause, FileCause::badPath) << bad;
    EXPECT_THAT(folder.Moves(), ElementsAre()) << bad;
    EXPECT_THAT(folder.Files(), ElementsAre(Pair(L"good.txt", L"content"))) << bad;
  }
}

TEST_P(EveryDisk, TheSameNameChangesNothing) {
  FakeFolder folder(GetParam());
  folder.Add(L"same.txt", L"content");
  EXPECT_EQ(Rename(folder, L"same.txt", L"same.txt"), std::nullopt);
  EXPECT_THAT(folder.Moves(), ElementsAre());
}

TEST_P(TwoStepDisk, ARefusedSecondStepBringsTheFileBackUnderItsName) {
  FakeFolder folder(GetParam());
  folder.Add(L"photo.jpg", L"photo");
  folder.Refuse(L"photo.jpg.~dvxcase0.tmp", L"PHOTO.JPG");
  const auto error = Rename(folder, L"photo.jpg", L"PHOTO.JPG");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->m_lOsError, kAccessDenied);
  EXPECT_EQ(error->m_strFileName, L"photo.jpg");
  EXPECT_THAT(folder.Files(), ElementsAre(Pair(L"photo.jpg", L"photo")));
}

TEST_P(TwoStepDisk, ARefusedWayBackSaysWhereTheFileIs) {
  FakeFolder folder(GetParam());
  folder.Add(L"photo.jpg", L"photo");
  folder.Refuse(L"photo.jpg.~dvxcase0.tmp", L"PHOTO.JPG");
  folder.Refuse(L"photo.jpg.~dvxcase0.tmp", L"photo.jpg");
  LosslessRenamer renamer(folder);
  try {
    renamer.Rename(L"photo.jpg", L"PHOTO.JPG");
    ADD_FAILURE() << "the rename reported success";
  } catch (const RenameLeftUnderTemporaryName& stranded) {
    EXPECT_EQ(LeftUnderTemporaryNameText(stranded.m_strFileName, stranded.m_strNewName,
                                         stranded.m_strTemporaryName),
              L"photo.jpg could not be renamed to PHOTO.JPG;\nit is now named photo.jpg.~dvxcase0.tmp.");
    EXPECT_EQ(stranded.m_lOsError, kAccessDenied);
  }
  EXPECT_THAT(folder.Files(), ElementsAre(Pair(L"photo.jpg.~dvxcase0.tmp", L"photo")));
}

TEST_P(TwoStepDisk, ANameWithoutRoomForItsTemporaryNameGoesThroughAnotherOne) {
  const std::wstring lower(250, L'x');
  const std::wstring upper(250, L'X');
  FakeFolder folder(GetParam());
  folder.Add(lower, L"long");
  EXPECT_EQ(Rename(folder, lower, upper), std::nullopt);
  EXPECT_THAT(folder.Moves(),
              ElementsAre(lower + L" -> " + upper, lower + L" -> ~tmp0", L"~tmp0 -> " + upper));
  EXPECT_THAT(folder.Files(), ElementsAre(Pair(upper, L"long")));
}
