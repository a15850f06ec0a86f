// Times the real Backup or Restore All command on one folder, answering its
// dialogs with the user simulation, and writes the figures for
// archive_bench.sh; right before the command and right after it, its
// platform floor (floor_driver) does the same on the same data. Usage:
//   archive_bench_driver backup|restore <profile folder> <archive path> <empty restore folder>
//                        <result file> <floor archive path> <empty floor restore folder>
// The main window shows <profile folder>\Desktop, the folder that is stored.
// Each command runs in a program of its own, as each floor does and as a
// user restores in a later session: on this virtual machine, Restore All run
// in the process that had just made the archive read the first item's data
// about three times as slowly as a process of its own did.
// First: the other system headers build on what it declares.
#include <windows.h>

#include <psapi.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "archive/restore_dialog.h"
#include "bench_user.h"
#include "floor_run.h"
#include "framework/application.h"
#include "framework/text.h"
#include "res/resource.h"
#include "run_watch.h"
#include "scenario.h"
#include "ui/main_dialog.h"
#include "user_sim.h"

namespace {

using Clock = std::chrono::steady_clock;
// The save dialogs open on the folder of 2,000 files, which takes a while.
constexpr std::chrono::minutes kPatience{5};

// When a window titled g_watchedTitle was last activated, seen from inside
// the program's own thread: the end of a run is the moment its summary
// message comes up, not when the simulated user next looks.
std::atomic<Clock::rep> g_summaryCreated{0};
const char* g_watchedTitle = "";
// Set when the summary comes up: the simulated user waits for it here
// instead of looking at the windows over and over, which would load the
// Wine server that the command itself needs.
HANDLE g_summaryUpEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
  run_watch::OnWindowEvent(code, wParam, lParam);
  if (code == HCBT_ACTIVATE) {
    const auto window = reinterpret_cast<HWND>(wParam);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (std::string(title) == g_watchedTitle) {
      g_summaryCreated = Clock::now().time_since_epoch().count();
      if (!run_watch::IsProgressWindow(window)) SetEvent(g_summaryUpEvent);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The virtual machine's host takes back memory the guest has left free for a
// moment (free page reporting), and the next large write into such memory
// takes several times as long, for whichever side makes it. Touched and
// freed right before each timed part (by another process, so that this
// one's peak working set stays the program's own), enough memory for its
// writes is the guest's own again.
void ReclaimFreeMemory() { RunFloor("reclaim"); }

double SecondsSince(Clock::time_point start) {
  const Clock::time_point end{Clock::duration(g_summaryCreated.load())};
  return std::chrono::duration<double>(end - start).count();
}

// Puts the path into the dialog's file-name box at once (no typing), then
// confirms; returns when the confirmation was posted. The memory is made the
// guest's own right before, as it is for the floor: the dialog takes a while
// to come up, long enough for the host to take freed memory back.
Clock::time_point ConfirmFileDialog(const usersim::User& user, const char* title, const std::string& path) {
  HWND dialog = user.WaitForDialog(title);
  SendMessageA(user.FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  ReclaimFreeMemory();
  const Clock::time_point start = Clock::now();
  user.ClickOk(dialog);
  return start;
}

// What the result file says of one command, each figure in seconds.
struct CommandFigures {
  double whole = 0;  // from the confirmed save dialog to the summary
  double run = 0;
  double floor = 0;
  double safeFloor = 0;
};

void WriteFigures(std::FILE* result, const char* command, const CommandFigures& figures) {
  std::fprintf(
      result, "%s_seconds=%.3f\n%s_run_seconds=%.3f\n%s_floor_seconds=%.3f\n%s_safe_floor_seconds=%.3f\n",
      command, figures.whole, command, figures.run, command, figures.floor, command, figures.safeFloor);
}

// Each floor runs right before its command and right after it, each time
// into an archive or folder of its own, and counts with the mean of the two:
// the machine's speed drifts over a few seconds, and the mean of one run
// before and one after cancels a steady drift and any cache that one side
// warms for the other.
CommandFigures TimeBackup(const std::string& profile, const std::string& archivePath,
                          const std::string& floorArchive) {
  CommandFigures figures;
  const auto runFloor = [&](const std::string& suffix) {
    ReclaimFreeMemory();
    figures.floor += RunFloor("backup \"" + profile + "\\Desktop\" \"" + floorArchive + suffix + "\"") / 2;
    ReclaimFreeMemory();
    // Into an archive of its own, new as the program's is.
    figures.safeFloor +=
        RunFloor("safe-backup \"" + profile + "\\Desktop\" \"" + floorArchive + suffix + ".safe.Backup\"") /
        2;
  };
  runFloor(".before");
  {
    MainDialog mainDialog;
    SetMainWindow(&mainDialog);
    g_watchedTitle = "Backup";
    usersim::RunUserScenario(
        [&](usersim::User&) {
          const usersim::User user(GetCurrentProcessId(), kPatience);
          HWND main = user.WaitForDialog("Dorvex [English]");
          user.Click(main, IDC_BACKUP);
          ResetEvent(g_summaryUpEvent);
          const Clock::time_point start = ConfirmFileDialog(user, "Save As", archivePath);
          WaitForSingleObject(g_summaryUpEvent, INFINITE);
          user.Answer(user.WaitForMessageBox("Backup"), IDOK);
          figures.whole = SecondsSince(start);
          figures.run = run_watch::RunSeconds();
          user.Click(main, IDCANCEL);
        },
        [&] { mainDialog.DoModal(); }, std::chrono::minutes(30));
    SetMainWindow(nullptr);
  }
  runFloor("");
  return figures;
}

// The safe floor restores into folders of its own beside the plain one's;
// the run after the command into the folder given.
CommandFigures TimeRestore(const std::string& archivePath, std::string restoreFolder,
                           const std::string& floorArchive, const std::string& floorFolder) {
  if (restoreFolder.back() != '\\') restoreFolder += '\\';
  CommandFigures figures;
  const auto runFloor = [&](const std::string& suffix) {
    const std::string folder = floorFolder + suffix;
    const std::string safeFolder = floorFolder + "-safe" + suffix;
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(safeFolder.c_str(), nullptr);
    ReclaimFreeMemory();
    figures.floor += RunFloor("restore \"" + floorArchive + "\" \"" + folder + "\"") / 2;
    ReclaimFreeMemory();
    figures.safeFloor += RunFloor("safe-restore \"" + floorArchive + "\" \"" + safeFolder + "\"") / 2;
  };
  runFloor("-before");
  {
    RestoreDialog restore;
    restore.m_strArchivePath = WideFromCodePage(archivePath, SystemCodePage()).value();
    g_watchedTitle = "Result";
    usersim::RunUserScenario(
        [&](usersim::User&) {
          const usersim::User user(GetCurrentProcessId(), kPatience);
          HWND dialog = user.WaitForDialog("Restore");
          user.Click(dialog, IDC_RESTORE_ALL_NEW);
          ResetEvent(g_summaryUpEvent);
          const Clock::time_point start = ConfirmFileDialog(user, "Save As", restoreFolder + "first");
          WaitForSingleObject(g_summaryUpEvent, INFINITE);
          user.Answer(user.WaitForMessageBox("Result"), IDOK);
          figures.whole = SecondsSince(start);
          figures.run = run_watch::RunSeconds();
          user.Click(dialog, IDCANCEL);
        },
        [&] { restore.DoModal(); }, std::chrono::minutes(30));
  }
  runFloor("");
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (argc != 8 || (command != "backup" && command != "restore")) {
    std::fprintf(stderr,
                 "usage: %s backup|restore <profile folder> <archive path> <empty restore folder> "
                 "<result file> <floor archive path> <empty floor restore folder>\n",
                 argv[0]);
    return 2;
  }
  std::FILE* result = std::fopen(argv[5], "w");
  if (!result) return 1;
  BecomeEnglishUserOf(argv[2]);
  HHOOK hook = SetWindowsHookExA(WH_CBT, &WatchActivation, nullptr, GetCurrentThreadId());
  WriteFigures(result, command.c_str(),
               command == "backup" ? TimeBackup(argv[2], argv[3], argv[6])
                                   : TimeRestore(argv[3], argv[4], argv[6], argv[7]));
  UnhookWindowsHookEx(hook);

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::fprintf(result, "%s_peak_working_set_kib=%llu\n", command.c_str(),
               static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
  std::fclose(result);
  return 0;
}
