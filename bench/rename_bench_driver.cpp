// Times the real Set Upper Case and Enumerate commands on every file of one
// folder, pressing the buttons with the user simulation, and prints the
// figures for rename_bench.sh. Usage:
//   rename_bench_driver <profile folder> <result file> <floor folder>
// The main window shows <profile folder>\Desktop, the folder that is renamed;
// the figures go to <result file>, since the script runs the driver inside
// Wine's virtual desktop, whose launcher does not pass output on.
// <floor folder> holds the same files: a bare loop of MoveFileA calls gives
// them the numbered names, which shows what the platform's renaming alone
// costs.
// A command's time runs from the click that starts it (OK, for Enumerate) to
// the moment its window is idle again, seen by the user; no hook slows the
// program's own thread meanwhile.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/current_language.h"
#include "framework/application.h"
#include "res/resource.h"
#include "scenario.h"
#include "ui/main_dialog.h"
#include "user_sim.h"

namespace {

using Clock = std::chrono::steady_clock;

bool IsProgressWindowUp() {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && GetDlgItem(window, IDC_PROGRESS_BAR))
      return true;
  }
  return false;
}

// The click has been handled when it returns (see User::Click); the command
// has ended once the main window is usable and its thread answers again.
double SecondsUntilCommandEnd(const usersim::User& user, HWND main, Clock::time_point clicked) {
  while (!IsWindowEnabled(main) || IsProgressWindowUp()) Sleep(20);
  user.Settle(main);
  return std::chrono::duration<double>(Clock::now() - clicked).count();
}

double SecondsOfBareRenames(const std::string& folder) {
  SetCurrentDirectoryA(folder.c_str());
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA("*", &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  const Clock::time_point start = Clock::now();
  for (std::size_t i = 0; i < names.size(); ++i) {
    char newName[32];
    wsprintfA(newName, "NewFile%04d.jpg", static_cast<int>(i));
    MoveFileA(names[i].c_str(), newName);
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <profile folder> <result file> <floor folder>\n", argv[0]);
    return 2;
  }
  EnableControlStyles();
  SetCurrentLanguage(Language::English);
  SetEnvironmentVariableA("USERPROFILE", argv[1]);

  double upperSeconds = 0;
  double enumerateSeconds = 0;
  int listed = 0;
  std::string firstAfterUpper;
  std::string firstAfterEnumerate;
  MainDialog mainDialog;
  SetMainWindow(&mainDialog);
  usersim::RunUserScenario(
      [&](usersim::User&) {
        // Selecting and refilling thousands of entries can keep the window
        // busy for longer than a user's usual patience.
        const usersim::User user(GetCurrentProcessId(), std::chrono::minutes(10));
        try {
          HWND main = user.WaitForDialog("Dorvex [English]");
          listed = user.ListCount(main, IDC_FILE_LIST);
          user.Click(main, IDC_SELECT_ALL);

          Clock::time_point clicked = Clock::now();
          user.Click(main, IDC_UPPER_CASE);
          upperSeconds = SecondsUntilCommandEnd(user, main, clicked);
          firstAfterUpper = user.ListItems(main, IDC_FILE_LIST).front();

          user.Click(main, IDC_ENUMERATE);
          HWND dialog = user.WaitForDialog("Enumerate");
          clicked = Clock::now();
          user.ClickOk(dialog);
          enumerateSeconds = SecondsUntilCommandEnd(user, main, clicked);
          firstAfterEnumerate = user.ListItems(main, IDC_FILE_LIST).front();
          user.Click(main, IDCANCEL);
        } catch (const std::exception& error) {
          std::fprintf(stderr, "rename_bench_driver: %s\n", error.what());
          throw;
        }
      },
      [&] { mainDialog.DoModal(); }, std::chrono::minutes(30));
  SetMainWindow(nullptr);
  const double bareSeconds = SecondsOfBareRenames(argv[3]);

  std::FILE* result = std::fopen(argv[2], "w");
  if (!result) return 1;
  std::fprintf(result,
               "listed_files=%d\nupper_case_seconds=%.3f\nfirst_after_upper_case=%s\n"
               "enumerate_seconds=%.3f\nfirst_after_enumerate=%s\nbare_move_seconds=%.3f\n",
               listed, upperSeconds, firstAfterUpper.c_str(), enumerateSeconds, firstAfterEnumerate.c_str(),
               bareSeconds);
  return std::fclose(result) == 0 ? 0 : 1;
}
