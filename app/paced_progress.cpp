#include "app/paced_progress.h"

namespace {
// Ten changes a second are more than anyone reads; each costs a redraw.
constexpr std::uint64_t kMomentMilliseconds = 100;
}  // namespace

bool PacedProgress::MomentPassedSince(std::uint64_t tick) {
  return GetTickCount64() - tick >= kMomentMilliseconds;
}

void PacedProgress::SetStatus(std::string text) {
  m_strPendingStatus = std::move(text);
  m_bStatusPending = true;
  if (!m_bStatusShown || MomentPassedSince(m_nStatusShownAt)) FlushStatus();
}

void PacedProgress::FlushStatus() {
  if (!m_bStatusPending) return;
  m_progress.SetStatusText(m_strPendingStatus.c_str());
  m_bStatusPending = false;
  m_bStatusShown = true;
  m_nStatusShownAt = GetTickCount64();
}

void PacedProgress::SetPosition(int index, int count) {
  const int position = static_cast<int>(100.0 / static_cast<double>(count) * static_cast<double>(index));
  // The first position at once; after that at most one move a moment, which
  // also handles the window's waiting messages (repaints) now and then.
  if (m_nPosition >= 0 && !MomentPassedSince(m_nPositionSetAt)) return;
  m_progress.SetPercent(position);
  m_nPosition = position;
  m_nPositionSetAt = GetTickCount64();
}

bool PacedProgress::TakeCancelRequest() {
  if (!m_progress.TakeCancelRequest()) return false;
  FlushStatus();
  return true;
}
