// Times the real Set Upper Case, Set Lower Case, Substitute, Enumerate and
// Delete commands on every file of one folder, pressing the buttons with the
// user simulation, and its platform floor (floor_driver) on two identical
// folders, right before each command and right after it, counted with the
// mean of the two (a steady drift of the machine's speed and a cache that
// one side warms for the other cancel out); prints the figures for
// rename_bench.sh. Usage:
//   rename_bench_driver <profile folder> <result file> <floor folder> <floor-before folder>
// The main window shows <profile folder>\Desktop, the folder that is changed;
// the figures go to <result file>, since the script runs the driver inside
// Wine's virtual desktop, whose launcher does not pass output on.
// A command's time runs from the click that starts it (OK or Yes, where a
// dialog or question comes first) to the moment its window is idle again,
// seen by the user. Its run over the files is timed apart, from the first
// name its progress window shows to the moment the window goes or the lists
// are refilled, seen from inside the program's thread (run_watch.h): what
// lies outside it (a dialog closing, the progress window made and drawn, the
// lists refilled) is paid once per command.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_user.h"
#include "floor_run.h"
#include "framework/application.h"
#include "res/resource.h"
#include "run_watch.h"
#include "scenario.h"
#include "ui/main_dialog.h"
#include "user_sim.h"

namespace {

using Clock = std::chrono::steady_clock;

// Set when the progress window goes: the simulated user waits for it here
// instead of looking at the windows over and over, which would load the
// Wine server that the command itself needs.
HANDLE g_progressGoneEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);

LRESULT CALLBACK WatchProgressWindow(int code, WPARAM wParam, LPARAM lParam) {
  run_watch::OnWindowEvent(code, wParam, lParam);
  if (code == HCBT_DESTROYWND && run_watch::IsProgressWindow(reinterpret_cast<HWND>(wParam)))
    SetEvent(g_progressGoneEvent);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

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

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

struct Figure {
  const char* name;
  double seconds = 0;
  double runSeconds = 0;
  double floorSeconds = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s <profile folder> <result file> <floor folder> <floor-before folder>\n",
                 argv[0]);
    return 2;
  }
  BecomeEnglishUserOf(argv[1]);
  const std::string shown = std::string(argv[1]) + "\\Desktop";
  const std::string floorFolder = argv[3];
  const std::string floorBeforeFolder = argv[4];

  HHOOK hook = SetWindowsHookExA(WH_CBT, &WatchProgressWindow, nullptr, GetCurrentThreadId());
  std::vector<Figure> figures;
  std::string mismatch;
  int listed = 0;
  MainDialog mainDialog;
  SetMainWindow(&mainDialog);
  usersim::RunUserScenario(
      [&](usersim::User&) {
        // Selecting and refilling thousands of entries can keep the window
        // busy for longer than a user's usual patience.
        const usersim::User user(GetCurrentProcessId(), std::chrono::minutes(30));
        HWND main = user.WaitForDialog("Dorvex [English]");
        listed = user.ListCount(main, IDC_FILE_LIST);
        run_watch::WatchFileList(main);
        // start: does what comes before the timed part and returns when the
        // command begins; then the floor does the same on its folder.
        const auto run = [&](const char* name, const char* floorOperation,
                             const std::function<Clock::time_point()>& start) {
          Figure figure{name};
          run_watch::Reset();
          ResetEvent(g_progressGoneEvent);
          const auto runFloor = [&](const std::string& folder) {
            figure.floorSeconds += RunFloor(std::string(floorOperation) + " \"" + folder + "\"") / 2;
          };
          runFloor(floorBeforeFolder);
          const Clock::time_point started = start();
          WaitForSingleObject(g_progressGoneEvent, INFINITE);
          figure.seconds = SecondsUntilCommandEnd(user, main, started);
          figure.runSeconds = run_watch::RunSeconds();
          runFloor(floorFolder);
          if (mismatch.empty() &&
              (NamesIn(shown) != NamesIn(floorFolder) || NamesIn(shown) != NamesIn(floorBeforeFolder)))
            mismatch = name;
          figures.push_back(figure);
        };
        const auto clickOnAll = [&](int command) {
          return [&, command] {
            user.Click(main, IDC_SELECT_ALL);
            const Clock::time_point clicked = Clock::now();
            user.Click(main, command);
            return clicked;
          };
        };
        try {
          run("upper_case", "upper", clickOnAll(IDC_UPPER_CASE));
          run("lower_case", "lower", clickOnAll(IDC_LOWER_CASE));
          run("substitute", "substitute", [&] {
            user.Click(main, IDC_SELECT_ALL);
            user.Click(main, IDC_SUBSTITUTE);
            HWND dialog = user.WaitForDialog("Substitute");
            user.Type(dialog, IDC_SUBSTITUTE_ORIGINAL, "photo");
            user.Type(dialog, IDC_SUBSTITUTE_NEW, "picture");
            const Clock::time_point clicked = Clock::now();
            user.ClickOk(dialog);
            return clicked;
          });
          run("enumerate", "enumerate", [&] {
            user.Click(main, IDC_ENUMERATE);
            HWND dialog = user.WaitForDialog("Enumerate");
            const Clock::time_point clicked = Clock::now();
            user.ClickOk(dialog);
            return clicked;
          });
          run("delete", "delete", [&] {
            user.Click(main, IDC_SELECT_ALL);
            user.Click(main, IDC_DELETE);
            const usersim::MessageBoxInfo question = user.WaitForMessageBox("Delete file");
            const Clock::time_point clicked = Clock::now();
            user.Answer(question, IDYES);
            return clicked;
          });
          user.Click(main, IDCANCEL);
        } catch (const std::exception& error) {
          std::fprintf(stderr, "rename_bench_driver: %s\n", error.what());
          throw;
        }
      },
      [&] { mainDialog.DoModal(); }, std::chrono::minutes(120));
  SetMainWindow(nullptr);
  UnhookWindowsHookEx(hook);

  std::FILE* result = std::fopen(argv[2], "w");
  if (!result) return 1;
  std::fprintf(result, "listed_files=%d\nmismatch=%s\n", listed, mismatch.c_str());
  for (const Figure& figure : figures)
    std::fprintf(result, "%s_seconds=%.3f\n%s_run_seconds=%.3f\n%s_floor_seconds=%.3f\n", figure.name,
                 figure.seconds, figure.name, figure.runSeconds, figure.name, figure.floorSeconds);
  return std::fclose(result) == 0 ? 0 : 1;
}
