#include "rename_fixture.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/current_language.h"
#include "framework/application.h"
#include "res/resource.h"

using usersim::User;

namespace {

bool IsProgressWindowUp(DWORD process) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window) && GetDlgItem(window, IDC_PROGRESS_BAR)) return true;
  }
  return false;
}

}  // namespace

std::string DiskName(const testing::TestParamInfo<Disk>& disk) {
  return disk.param == Disk::Fat ? "FatDisk" : "LinuxDisk";
}

RenameCommandTest::RenameCommandTest(Disk disk)
    : m_profile(disk == Disk::Fat ? FatDiskFolderPath()
                                  : UniqueFolderPath(std::filesystem::temp_directory_path())) {}

void RenameCommandTest::SetUp() { SetCurrentLanguage(Language::English); }

void SelectFiles(const User& user, HWND window, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) user.ClickListItem(window, IDC_FILE_LIST, name);
}

void WaitForCommandEnd(const User& user, HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(100);
  for (;;) {
    user.Settle(window);
    if (IsWindowEnabled(window) && !IsProgressWindowUp(process)) return;
    if (std::chrono::steady_clock::now() > deadline) throw usersim::UserGaveUp("the command did not end");
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void ExpectRefusedAtOk(const User& user, HWND dialog, int edit, std::wstring_view message) {
  const std::size_t typedLength = static_cast<std::size_t>(GetWindowTextLengthW(user.Control(dialog, edit)));
  user.ClickOk(dialog);
  const auto box = user.WaitForMessageBox(ApplicationName());
  EXPECT_EQ(box.wideText, message);
  EXPECT_EQ(box.icon, usersim::MessageBoxIcon::Exclamation);
  user.Answer(box, IDOK);
  user.Settle(dialog);
  EXPECT_EQ(user.FocusedControl(dialog), user.Control(dialog, edit)) << box.text;
  const auto selection = static_cast<DWORD>(SendMessageA(user.Control(dialog, edit), EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 0) << box.text;
  EXPECT_EQ(HIWORD(selection), typedLength) << box.text;
}

void RunCommand(const User& user, HWND window, int buttonId) {
  user.Click(window, buttonId);
  WaitForCommandEnd(user, window);
}

bool AddSecondSpelling(const TempFolder& folder, std::string_view name, std::string_view content) {
  // Wine names the Unix file behind a path, and opens a path under \\?\unix
  // as it is, without looking for other spellings.
  using UnixFileName = char*(CDECL*)(LPCWSTR);
  const auto unixFileName =
      reinterpret_cast<UnixFileName>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
  if (!unixFileName) return false;
  std::string windowsFolder = folder.WindowsPath();
  windowsFolder.pop_back();
  const std::wstring wideFolder(windowsFolder.begin(), windowsFolder.end());
  char* unixFolder = unixFileName(wideFolder.c_str());
  if (!unixFolder) return false;
  std::string path = std::string("\\\\?\\unix") + unixFolder + "/" + std::string(name);
  HeapFree(GetProcessHeap(), 0, unixFolder);
  std::replace(path.begin(), path.end(), '/', '\\');
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  return true;
}

std::string FileErrorMessage(std::string_view name, std::string_view reason) {
  return std::string(name) + " could not be opened because\n" + std::string(reason);
}
