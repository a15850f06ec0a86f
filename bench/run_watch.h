// The bounds of a command's run over its files, seen from inside the
// program's thread, for the drivers that time it beside its floor. The run
// begins with the first name that the progress window shows (its making and
// first drawing are paid once per command, as the floor does not) and ends
// when the progress window begins to close, or earlier when, with it still
// up, the program refills its lists or makes another window (a summary).
// The status line and the file list are subclassed rather than hooked: under
// Wine, a hook on sent messages costs a round trip to the server for every
// message the command sends.
#pragma once
#include <windows.h>

#include <atomic>
#include <chrono>

#include "res/resource.h"

namespace run_watch {

using Clock = std::chrono::steady_clock;

inline std::atomic<Clock::rep> g_begun{0};
inline std::atomic<Clock::rep> g_ended{0};
inline WNDPROC g_statusLineProc = nullptr;
inline WNDPROC g_fileListProc = nullptr;

inline Clock::rep Now() { return Clock::now().time_since_epoch().count(); }

inline void MarkEnd() {
  if (g_begun != 0 && g_ended == 0) g_ended = Now();
}

inline LRESULT CALLBACK StatusLine(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT && g_begun == 0) g_begun = Now();
  return CallWindowProcW(g_statusLineProc, window, message, wParam, lParam);
}

inline LRESULT CALLBACK FileList(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == LB_RESETCONTENT) MarkEnd();
  return CallWindowProcW(g_fileListProc, window, message, wParam, lParam);
}

inline void Subclass(HWND control, WNDPROC watcher, WNDPROC& original) {
  if (!control || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)) == watcher) return;
  original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watcher)));
}

inline bool IsProgressWindow(HWND window) { return GetDlgItem(window, IDC_PROGRESS_BAR) != nullptr; }

// Before each command.
inline void Reset() {
  g_begun = 0;
  g_ended = 0;
}

// Watches the refills of the main window's file list.
inline void WatchFileList(HWND mainWindow) {
  Subclass(GetDlgItem(mainWindow, IDC_FILE_LIST), &FileList, g_fileListProc);
}

// For a WH_CBT hook of the program's thread: sees the progress window come
// and go, and other windows made while it is up.
inline void OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && IsProgressWindow(window))
    Subclass(GetDlgItem(window, IDC_PROGRESS_STATUS), &StatusLine, g_statusLineProc);
  const bool topLevelMade =
      code == HCBT_CREATEWND && !(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD);
  if (topLevelMade || (code == HCBT_DESTROYWND && IsProgressWindow(window))) MarkEnd();
}

inline double RunSeconds() {
  return std::chrono::duration<double>(Clock::duration(g_ended.load() - g_begun.load())).count();
}

}  // namespace run_watch
