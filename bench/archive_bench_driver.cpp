// Times the real Backup and Restore All commands on one folder, answering
// their dialogs with the user simulation, and prints the figures for
// archive_bench.sh; right before each command and right after it, its
// platform floor (floor_driver) does the same on the same data. Usage:
//   archive_bench_driver <profile folder> <archive path> <empty restore folder> <result file>
//                        <floor archive path> <empty floor restore folder>
// The main window shows <profile folder>\Desktop, the folder that is stored.
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr,
                 "usage: %s <profile folder> <archive path> <empty restore folder> <result file> "
                 "<floor archive path> <empty floor restore folder>\n",
                 argv[0]);
    return 2;
  }
  const std::string profile = argv[1];
  const std::string archivePath = argv[2];
  std::string restoreFolder = argv[3];
  if (restoreFolder.back() != '\\') restoreFolder += '\\';

  BecomeEnglishUserOf(profile);
  HHOOK hook = SetWindowsHookExA(WH_CBT, &WatchActivation, nullptr, GetCurrentThreadId());

  // Each floor runs right before its command and right after it, each time
  // into an archive or folder of its own, and counts with the mean of the
  // two: the machine's speed drifts over a few seconds, and the mean of one
  // run before and one after cancels a steady drift and any cache that one
  // side warms for the other.
  const std::string floorArchive = argv[5];
  double backupSeconds = 0;
  double backupRunSeconds = 0;
  double backupFloorSeconds = 0;
  double backupSafeFloorSeconds = 0;
  const auto runBackupFloor = [&](const std::string& suffix) {
    ReclaimFreeMemory();
    backupFloorSeconds +=
        RunFloor("backup \"" + profile + "\\Desktop\" \"" + floorArchive + suffix + "\"") / 2;
    ReclaimFreeMemory();
    // Into an archive of its own, new as the program's is.
    backupSafeFloorSeconds +=
        RunFloor("safe-backup \"" + profile + "\\Desktop\" \"" + floorArchive + suffix + ".safe.Backup\"") /
        2;
  };
  runBackupFloor(".before");
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
          backupSeconds = SecondsSince(start);
          backupRunSeconds = run_watch::RunSeconds();
          user.Click(main, IDCANCEL);
        },
        [&] { mainDialog.DoModal(); }, std::chrono::minutes(30));
    SetMainWindow(nullptr);
  }
  runBackupFloor("");

  double restoreSeconds = 0;
  double restoreRunSeconds = 0;
  double restoreFloorSeconds = 0;
  double restoreSafeFloorSeconds = 0;
  // The safe floor restores into folders of its own beside the plain one's;
  // the run after the command into the folder given.
  const auto runRestoreFloor = [&](const std::string& suffix) {
    const std::string folder = std::string(argv[6]) + suffix;
    const std::string safeFolder = std::string(argv[6]) + "-safe" + suffix;
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(safeFolder.c_str(), nullptr);
    ReclaimFreeMemory();
    restoreFloorSeconds += RunFloor("restore \"" + floorArchive + "\" \"" + folder + "\"") / 2;
    ReclaimFreeMemory();
    restoreSafeFloorSeconds += RunFloor("safe-restore \"" + floorArchive + "\" \"" + safeFolder + "\"") / 2;
  };
  runRestoreFloor("-before");
  run_watch::Reset();
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
          restoreSeconds = SecondsSince(start);
          restoreRunSeconds = run_watch::RunSeconds();
          user.Click(dialog, IDCANCEL);
        },
        [&] { restore.DoModal(); }, std::chrono::minutes(30));
  }
  UnhookWindowsHookEx(hook);
  runRestoreFloor("");

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::FILE* result = std::fopen(argv[4], "w");
  if (!result) return 1;
  std::fprintf(result,
               "backup_seconds=%.3f\nrestore_seconds=%.3f\nbackup_floor_seconds=%.3f\n"
               "restore_floor_seconds=%.3f\nbackup_run_seconds=%.3f\nrestore_run_seconds=%.3f\n"
               "backup_safe_floor_seconds=%.3f\nrestore_safe_floor_seconds=%.3f\npeak_working_set_kib=%llu\n",
               backupSeconds, restoreSeconds, backupFloorSeconds, restoreFloorSeconds, backupRunSeconds,
               restoreRunSeconds, backupSafeFloorSeconds, restoreSafeFloorSeconds,
               static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
  std::fclose(result);
  return 0;
}
