// The progress window during a run over many files. Drawing the name of
// every file costs more than renaming it, so a name replaces the shown one
// only once that has been up for a moment, and the bar is moved (which also
// handles the window's waiting messages) when its position changes or a
// moment has passed. Before the run stops for the user (a message box), the
// latest name is shown at once.
#pragma once
#include "archive/progress_dialog.h"

#include <cstdint>
#include <string>

class PacedProgress {
 public:
  explicit PacedProgress(ProgressDialog& progress) : m_progress(progress) {}

  void SetStatus(std::string text);
  // After the file at `index` of `count`: (100 / count) x index, rounded
  // toward zero, so that the last file never shows 100.
  void SetPosition(int index, int count);
  void FlushStatus();

 private:
  static bool MomentPassedSince(std::uint64_t tick);

  ProgressDialog& m_progress;
  std::string m_strPendingStatus;
  bool m_bStatusPending = false;
  bool m_bStatusShown = false;
  std::uint64_t m_nStatusShownAt = 0;
  int m_nPosition = -1;
  std::uint64_t m_nPositionSetAt = 0;
};
