// Tells when a thread of this process has taken the user's input off its
// queue: a WH_GETMESSAGE hook on that thread notes the markers that the user
// posts behind the input, and hides them from the windows.
#pragma once
#include <windows.h>

#include <chrono>
#include <utility>
#include <vector>

namespace usersim {

class UniqueHook {
 public:
  UniqueHook() = default;
  explicit UniqueHook(HHOOK hook) : m_hook(hook) {}
  UniqueHook(UniqueHook&& other) noexcept : m_hook(std::exchange(other.m_hook, nullptr)) {}
  UniqueHook& operator=(UniqueHook&& other) noexcept {
    if (this != &other) {
      reset();
      m_hook = std::exchange(other.m_hook, nullptr);
    }
    return *this;
  }
  UniqueHook(const UniqueHook&) = delete;
  UniqueHook& operator=(const UniqueHook&) = delete;
  ~UniqueHook() { reset(); }

  explicit operator bool() const { return m_hook != nullptr; }
  void reset() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
  }

 private:
  HHOOK m_hook = nullptr;
};

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
