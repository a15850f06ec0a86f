#include "app/paced_progress.h"

namespace {
// Five changes a second keep the bar moving smoothly enough to read; each
// costs a redraw, which under Wine is a part of the run worth saving.
constexpr std::uint64_t kMomentMilliseconds = 200;
// Looking at the window's messages takes at most one part in this many of a
// run: under Wine, one look every twenty milliseconds or so.
constexpr int kRunPartsPerLookingPart = 100;
}  // namespace

bool CancelLookDue(std::chrono::steady_clock::duration looking, std::chrono::steady_clock::duration elapsed,
                   bool lastPolls) {
  return lastPolls || looking * kRunPartsPerLookingPart <= elapsed;
}

bool PacedProgress::MomentPassedSince(std::uint64_t tick) {
  return GetTickCount64() - tick >= kMomentMilliseconds;
}

void PacedProgress::SetStatus(std::wstring text) {
  m_strPendingStatus = std::move(text);
  m_bStatusPending = true;
  if (!m_bStatusShown || MomentPassedSince(m_nStatusShownAt)) ShowLatest();
}

void PacedProgress::ShowLatest() {
  if (m_nLatestPosition >= 0 && m_nLatestPosition != m_nPosition) ShowPosition(m_nLatestPosition);
  if (!m_bStatusPending) return;
  m_progress.SetStatusText(m_strPendingStatus);
  m_bStatusPending = false;
  m_bStatusShown = true;
  m_nStatusShownAt = GetTickCount64();
}

void PacedProgress::SetPosition(int index, int count) {
  m_nIndex = index;
  m_nCount = count;
  m_nLatestPosition = static_cast<int>(100.0 / static_cast<double>(count) * static_cast<double>(index));
  // The first position at once; after that at most one move a moment, which
  // also handles the window's waiting messages (repaints) now and then.
  if (m_nPosition >= 0 && !MomentPassedSince(m_nPositionSetAt)) return;
  ShowPosition(m_nLatestPosition);
}

void PacedProgress::ShowPosition(int position) {
  m_progress.SetPercent(position);
  m_nPosition = position;
  m_nPositionSetAt = GetTickCount64();
}

// A command polls either after an item's position is set or before the next
// item's work; either way its final poll comes after one of the last two.
bool PacedProgress::InLastPolls() const { return m_nCount > 0 && m_nIndex + 2 >= m_nCount; }

bool PacedProgress::TakeCancelRequest() {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point now = Clock::now();
  if (!m_progress.m_bCancelPressed && !CancelLookDue(m_looking, now - m_runStart, InLastPolls()))
    return false;
  const bool requested = m_progress.TakeCancelRequest();
  m_looking += Clock::now() - now;
  if (!requested) return false;
  ShowLatest();
  return true;
}
