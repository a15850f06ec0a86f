// Tells when a thread of this process has taken the user's input off its
// queue: a WH_GETMESSAGE hook on that thread notes the markers that the user
// posts behind the input, and hides them from the windows.
#pragma once
#include <windows.h>

#include "framework/unique_handles.h"

#include <chrono>
#include <utility>
#include <vector>

namespace usersim {

class PostedMarkers {
 public:
  enum class Outcome { Taken, WindowGone, TimedOut, Unavailable };

  // Posts a marker to `window` (of another thread of this process) and waits
  // until its thread takes it, which it does only after it has dispatched
  // everything posted before.
  Outcome PostAndAwait(HWND window, std::chrono::milliseconds patience);

 private:
  bool Hook(DWORD threadId);

  std::vector<std::pair<DWORD, UniqueHook>> m_hooks;
};

}  // namespace usersim
