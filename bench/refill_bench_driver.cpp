// Times the main window in one big folder, pressing the buttons with the user
// simulation, and prints the figures for refill_bench.sh:
//   refill_bench_driver <profile folder> <result file>
// - start-up: from Dorvex.exe's start (the build's own, beside this
//   driver's folder) to its idle window, the lists filled with the Desktop
//   (<profile folder>\Desktop), as a user meets it;
// - one command on one file: Set Upper Case of the first listed file, from
//   the click to the refilled, idle window;
// - the listing floor: the same folder listed once by the platform's own
//   calls (FindFirstFileExW, then the three sorted lists of a bare window
//   filled with redraw held off), as the window's listing could at best;
// - the peak working set of the process.
// The script runs the driver inside Wine's virtual desktop, whose launcher
// does not pass output on: the figures go to <result file>.
#include <windows.h>
// After windows.h, which it builds on.
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_user.h"
#include "framework/application.h"
#include "program_process.h"
#include "res/resource.h"
#include "scenario.h"
#include "test_environment.h"
#include "ui/main_dialog.h"
#include "user_sim.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The floor: one search of the folder, each entry into its list.
double ListingFloorSeconds(const std::wstring& folder) {
  HWND window =
      CreateWindowExW(0, L"#32770", L"floor", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  const DWORD style = WS_CHILD | WS_VISIBLE | LBS_SORT | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL;
  HWND files = CreateWindowExW(0, L"LISTBOX", L"", style | LBS_MULTIPLESEL, 0, 0, 50, 50, window, nullptr,
                               nullptr, nullptr);
  HWND folders = CreateWindowExW(0, L"LISTBOX", L"", style, 0, 0, 50, 50, window, nullptr, nullptr, nullptr);
  HWND drives = CreateWindowExW(0, L"LISTBOX", L"", style, 0, 0, 50, 50, window, nullptr, nullptr, nullptr);
  const Clock::time_point start = Clock::now();
  for (HWND list : {files, folders, drives}) SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        const std::wstring entry = L"[" + std::wstring(found.cFileName) + L"]";
        SendMessageW(folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
      } else {
        SendMessageW(files, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SendMessageW(drives, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"[-c-]"));
  for (HWND list : {files, folders, drives}) {
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
  }
  const double seconds = SecondsSince(start);
  DestroyWindow(window);
  return seconds;
}

// From the program's start to its idle main window; `listed` is the number
// of files it shows.
double ProgramStartSeconds(int& listed) {
  // English stored, as after any start but the first, which asks for a language.
  HKEY key = nullptr;
  const DWORD english = 0;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Dorvex", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(key, "Language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&english), sizeof english);
    RegCloseKey(key);
  }
  const Clock::time_point started = Clock::now();
  usersim::ProgramProcess program = usersim::ProgramProcess::Start(usersim::DorvexExePath());
  const usersim::User user(program.Id(), std::chrono::minutes(30));
  HWND main = user.WaitForDialog("Dorvex [English]");
  user.Settle(main);
  const double seconds = SecondsSince(started);
  listed = user.ListCount(main, IDC_FILE_LIST);
  user.Click(main, IDCANCEL);
  program.WaitForExit(std::chrono::minutes(1));
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <profile folder> <result file>\n", argv[0]);
    return 2;
  }
  BecomeEnglishUserOf(argv[1]);
  const std::string desktop = std::string(argv[1]) + "\\Desktop";

  const double floorSeconds = ListingFloorSeconds(std::wstring(desktop.begin(), desktop.end()));
  int listed = 0;
  const double startSeconds = ProgramStartSeconds(listed);
  double commandSeconds = 0;
  int listedInProcess = 0;
  MainDialog mainDialog;
  SetMainWindow(&mainDialog);
  usersim::RunUserScenario(
      [&](usersim::User&) {
        const usersim::User user(GetCurrentProcessId(), std::chrono::minutes(30));
        HWND main = user.WaitForDialog("Dorvex [English]");
        user.Settle(main);
        listedInProcess = user.ListCount(main, IDC_FILE_LIST);
        user.ClickListItem(main, IDC_FILE_LIST, 0);
        const Clock::time_point clicked = Clock::now();
        user.Click(main, IDC_UPPER_CASE);
        while (!IsWindowEnabled(main)) Sleep(5);
        user.Settle(main);
        commandSeconds = SecondsSince(clicked);
        user.Click(main, IDCANCEL);
      },
      [&] { mainDialog.DoModal(); }, std::chrono::minutes(60));
  SetMainWindow(nullptr);

  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  if (listedInProcess != listed) listed = -1;
  std::FILE* result = std::fopen(argv[2], "w");
  if (!result) return 1;
  std::fprintf(
      result,
      "listed_files=%d\nstart_seconds=%.3f\ncommand_seconds=%.3f\nfloor_seconds=%.3f\npeak_mib=%.1f\n",
      listed, startSeconds, commandSeconds, floorSeconds,
      static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
  return std::fclose(result) == 0 ? 0 : 1;
}
