// The lists and the path line are the platform's directory listing item by
// item: compared here with what DlgDirListW gives for the same folder and
// pattern, in a folder that holds every kind of entry.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rename_fixture.h"
#include "res/resource.h"

using usersim::User;

namespace {

struct PlatformListing {
  std::vector<std::wstring> files;
  std::vector<std::wstring> folders;
  std::vector<std::wstring> drives;
  std::wstring pathLine;
};

// The three listings the main window made before it had a listing of its
// own, into lists of the same styles in a window of the test's.
PlatformListing ListedByThePlatform(const User& user, const std::wstring& pathSpec) {
  const HWND dialog =
      CreateWindowExW(0, L"#32770", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const DWORD listStyle = WS_CHILD | LBS_SORT | LBS_HASSTRINGS | LBS_NOTIFY;
  for (const auto& [id, style] :
       {std::pair{IDC_FILE_LIST, listStyle | LBS_MULTIPLESEL}, std::pair{IDC_DIRECTORY_LIST, listStyle},
        std::pair{IDC_DRIVE_LIST, listStyle}}) {
    CreateWindowExW(0, L"LISTBOX", L"", style, 0, 0, 10, 10, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, dialog,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PATH_LINE)), nullptr, nullptr);
  std::vector<wchar_t> buffer(pathSpec.begin(), pathSpec.end());
  buffer.resize(MAX_PATH + 1, L'\0');
  DlgDirListW(dialog, buffer.data(), IDC_FILE_LIST, IDC_PATH_LINE, 0);
  DlgDirListW(dialog, buffer.data(), IDC_DIRECTORY_LIST, 0, DDL_DIRECTORY | DDL_EXCLUSIVE);
  DlgDirListW(dialog, buffer.data(), IDC_DRIVE_LIST, 0, DDL_DRIVES | DDL_EXCLUSIVE);
  const PlatformListing listing{
      user.WideListItems(dialog, IDC_FILE_LIST), user.WideListItems(dialog, IDC_DIRECTORY_LIST),
      user.WideListItems(dialog, IDC_DRIVE_LIST), user.WideText(dialog, IDC_PATH_LINE)};
  DestroyWindow(dialog);
  return listing;
}

// A folder as the path line shows it: lower case, no trailing backslash.
std::wstring PathLineOf(std::wstring folder) {
  folder.pop_back();
  CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
  return folder;
}

class ListingTest : public RenameCommandTest {};

TEST_F(ListingTest, TheListsAndThePathLineAreThePlatformsListingItemByItem) {
  for (const char* name : {"sub", "Zeta", ".hid"}) m_folder.MakeFolder(name);
  for (const char* name : {"a.txt", "B.TXT", "_u.txt", "-d.txt", "a b.txt", "noext", "ro.txt", "hidden.txt",
                           "system.txt", "sub\\in.txt", "sub\\in.doc", "Zeta\\z.txt", ".hid\\x.txt"})
    m_folder.Write(name);
  m_folder.Write(L"\u00e9t\u00e9.txt");
  m_folder.MakeFolder(L"\u00c4rger");
  SetFileAttributesA(m_folder.PathOf("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA(m_folder.PathOf("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA(m_folder.PathOf("system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA(m_folder.PathOf(".hid").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
  const std::wstring folder = m_folder.WideWindowsPath();

  RunMainWindow([&](User& user, HWND window) {
    // The pattern, and the folder it lists when it names one of its own.
    for (const auto& [pattern, listed] :
         {std::pair{L"*.*", folder}, std::pair{L"*.txt", folder}, std::pair{L"a*", folder},
          std::pair{L"", folder}, std::pair{L"sub\\*.txt", folder + L"sub\\"},
          std::pair{L"sub", folder + L"sub\\"}}) {
      SCOPED_TRACE(testing::Message() << "pattern " << testing::PrintToString(std::wstring(pattern)));
      user.SetText(window, IDC_FILE_SPEC, std::wstring(pattern));
      PlatformListing platform = ListedByThePlatform(user, folder + pattern);
      // Hidden and system files are left out, as Windows' own listing of
      // ordinary files leaves them out (Wine's lists them).
      std::erase_if(platform.files,
                    [](const std::wstring& name) { return name == L"hidden.txt" || name == L"system.txt"; });
      EXPECT_EQ(user.WideListItems(window, IDC_FILE_LIST), platform.files);
      EXPECT_EQ(user.WideListItems(window, IDC_DIRECTORY_LIST), platform.folders);
      EXPECT_EQ(user.WideListItems(window, IDC_DRIVE_LIST), platform.drives);
      EXPECT_EQ(user.WideText(window, IDC_PATH_LINE), platform.pathLine);
      EXPECT_EQ(user.WideText(window, IDC_PATH_LINE), PathLineOf(listed));
      user.SetText(window, IDC_FILE_SPEC, "*.*");  // back in the shown folder
    }
    user.Click(window, IDCANCEL);
  });
}

}  // namespace
