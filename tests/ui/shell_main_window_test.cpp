// The main window as a user meets it: where it opens, the file pattern,
// browsing folders and drives, the selection buttons, and how it closes.
#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/current_language.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "ui/browsing_state.h"
#include "ui/main_dialog.h"
#include "user_sim.h"

using testing::ElementsAre;
using testing::IsEmpty;
using usersim::RunUserScenario;
using usersim::User;

namespace {

constexpr char kEnglishTitle[] = "Dorvex [English]";
constexpr int kSelectionCommands[] = {IDC_LOWER_CASE, IDC_UPPER_CASE, IDC_SUBSTITUTE, IDC_DELETE};

void ExpectSelectionCommands(const User& user, HWND window, bool enabled) {
  for (int id : kSelectionCommands) EXPECT_EQ(user.IsEnabled(window, id), enabled) << "control " << id;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::English); }

  // Runs the main window with the user's script; returns how it ended.
  INT_PTR Run(const std::function<void(User&, HWND)>& script) {
    MainDialog dialog;
    INT_PTR result = -1;
    RunUserScenario([&](User& user) { script(user, user.WaitForDialog(kEnglishTitle)); },
                    [&] { result = dialog.DoModal(); });
    return result;
  }

  FakeProfile m_profile;
};

TEST_F(MainWindowTest, OpensAtTheDesktopWithAllFilesAndNoSelectionCommands) {
  TempFolder desktop(m_profile.Desktop());
  desktop.Write("b.txt");
  desktop.Write("a.doc");
  desktop.MakeFolder("inner");
  Run([&](User& user, HWND window) {
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), m_profile.DesktopPathLine());
    EXPECT_EQ(user.Text(window, IDC_FILE_SPEC), "*.*");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("a.doc", "b.txt"));
    EXPECT_THAT(user.ListItems(window, IDC_DIRECTORY_LIST), testing::Contains("[inner]"));
    EXPECT_THAT(user.ListItems(window, IDC_DRIVE_LIST), testing::Contains("[-c-]"));
    ExpectSelectionCommands(user, window, false);
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(CurrentDrive, m_profile.Desktop().wstring().substr(0, 2));
}

TEST_F(MainWindowTest, FileSpecificationFiltersAsItIsTyped) {
  TempFolder desktop(m_profile.Desktop());
  for (const char* name : {"one.txt", "two.txt", "three.doc", "notes.text"}) desktop.Write(name);
  Run([&](User& user, HWND window) {
    user.SetText(window, IDC_FILE_SPEC, "*.d");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), IsEmpty());
    user.Type(window, IDC_FILE_SPEC, "oc");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("three.doc"));

    // The field lowers what is typed, and the listing follows it.
    user.SetText(window, IDC_FILE_SPEC, "*.TXT");
    EXPECT_EQ(user.Text(window, IDC_FILE_SPEC), "*.txt");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("one.txt", "two.txt"));

    // An empty pattern lists every file.
    user.SetText(window, IDC_FILE_SPEC, "");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST),
                ElementsAre("notes.text", "one.txt", "three.doc", "two.txt"));
    user.Click(window, IDCANCEL);
  });
}

TEST_F(MainWindowTest, RefreshShowsFilesMadeSinceTheListing) {
  TempFolder desktop(m_profile.Desktop());
  desktop.Write("first.txt");
  Run([&](User& user, HWND window) {
    desktop.Write("second.txt");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("first.txt"));
    user.Click(window, IDC_REFRESH);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("first.txt", "second.txt"));
    user.Click(window, IDCANCEL);
  });
}

TEST_F(MainWindowTest, EntersFoldersAndClimbsBackToTheRoot) {
  TempFolder desktop(m_profile.Desktop());
  desktop.MakeFolder("reports");
  TempFolder reports(m_profile.Desktop() / "reports");
  reports.Write("q1.txt");
  Run([&](User& user, HWND window) {
    user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[reports]");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), m_profile.DesktopPathLine() + "\\reports");
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("q1.txt"));
    ExpectSelectionCommands(user, window, false);

    user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[..]");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), m_profile.DesktopPathLine());

    // Up and up until the root, which has no parent entry.
    auto hasParent = [&] {
      const auto folders = user.ListItems(window, IDC_DIRECTORY_LIST);
      return std::find(folders.begin(), folders.end(), "[..]") != folders.end();
    };
    for (int guard = 0; guard < 20 && hasParent(); ++guard)
      user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[..]");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), "c:\\");
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(CurrentFolder, L"\\");
}

TEST_F(MainWindowTest, ChangingTheDriveShowsItsRoot) {
  Run([&](User& user, HWND window) {
    user.DoubleClickListItem(window, IDC_DRIVE_LIST, "[-c-]");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), "c:\\");
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(CurrentDrive, L"c:");
  EXPECT_EQ(CurrentFolder, L"\\");
}

TEST_F(MainWindowTest, HomeButtonsJumpToTheirFolders) {
  TempFolder personal(m_profile.Profile().Path() / "Personal");
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  auto lowered = [](std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
  };
  Run([&](User& user, HWND window) {
    user.Click(window, IDC_HOME_WINDOWS);
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), lowered(windows));
    user.Click(window, IDC_HOME_SYSTEM);
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), lowered(system));
    user.Click(window, IDC_HOME_PERSONAL);
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), lowered(personal.Path().string()));
    user.Click(window, IDC_HOME_DESKTOP);
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), m_profile.DesktopPathLine());
    user.Click(window, IDCANCEL);
  });
}

// The window browses drive letters: a network profile or none at all leaves
// it where it is, and says why.
TEST_F(MainWindowTest, HomeButtonsRefuseAProfileWithoutADriveLetter) {
  Run([&](User& user, HWND window) {
    const std::string shown = user.Text(window, IDC_PATH_LINE);
    SetEnvironmentVariableA("USERPROFILE", "\\\\server\\share\\profile");
    user.Click(window, IDC_HOME_DESKTOP);
    user.ExpectMessageBox(
        "Error",
        "\\\\server\\share\\profile\\Desktop\\ cannot be shown: it is not a folder on a drive "
        "letter (such as c:\\).");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), shown);
    SetEnvironmentVariableA("USERPROFILE", nullptr);
    user.Click(window, IDC_HOME_FAVORITES);
    user.ExpectMessageBox("Error", "%USERPROFILE%\\Favorites\\ cannot be shown: USERPROFILE is not set.");
    EXPECT_EQ(user.Text(window, IDC_PATH_LINE), shown);
    user.Click(window, IDCANCEL);
  });
}

TEST_F(MainWindowTest, SelectionButtonsFollowTheSelection) {
  TempFolder desktop(m_profile.Desktop());
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) desktop.Write(name);
  Run([&](User& user, HWND window) {
    user.ClickListItem(window, IDC_FILE_LIST, "b.txt");
    ExpectSelectionCommands(user, window, true);
    user.ClickListItem(window, IDC_FILE_LIST, "b.txt");  // a second click deselects
    ExpectSelectionCommands(user, window, false);

    user.Click(window, IDC_SELECT_ALL);
    EXPECT_THAT(user.SelectedItems(window, IDC_FILE_LIST), ElementsAre("a.txt", "b.txt", "c.txt"));
    ExpectSelectionCommands(user, window, true);
    user.Click(window, IDC_SELECT_NONE);
    EXPECT_THAT(user.SelectedItems(window, IDC_FILE_LIST), IsEmpty());
    ExpectSelectionCommands(user, window, false);

    user.Click(window, IDC_SELECT_ALL);
    user.Click(window, IDC_REFRESH);  // a refill loses the selection
    EXPECT_THAT(user.SelectedItems(window, IDC_FILE_LIST), IsEmpty());
    ExpectSelectionCommands(user, window, false);

    // All on an empty list only disables the buttons.
    user.SetText(window, IDC_FILE_SPEC, "*.none");
    user.Click(window, IDC_SELECT_ALL);
    ExpectSelectionCommands(user, window, false);
    user.Click(window, IDCANCEL);
  });
}

TEST_F(MainWindowTest, EnterEndsTheProgramLikeExit) {
  EXPECT_EQ(Run([](User& user, HWND window) {
              user.Click(window, IDC_REFRESH);
              user.PressKeyOn(user.Control(window, IDC_FILE_SPEC), VK_RETURN);
            }),
            IDOK);
  EXPECT_EQ(Run([](User& user, HWND window) { user.PressEscape(window); }), IDCANCEL);
  EXPECT_EQ(Run([](User& user, HWND window) { user.Click(window, IDCANCEL); }), IDCANCEL);
}

}  // namespace
