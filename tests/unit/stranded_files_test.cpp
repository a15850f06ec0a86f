// What a run makes of the files an earlier one left under temporary names,
// on a folder in memory that finds names regardless of case, as Windows' and
// Wine's do.
#include "app/stranded_files.h"

#include "framework/text_case.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using enum StrandedFate;

namespace {

constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kAlreadyExists = 183;

class FakeFolder final : public StrandedFileFolder {
 public:
  explicit FakeFolder(std::set<std::wstring> names) : m_names(std::move(names)) {}

  std::vector<std::wstring> CandidateNames() override { return {m_names.begin(), m_names.end()}; }
  bool Holds(const std::wstring& name) override {
    return std::ranges::any_of(m_names,
                               [&](const std::wstring& held) { return SameTextIgnoringCase(held, name); });
  }
  std::uint32_t Move(const std::wstring& from, const std::wstring& to) override {
    if (m_refused.contains(from)) return kAccessDenied;
    if (Holds(to)) return kAlreadyExists;
    m_names.erase(from);
    m_names.insert(to);
    return 0;
  }
  std::uint32_t Remove(const std::wstring& name) override {
    if (m_refused.contains(name)) return kAccessDenied;
    m_names.erase(name);
    return 0;
  }

  void Refuse(const std::wstring& name) { m_refused.insert(name); }
  const std::set<std::wstring>& Names() const { return m_names; }

 private:
  std::set<std::wstring> m_names;
  std::set<std::wstring> m_refused;
};

struct Case {
  const char* what;
  std::set<std::wstring> before;
  std::set<std::wstring> refused;
  std::vector<StrandedFile> found;
  std::set<std::wstring> after;
};

const Case kCases[] = {
    {"a file moved aside comes back",
     {L"Photo.JPG.~dvxcase0.tmp", L"other.jpg"},
     {},
     {{L"Photo.JPG.~dvxcase0.tmp", L"Photo.JPG", BroughtBack}},
     {L"Photo.JPG", L"other.jpg"}},
    {"its name held in another spelling keeps it aside",
     {L"Photo.JPG.~dvxcase12.tmp", L"PHOTO.JPG"},
     {},
     {{L"Photo.JPG.~dvxcase12.tmp", L"Photo.JPG", NameTaken}},
     {L"Photo.JPG.~dvxcase12.tmp", L"PHOTO.JPG"}},
    {"two spellings moved aside: the first in name order comes back",
     {L"a.txt.~dvxcase0.tmp", L"A.TXT.~dvxcase0.tmp"},
     {},
     {{L"A.TXT.~dvxcase0.tmp", L"A.TXT", BroughtBack}, {L"a.txt.~dvxcase0.tmp", L"a.txt", NameTaken}},
     {L"A.TXT", L"a.txt.~dvxcase0.tmp"}},
    {"a refused move back leaves it aside",
     {L"x.~dvxcase0.tmp"},
     {L"x.~dvxcase0.tmp"},
     {{L"x.~dvxcase0.tmp", L"x", NotBroughtBack}},
     {L"x.~dvxcase0.tmp"}},
    {"a new content beside its whole original goes",
     {L"b.bin", L"b.bin.~dvxnew3.tmp"},
     {},
     {{L"b.bin.~dvxnew3.tmp", L"b.bin", Removed}},
     {L"b.bin"}},
    {"a new content without its original stays",
     {L"b.bin.~dvxnew0.tmp"},
     {},
     {{L"b.bin.~dvxnew0.tmp", L"b.bin", MaybeIncomplete}},
     {L"b.bin.~dvxnew0.tmp"}},
    {"a new content that cannot be removed stays",
     {L"b.bin", L"b.bin.~dvxnew0.tmp"},
     {L"b.bin.~dvxnew0.tmp"},
     {{L"b.bin.~dvxnew0.tmp", L"b.bin", NotRemoved}},
     {L"b.bin", L"b.bin.~dvxnew0.tmp"}},
    {"the original comes back before its new content is judged",
     {L"r.dat.~dvxnew0.tmp", L"r.dat.~dvxcase0.tmp"},
     {},
     {{L"r.dat.~dvxcase0.tmp", L"r.dat", BroughtBack}, {L"r.dat.~dvxnew0.tmp", L"r.dat", Removed}},
     {L"r.dat"}},
    {"a name that does not say whose it is stays",
     {L"~dvx0000abcd0001.tmp"},
     {},
     {{L"~dvx0000abcd0001.tmp", L"", NameUnknown}},
     {L"~dvx0000abcd0001.tmp"}},
    {"other names are not ours",
     {L"notes.tmp", L"~dvxzzzzzzzzzzzz.tmp", L"~dvx0000abcd001.tmp", L"a.~dvxcase.tmp", L"a.~dvxold0.tmp",
      L".~dvxcase0.tmp", L"a.~dvxcase0.tmp.txt"},
     {},
     {},
     {L"notes.tmp", L"~dvxzzzzzzzzzzzz.tmp", L"~dvx0000abcd001.tmp", L"a.~dvxcase.tmp", L"a.~dvxold0.tmp",
      L".~dvxcase0.tmp", L"a.~dvxcase0.tmp.txt"}},
};

}  // namespace

TEST(StrandedFiles, EachIsBroughtBackRemovedOrLeftAsSafe) {
  for (const Case& c : kCases) {
    FakeFolder folder(c.before);
    for (const std::wstring& name : c.refused) folder.Refuse(name);
    const std::vector<StrandedFile> found = SettleStrandedFiles(folder);
    EXPECT_THAT(found, ElementsAreArray(c.found)) << c.what;
    EXPECT_EQ(folder.Names(), c.after) << c.what;
    EXPECT_EQ(ChangedTheFolder(found), c.before != c.after) << c.what;
  }
}

TEST(StrandedFiles, OneMessageSaysWhereTheOthersAreUpToTenOfThem) {
  std::vector<StrandedFile> files = {{L"a.txt.~dvxcase0.tmp", L"a.txt", BroughtBack},
                                     {L"P.JPG.~dvxcase0.tmp", L"P.JPG", NameTaken},
                                     {L"~dvx0000abcd0001.tmp", L"", NameUnknown}};
  EXPECT_EQ(StrandedFilesText(L"c:\\work", files),
            L"An earlier run of Dorvex stopped before it could put these files back in order:\n"
            L"\nc:\\work\\P.JPG.~dvxcase0.tmp is the file P.JPG, which could not get its name back: another "
            L"file has it.\nc:\\work\\~dvx0000abcd0001.tmp is a file that was being renamed; its name is not "
            L"known.");
  files.resize(1);
  EXPECT_THAT(StrandedFilesText(L"c:\\work\\", files), IsEmpty());
  files.assign(11, {L"b.~dvxnew0.tmp", L"b", MaybeIncomplete});
  EXPECT_TRUE(
      StrandedFilesText(L"c:\\", files).ends_with(L"incomplete.\n... and 1 more in the same folder."));
}
