// How every command over many files uses its progress window. Showing a name
// costs more than copying or renaming a small file (a static control redraws
// itself on every change of text), so a new name replaces the shown one only
// once that has been up for a moment, and the bar moves at most once a
// moment. A Cancel press is not dropped at a run's end: a press the window
// has already taken is reported at the next poll, and the last polls of a run
// always look at the window's waiting messages. The other polls look as long
// as looking has taken at most a hundredth of the run: where a look is cheap
// (Windows) that is every poll, so a press is noticed at the next file; where
// each look is a round trip to a server that costs as much as a small file
// (Wine), a press is noticed within a few tens of milliseconds, which no one
// can tell from at once. Before the run stops for
// the user (a question or a message box), the latest name and position are
// shown.
#pragma once
#include "app/progress_dialog.h"
#include "app/run_progress.h"

#include <chrono>
#include <cstdint>
#include <string>

// Whether a poll looks at the window's waiting messages, given the time spent
// looking so far and the time since the run began.
bool CancelLookDue(std::chrono::steady_clock::duration looking, std::chrono::steady_clock::duration elapsed,
                   bool lastPolls);

class PacedProgress final : public RunProgress {
 public:
  explicit PacedProgress(ProgressDialog& progress) : m_progress(progress) {}

  // The item in hand.
  void SetStatus(std::wstring text) override;
  // After the item at `index` of `count`: (100 / count) x index, rounded
  // toward zero, so that the last item never shows 100.
  void SetPosition(int index, int count) override;
  // Whether Cancel was pressed since the last poll; the latest name is shown
  // first, for the question that follows.
  bool TakeCancelRequest() override;
  // Shows the latest name and position at once.
  void ShowLatest() override;

 private:
  static bool MomentPassedSince(std::uint64_t tick);
  void ShowPosition(int position);
  bool InLastPolls() const;

  ProgressDialog& m_progress;
  std::wstring m_strPendingStatus;
  bool m_bStatusPending = false;
  bool m_bStatusShown = false;
  std::uint64_t m_nStatusShownAt = 0;
  int m_nPosition = -1;  // shown
  int m_nLatestPosition = -1;
  std::uint64_t m_nPositionSetAt = 0;
  int m_nIndex = -1;
  int m_nCount = 0;
  const std::chrono::steady_clock::time_point m_runStart = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration m_looking{};
};
