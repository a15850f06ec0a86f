#include "scenario.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "user_sim.h"

namespace usersim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::seconds kLingerAfterScript{10};
constexpr std::chrono::seconds kClosingTime{5};
constexpr std::chrono::milliseconds kCloseRetry{250};
constexpr UINT kAbandonedExitCode = 3;

[[noreturn]] void Abandon(const std::string& why) {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  std::fprintf(stderr, "\n*** %s%s%s\n*** %s\n*** Top-level windows of this process:\n%s",
               test ? test->test_suite_name() : "", test ? "." : "", test ? test->name() : "", why.c_str(),
               DescribeWindows(GetCurrentProcessId()).c_str());
  std::fflush(stdout);
  std::fflush(stderr);
  // Not ExitProcess: the stuck user-interface thread must not get a say.
  TerminateProcess(GetCurrentProcess(), kAbandonedExitCode);
  for (;;) Sleep(INFINITE);
}

// What Escape or the close box would do to the window that currently takes
// input; repeated, it walks down a stack of modal windows.
void CancelOpenWindows(DWORD uiThread) {
  EnumThreadWindows(
      uiThread,
      [](HWND window, LPARAM) -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window))
          PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
        return TRUE;
      },
      0);
}

class ScenarioState {
 public:
  void Finish(bool& flag) {
    {
      std::lock_guard lock(m_mutex);
      flag = true;
    }
    m_changed.notify_all();
  }
  template <class Predicate>
  bool WaitUntil(Clock::time_point deadline, Predicate done) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_until(lock, deadline, done);
  }

  bool scriptDone = false;
  bool uiDone = false;

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
};

}  // namespace

void RunUserScenario(const std::function<void(User&)>& script, const std::function<void()>& ui,
                     std::chrono::milliseconds limit) {
  ScenarioState state;
  const DWORD uiThread = GetCurrentThreadId();
  const auto deadline = Clock::now() + limit;

  std::thread watchdog([&] {
    if (!state.WaitUntil(deadline, [&] { return state.scriptDone && state.uiDone; })) {
      Abandon(
          std::string("The scenario did not end within ") + std::to_string(limit.count()) + " ms: " +
          (state.scriptDone ? "the user is done, the windows are still open" : "the user is still at work"));
    }
  });

  std::thread player([&] {
    bool failed = false;
    {
      testing::internal::HasNewFatalFailureHelper fatalFailures;
      try {
        User user;
        script(user);
      } catch (const std::exception& error) {
        ADD_FAILURE() << "The user gave up: " << error.what();
        failed = true;
      } catch (...) {
        ADD_FAILURE() << "The user's script threw something unknown";
        failed = true;
      }
      failed = failed || fatalFailures.has_new_fatal_failure();
    }
    state.Finish(state.scriptDone);

    const auto uiEnded = [&] { return state.uiDone; };
    if (!failed && !state.WaitUntil(Clock::now() + kLingerAfterScript, uiEnded)) {
      ADD_FAILURE() << "The user is done, but the windows stayed open:\n"
                    << DescribeWindows(GetCurrentProcessId());
      failed = true;
    }
    if (!failed) return;
    const auto closingDeadline = Clock::now() + kClosingTime;
    while (!state.WaitUntil(Clock::now() + kCloseRetry, uiEnded)) {
      if (Clock::now() > closingDeadline) Abandon("The user gave up, and the windows would not close");
      CancelOpenWindows(uiThread);
    }
  });

  struct Join {
    ScenarioState& state;
    std::thread& player;
    std::thread& watchdog;
    ~Join() {
      state.Finish(state.uiDone);
      player.join();
      watchdog.join();
    }
  } join{state, player, watchdog};
  ui();
}

}  // namespace usersim
