// Moving about the folders: whatever the profile, the file pattern or a move
// that fails, the path line, the lists and the folder the commands act on
// stay one and the same.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "framework/text_case.h"
#include "program_process.h"
#include "rename_fixture.h"
#include "res/resource.h"
#include "stored_language.h"
#include "test_environment.h"
#include "ui/browsing_state.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using usersim::ProgramProcess;
using usersim::User;

namespace {

constexpr char kMainTitle[] = "Dorvex [English]";

// A folder as the path line shows it: lower case, no trailing backslash.
std::string PathLineOf(const fs::path& folder) {
  std::string text = folder.string();
  if (text.size() > 3 && text.back() == '\\') text.pop_back();
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

void DeleteSelected(const User& user, HWND window) {
  user.Click(window, IDC_DELETE);
  // Answered without checking its icon, which a user in another process cannot read.
  user.Answer(user.WaitForMessageBox("Delete file"), IDYES);
  WaitForCommandEnd(user, window);
}

std::string NotShown(const std::string& folder, const char* reason) {
  return folder + " cannot be shown: " + reason;
}
constexpr char kUnavailable[] = "the folder does not exist or cannot be opened.";

// --- The profile the program starts with. The program starts in a folder
// holding c1.txt and the profile folder, whose Desktop holds another c1.txt:
// the c1.txt that the window lists is the one Delete deletes.

enum class Profile { Unset, DriveRelative, TrailingBackslash, Missing };

struct ProfileCase {
  const char* name;
  Profile profile;
  std::vector<const char*> folderClicks;  // directory-list entries double-clicked after the start
  bool endsOnDesktop;                     // else in the start folder
};

void PrintTo(const ProfileCase& row, std::ostream* out) { *out << row.name; }

class ProfileStartTest : public testing::TestWithParam<ProfileCase> {
 protected:
  void SetUp() override {
    StoreLanguage(Language::English);
    m_start.Write("c1.txt");
    m_profile.Profile().Write("Desktop\\c1.txt");
    std::string value = m_profile.Profile().WindowsPath();
    switch (GetParam().profile) {
      case Profile::Unset:
        SetEnvironmentVariableA("USERPROFILE", nullptr);
        return;
      case Profile::DriveRelative:  // relative to the folder the program starts in
        value = value.substr(0, 2) + "profile";
        break;
      case Profile::TrailingBackslash:
        break;
      case Profile::Missing:
        value = m_start.WindowsPath() + "gone";
        break;
    }
    SetEnvironmentVariableA("USERPROFILE", value.c_str());
  }

  TempFolder m_start;
  FakeProfile m_profile{m_start.Path() / "profile"};
};

TEST_P(ProfileStartTest, TheListedFileIsTheOneDeleted) {
  const ProfileCase& row = GetParam();
  const fs::path shown = row.endsOnDesktop ? m_profile.Desktop() : m_start.Path();
  const fs::path other = row.endsOnDesktop ? m_start.Path() : m_profile.Desktop();
  SetCurrentDirectoryA(m_start.WindowsPath().c_str());
  ProgramProcess program = ProgramProcess::Start(usersim::DorvexExePath());
  User user(program.Id());
  HWND window = user.WaitForDialog(kMainTitle);
  for (const char* entry : row.folderClicks) user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, entry);
  EXPECT_EQ(user.Text(window, IDC_PATH_LINE), PathLineOf(shown));
  user.ClickListItem(window, IDC_FILE_LIST, "c1.txt");
  DeleteSelected(user, window);
  EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), IsEmpty());
  user.Click(window, IDCANCEL);
  EXPECT_TRUE(program.WaitForExit(15s).has_value());
  EXPECT_FALSE(fs::exists(shown / "c1.txt"));
  EXPECT_TRUE(fs::exists(other / "c1.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ProfileStartTest,
    testing::Values(ProfileCase{"Unset", Profile::Unset, {"[profile]", "[Desktop]"}, true},
                    ProfileCase{"DriveRelative", Profile::DriveRelative, {}, true},
                    ProfileCase{"TrailingBackslash", Profile::TrailingBackslash, {"[..]", "[..]"}, false},
                    ProfileCase{"Missing", Profile::Missing, {"[profile]", "[Desktop]"}, true}),
    [](const testing::TestParamInfo<ProfileCase>& info) { return std::string(info.param.name); });

// --- Moves inside the running window.

class NavigationTest : public RenameCommandTest {};

// A file pattern that names a folder lists that folder, and so does every
// refill after a command; moving on takes the pattern alone along.
TEST_F(NavigationTest, APatternNamingAFolderKeepsThatFolderThroughCommands) {
  Add("a.txt", "desktop");
  m_folder.MakeFolder("work");
  m_folder.Write("work\\a.txt");
  m_folder.Write("work\\b.txt");
  const std::string work = PathLineOf(m_folder.Path() / "work");
  RunMainWindow([&](User& user, HWND window) {
    user.SetText(window, IDC_FILE_SPEC, "work\\*.*");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), work);
    SelectFiles(user, window, {"a.txt"});
    DeleteSelected(user, window);
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), work);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("b.txt"));

    user.Click(window, IDC_SELECT_ALL);
    DeleteSelected(user, window);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), IsEmpty());

    user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[..]");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), m_profile.DesktopPathLine());
    EXPECT_EQ(user.Text(window, IDC_FILE_SPEC), "*.*");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("a.txt"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(Content("a.txt"), "desktop");
  EXPECT_FALSE(m_folder.Exists("work\\a.txt"));
  EXPECT_FALSE(m_folder.Exists("work\\b.txt"));
}

// A drive letter, mapped in the Wine prefix, whose folder goes away while
// the drive list still shows it.
class VanishingDrive : public MappedDrive {
 public:
  VanishingDrive() : MappedDrive("vanishing-drive") {}
  void Vanish() const {
    usersim::RunUnixShell("rmdir '" + UnixFolder() + "'");
    for (int tries = 0; tries < 100 && Mapped(); ++tries) Sleep(50);
  }
};

// A Home folder or drive that cannot be shown leaves everything as it was
// and says so: the listed folder can still be entered and left, and a
// command's refill shows its result.
TEST_F(NavigationTest, AFailedMoveChangesNothingAndNamesTheFolder) {
  Add("d.txt");
  m_folder.MakeFolder("sub");
  VanishingDrive drive;
  ASSERT_TRUE(drive.Mapped()) << drive.WhyNot();
  const std::string desktop = m_profile.DesktopPathLine();
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_HOME_PERSONAL);
    user.ExpectMessageBox("Error", NotShown(m_profile.Profile().WindowsPath() + "Personal\\", kUnavailable));

    user.Click(window, IDC_REFRESH);  // the drive list now shows the drive
    drive.Vanish();
    user.DoubleClickListItem(window, IDC_DRIVE_LIST, drive.ListEntry());
    user.ExpectMessageBox("Error", NotShown(drive.Root(), kUnavailable));

    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), desktop);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("d.txt"));
    user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[sub]");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), desktop + "\\sub");
    user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[..]");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), desktop);
    SelectFiles(user, window, {"d.txt"});
    RunCommand(user, window, IDC_UPPER_CASE);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("D.TXT"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(ToLowerCase(CurrentDrive + CurrentFolder), ToLowerCase(m_folder.WideWindowsPath()));
}

// A letter the code page lacks is no look-alike of one it has.
TEST_F(NavigationTest, APatternWithALetterTheCodePageLacksListsTheNamesThatHaveIt) {
  Add("abc.txt");
  m_folder.Write(L"\u0101bc.txt");
  m_folder.MakeFolder("sub");
  RunMainWindow([&](User& user, HWND window) {
    user.SetText(window, IDC_FILE_SPEC, L"\u0101*");
    EXPECT_THAT(user.WideListItems(window, IDC_FILE_LIST), ElementsAre(L"\u0101bc.txt"));
    user.Click(window, IDC_REFRESH);
    EXPECT_THAT(user.WideListItems(window, IDC_FILE_LIST), ElementsAre(L"\u0101bc.txt"));
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), m_profile.DesktopPathLine());
    EXPECT_THAT(user.ListItems(window, IDC_DIRECTORY_LIST), Contains("[sub]"));
    user.Click(window, IDCANCEL);
  });
}

}  // namespace
