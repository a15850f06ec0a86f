// Folders deeper than 260 characters, as Windows 10 and 11 hold them: the
// window browses in and out, and every command acts on exactly the shown
// files, on the Linux disk and on the disk that ignores case.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive_test_support.h"
#include "deep_folders.h"
#include "rename_fixture.h"
#include "res/resource.h"

using testing::ElementsAre;
using testing::IsEmpty;
using usersim::User;

namespace {

enum class Letters { Ascii, Accented, AccentedAndJapanese };

// Level names of some 50 characters.
std::vector<std::wstring> LevelsPast(std::size_t baseLength, std::size_t length, Letters letters) {
  std::vector<std::wstring> levels;
  for (std::size_t total = baseLength; total <= length; total += levels.back().size() + 1) {
    const bool japanese = letters == Letters::AccentedAndJapanese && levels.size() % 3 == 1;
    levels.push_back((japanese ? std::wstring(L"\u65e5\u672c\u8a9e\u306e\u30d5\u30a9\u30eb\u30c0")
                      : letters == Letters::Ascii ? std::wstring(L"Ebauche d'ete")
                                                  : std::wstring(L"\u00c9bauche d'\u00e9t\u00e9")) +
                     L"-" + std::to_wstring(levels.size()) + L"-" + std::wstring(36, L'x'));
  }
  return levels;
}

std::wstring FolderOf(const std::wstring& base, const std::vector<std::wstring>& levels) {
  std::wstring folder = base;
  for (const std::wstring& level : levels) folder += level + L"\\";
  return folder;
}

// As the file dialog's name box takes typed text: in the system's code page.
std::string InCodePage(const std::wstring& text) {
  std::string bytes(text.size() * 2, '\0');
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

std::wstring PathLine(std::wstring folder) {
  folder.pop_back();
  CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
  return folder;
}

class DeepFolderTest : public OnEveryDisk<RenameCommandTest> {
 protected:
  ~DeepFolderTest() override {
    for (const std::wstring& folder : m_made) deep_folders::RemoveTree(folder);
  }

  // A chain of folders past `length` characters under the Desktop, holding `files`.
  // The FAT disk of the test run takes ASCII names alone.
  std::vector<std::wstring> MakeChain(std::size_t length, bool japanese,
                                      std::initializer_list<std::pair<const wchar_t*, const char*>> files) {
    const std::wstring base = m_folder.WideWindowsPath();
    const Letters letters = GetParam() == Disk::Fat ? Letters::Ascii
                            : japanese              ? Letters::AccentedAndJapanese
                                                    : Letters::Accented;
    const std::vector<std::wstring> levels = LevelsPast(base.size(), length, letters);
    const std::wstring folder = FolderOf(base, levels);
    EXPECT_TRUE(deep_folders::MakeFolders(folder)) << testing::PrintToString(folder);
    m_made.push_back(base + levels.front());
    for (const auto& [name, content] : files) EXPECT_TRUE(deep_folders::WriteFile(folder + name, content));
    return levels;
  }

  static void BrowseInto(const User& user, HWND window, const std::vector<std::wstring>& levels) {
    for (const std::wstring& level : levels)
      user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, L"[" + level + L"]");
  }

  std::vector<std::wstring> m_made;
};

// Of a type without a registration: Properties says that it has no icon.
TEST_P(DeepFolderTest, EveryRenamingCommandAndPropertiesActOnTheShownFiles) {
  for (const std::size_t length : {300u, 600u}) {
    SCOPED_TRACE(testing::Message() << "a folder of " << length << " characters");
    const std::vector<std::wstring> levels =
        MakeChain(length, true,
                  {{L"Alpha.dq", "alpha"}, {L"beta.dq", "beta"}, {L"gamma.dq", "gamma"}, {L"delta.dq", "d"}});
    const std::wstring folder = FolderOf(m_folder.WideWindowsPath(), levels);
    ASSERT_GT(folder.size(), length);
    RunMainWindow([&](User& user, HWND window) {
      BrowseInto(user, window, levels);
      EXPECT_EQ(user.WideText(window, IDC_PATH_LINE), PathLine(folder));
      // Past MAX_PATH the current directory breaks the platform's own code
      // (Wine's loader fails to load the library that paints the buttons):
      // it stays at the nearest folder above that fits.
      wchar_t current[MAX_PATH];
      const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
      EXPECT_TRUE(length > 0 && length < MAX_PATH && folder.starts_with(current)) << length;
      EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST),
                  ElementsAre("Alpha.dq", "beta.dq", "delta.dq", "gamma.dq"));

      SelectFiles(user, window, {"Alpha.dq"});
      RunCommand(user, window, IDC_LOWER_CASE);
      SelectFiles(user, window, {"beta.dq"});
      RunCommand(user, window, IDC_UPPER_CASE);
      SelectFiles(user, window, {"gamma.dq"});
      user.Click(window, IDC_SUBSTITUTE);
      HWND substitute = user.WaitForDialog("Substitute");
      user.Type(substitute, IDC_SUBSTITUTE_ORIGINAL, "gamma");
      user.Type(substitute, IDC_SUBSTITUTE_NEW, "g");
      user.ClickOk(substitute);
      WaitForCommandEnd(user, window);
      SelectFiles(user, window, {"delta.dq"});
      user.Click(window, IDC_DELETE);
      user.Answer(user.WaitForMessageBox("Delete file"), IDYES);
      WaitForCommandEnd(user, window);
      EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("alpha.dq", "BETA.DQ", "g.dq"));

      user.DoubleClickListItem(window, IDC_FILE_LIST, "g.dq");
      user.Answer(user.WaitForMessageBox("Error"), IDOK);  // no icon for the type
      HWND properties = user.WaitForDialog("Properties");
      EXPECT_EQ(user.Text(properties, IDC_PROPERTIES_SIZE), "5");
      user.ClickCancel(properties);

      user.Click(window, IDC_ENUMERATE);
      HWND enumerate = user.WaitForDialog("Enumerate");
      user.SetText(enumerate, IDC_ENUMERATE_NEW_NAME, "n");
      user.SetText(enumerate, IDC_ENUMERATE_EXTENSION, "dq");
      user.ClickOk(enumerate);
      WaitForCommandEnd(user, window);
      EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("n0000.dq", "n0001.dq", "n0002.dq"));

      // Out with [..], away with a Home button.
      user.DoubleClickListItem(window, IDC_DIRECTORY_LIST, "[..]");
      EXPECT_EQ(user.WideText(window, IDC_PATH_LINE),
                PathLine(FolderOf(m_folder.WideWindowsPath(), {levels.begin(), levels.end() - 1})));
      EXPECT_THAT(user.WideListItems(window, IDC_DIRECTORY_LIST),
                  ElementsAre(L"[..]", L"[" + levels.back() + L"]"));
      user.Click(window, IDC_HOME_DESKTOP);
      EXPECT_EQ(user.Text(window, IDC_PATH_LINE), m_profile.DesktopPathLine());
      user.Click(window, IDCANCEL);
    });
    EXPECT_EQ(deep_folders::ReadFile(folder + L"n0000.dq"), "alpha");
    EXPECT_EQ(deep_folders::ReadFile(folder + L"n0001.dq"), "beta");
    EXPECT_EQ(deep_folders::ReadFile(folder + L"n0002.dq"), "gamma");
    EXPECT_FALSE(deep_folders::Exists(folder + L"delta.dq"));
  }
}

// Backup stores the folder in the system's code page: accented letters only.
TEST_P(DeepFolderTest, BackupAndEveryRestoreRoundTrip) {
  for (const std::size_t length : {300u, 600u}) {
    SCOPED_TRACE(testing::Message() << "a folder of " << length << " characters");
    const std::vector<std::wstring> levels =
        MakeChain(length, false, {{L"one.txt", "1"}, {L"two.txt", "22"}});
    const std::wstring folder = FolderOf(m_folder.WideWindowsPath(), levels);
    // Typed into the file dialog, a path past MAX_PATH overruns Wine's own
    // buffers: the folder chosen there is a short one.
    const TempFolder chosenFolder;
    const std::wstring chosen = chosenFolder.WideWindowsPath();
    const std::string archive = m_folder.PathOf("deep" + std::to_string(length) + ".Backup");
    RunMainWindow([&](User& user, HWND window) {
      BrowseInto(user, window, levels);
      EXPECT_THAT(archive_test::BackUpAs(user, window, archive).text, testing::HasSubstr("2 of 2 processed"));
      // Gone, not rewritten: the FAT driver of the test run spins on a file
      // rewritten larger.
      EXPECT_TRUE(deep_folders::Remove(folder + L"one.txt"));
      EXPECT_TRUE(deep_folders::Remove(folder + L"two.txt"));

      user.Click(window, IDC_RETRIEVE);
      user.EnterFileName(user.WaitForDialog(archive_test::kOpenTitle), archive);
      HWND restore = user.WaitForDialog(archive_test::kRestoreTitle);
      EXPECT_EQ(user.WideText(restore, IDC_RESTORE_SOURCE_FOLDER), PathLine(folder) + L"\\");
      user.Click(restore, IDC_RESTORE_FILE_ORIGINAL);  // one.txt, the first row
      EXPECT_EQ(deep_folders::ReadFile(folder + L"one.txt"), "1");
      user.Click(restore, IDC_RESTORE_ALL_ORIGINAL);
      user.ExpectMessageBox("Result", "Items restored: 2");

      user.ClickListItem(restore, IDC_RESTORE_ITEMS, 1);
      user.Click(restore, IDC_RESTORE_FILE_NEW);
      user.EnterFileName(user.WaitForDialog(archive_test::kSaveTitle), InCodePage(chosen + L"two again.txt"));
      user.Click(restore, IDC_RESTORE_ALL_NEW);
      user.EnterFileName(user.WaitForDialog(archive_test::kSaveTitle), InCodePage(chosen + L"any.txt"));
      user.ExpectMessageBox("Result", "Items restored: 2");
      user.Click(restore, IDOK);  // "Cancel": back to the main window
      user.Click(window, IDCANCEL);
    });
    EXPECT_EQ(deep_folders::ReadFile(folder + L"one.txt"), "1");
    EXPECT_EQ(deep_folders::ReadFile(folder + L"two.txt"), "22");
    EXPECT_EQ(deep_folders::ReadFile(chosen + L"two again.txt"), "22");
    EXPECT_EQ(deep_folders::ReadFile(chosen + L"one.txt"), "1");
    EXPECT_EQ(deep_folders::ReadFile(chosen + L"two.txt"), "22");
  }
}

INSTANTIATE_TEST_SUITE_P(Disks, DeepFolderTest, kEveryDisk, DiskName);

}  // namespace
