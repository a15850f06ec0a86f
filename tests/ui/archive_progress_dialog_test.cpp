// The progress dialog over its owner: what it shows, how Cancel, Enter and
// Escape reach the operation, and that its owner is always enabled again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>

#include "app/current_language.h"
#include "app/paced_progress.h"
#include "app/progress_dialog.h"
#include "archive_test_support.h"
#include "res/resource.h"
#include "scenario.h"
#include "user_sim.h"

using usersim::User;

namespace {

constexpr wchar_t kProgressTitle[] = L"Copying";

// The operation's side: a thread that is busy between its calls into the
// dialog. It answers sent messages (so the user can look), but dispatches
// posted input only inside the dialog's own calls, as a real operation does:
// in the steps the script gives it, and in `idle` between them (an operation
// moving its bar while it works).
class Operation {
 public:
  // Runs `step` on the operation's thread and waits for it.
  void Do(std::function<void()> step) {
    std::unique_lock lock(m_mutex);
    m_steps.push_back(std::move(step));
    const std::size_t ticket = ++m_posted;
    m_changed.wait(lock, [&] { return m_done >= ticket; });
  }
  void Finish() {
    Do([this] { m_finished = true; });
  }

  // The operation's thread: does the steps until Finish.
  void Serve(const std::function<void()>& idle) {
    while (!m_finished) {
      MSG peeked;
      PeekMessageA(&peeked, nullptr, WM_APP + 0x3FFF, WM_APP + 0x3FFF, PM_NOREMOVE);  // sent messages only
      std::function<void()> step;
      {
        std::lock_guard lock(m_mutex);
        if (!m_steps.empty()) {
          step = std::move(m_steps.front());
          m_steps.pop_front();
        }
      }
      if (!step) {
        if (idle) idle();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE | QS_POSTMESSAGE | QS_INPUT);
        continue;
      }
      step();
      {
        std::lock_guard lock(m_mutex);
        ++m_done;
      }
      m_changed.notify_all();
    }
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::function<void()>> m_steps;
  std::size_t m_posted = 0;
  std::size_t m_done = 0;
  bool m_finished = false;
};

class ArchiveProgressDialogTest : public testing::Test {
 protected:
  void SetUp() override { SetCurrentLanguage(Language::English); }

  // The operation's thread shows the dialog over an owner window of its own;
  // the user's script gets both windows.
  void Run(const std::function<void(User&, HWND owner, HWND progress)>& script) {
    usersim::RunUserScenario(
        [&](User& user) {
          // However the script ends, the operation ends with it.
          struct FinishOperation {
            Operation& operation;
            ~FinishOperation() { operation.Finish(); }
          } finish{m_operation};
          HWND progress = user.WaitForDialog(kProgressTitle);
          script(user, m_owner, progress);
        },
        [&] {
          m_owner = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300,
                                    nullptr, nullptr, nullptr, nullptr);
          m_dialog.emplace();
          m_dialog->m_strTitle = kProgressTitle;
          m_dialog->ShowOver(m_owner);
          // Seen from here, before this thread takes any message.
          m_bDrawnAsShown = !GetUpdateRect(m_owner, nullptr, FALSE) &&
                            !GetUpdateRect(m_dialog->GetSafeHwnd(), nullptr, FALSE) &&
                            !GetUpdateRect(m_dialog->GetDlgItem(IDCANCEL), nullptr, FALSE);
          m_operation.Serve(m_idle);
          m_dialog.reset();
          DestroyWindow(m_owner);
        });
  }

  Operation m_operation;
  std::function<void()> m_idle;
  HWND m_owner = nullptr;
  std::optional<ProgressDialog> m_dialog;
  bool m_bDrawnAsShown = false;
};

TEST_F(ArchiveProgressDialogTest, ShowsItsTitleAndZeroPercentUntilTheFirstPositionOverADisabledOwner) {
  Run([&](User& user, HWND owner, HWND progress) {
    EXPECT_FALSE(IsWindowEnabled(owner));
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_PERCENT), " 0 %");
    EXPECT_EQ(user.Text(progress, IDCANCEL), "Cancel Operation");
    m_operation.Do([&] { m_dialog->SetStatusText(L"report.txt"); });
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_STATUS), "report.txt");

    int previous = -1;
    m_operation.Do([&] { previous = m_dialog->SetPercent(0); });
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_PERCENT), "0%");
    EXPECT_EQ(previous, 0);
    m_operation.Do([&] { m_dialog->SetPercent(42); });
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_PERCENT), "42%");
    EXPECT_EQ(SendMessageA(user.Control(progress, IDC_PROGRESS_BAR), PBM_GETPOS, 0, 0), 42);
    m_operation.Do([&] { previous = m_dialog->SetPercent(100); });
    EXPECT_EQ(user.Text(progress, IDC_PROGRESS_PERCENT), "100%");
    EXPECT_EQ(previous, 42);
  });
}

// Before the first item is done, which for a large file can take seconds,
// and without a message dispatched in between.
TEST_F(ArchiveProgressDialogTest, ItAndItsOwnerAreDrawnAsItComesUp) {
  Run([&](User&, HWND, HWND) {});
  EXPECT_TRUE(m_bDrawnAsShown);
}

TEST_F(ArchiveProgressDialogTest, TwoCancelPressesBeforeAPollAreOneRequest) {
  m_idle = [&] { m_dialog->SetPercent(30); };
  Run([&](User& user, HWND, HWND progress) {
    user.Click(progress, IDCANCEL);
    user.Click(progress, IDCANCEL);
    BOOL first = FALSE;
    BOOL second = TRUE;
    m_operation.Do([&] { first = m_dialog->TakeCancelRequest(); });
    m_operation.Do([&] { second = m_dialog->TakeCancelRequest(); });
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_TRUE(IsWindowVisible(progress));  // a request, not an ending
  });
}

// However often the window's updates are skipped, the poll of the last item
// still sees a press that came in after the bar moved.
TEST_F(ArchiveProgressDialogTest, ACancelPressedJustBeforeTheLastItemsPollIsReported) {
  Run([&](User&, HWND, HWND progress) {
    bool first = true;
    bool last = false;
    m_operation.Do([&] {
      PacedProgress pace(*m_dialog);
      pace.SetStatus(L"first.txt");
      pace.SetPosition(0, 2);
      first = pace.TakeCancelRequest();
      pace.SetStatus(L"last.txt");
      pace.SetPosition(1, 2);
      PostMessageA(GetDlgItem(progress, IDCANCEL), BM_CLICK, 0, 0);
      last = pace.TakeCancelRequest();
    });
    EXPECT_FALSE(first);
    EXPECT_TRUE(last);
  });
}

TEST_F(ArchiveProgressDialogTest, EnterDoesNothingAndEscapeRecordsARequest) {
  m_idle = [&] { m_dialog->SetPercent(30); };
  Run([&](User& user, HWND, HWND progress) {
    BOOL requested = TRUE;
    user.PressEnter(progress);
    m_operation.Do([&] { requested = m_dialog->TakeCancelRequest(); });
    EXPECT_FALSE(requested);
    EXPECT_TRUE(IsWindowVisible(progress));

    user.PressEscape(progress);
    m_operation.Do([&] { requested = m_dialog->TakeCancelRequest(); });
    EXPECT_TRUE(requested);
    EXPECT_TRUE(IsWindowVisible(progress));
  });
}

TEST_F(ArchiveProgressDialogTest, DestroyingTheWindowOrTheObjectEnablesTheOwnerAgain) {
  Run([&](User&, HWND owner, HWND progress) {
    m_operation.Do([&] { m_dialog->DestroyWindow(); });
    EXPECT_FALSE(IsWindow(progress));
    EXPECT_TRUE(IsWindowEnabled(owner));

    // An operation that ends by an exception leaves its dialog behind.
    m_operation.Do([&] {
      try {
        ProgressDialog scoped;
        scoped.m_strTitle = L"Second";
        scoped.ShowOver(owner);
        EXPECT_FALSE(IsWindowEnabled(owner));
        throw std::runtime_error("the disk is full");
      } catch (const std::runtime_error&) {
      }
    });
    EXPECT_TRUE(IsWindowEnabled(owner));
  });
}

}  // namespace
