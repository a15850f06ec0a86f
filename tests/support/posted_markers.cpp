#include "posted_markers.h"

#include <atomic>
#include <thread>

namespace usersim {
namespace {

UINT MarkerMessage() {
  static const UINT message = RegisterWindowMessageA("UserSimulationMarker");
  return message;
}

// The hook procedure gets no context of its own, so the markers seen live here.
std::atomic<WPARAM> g_lastMarkerPosted{0};
std::atomic<WPARAM> g_lastMarkerTaken{0};

LRESULT CALLBACK NoteMarkers(int code, WPARAM removal, LPARAM message) {
  auto* posted = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && posted->message == MarkerMessage()) {
    WPARAM taken = g_lastMarkerTaken.load();
    while (posted->wParam > taken && !g_lastMarkerTaken.compare_exchange_weak(taken, posted->wParam)) {
    }
    posted->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace

bool PostedMarkers::Hook(DWORD threadId) {
  for (const auto& [hooked, hook] : m_hooks) {
    if (hooked == threadId) return true;
  }
  UniqueHook hook(SetWindowsHookExA(WH_GETMESSAGE, NoteMarkers, nullptr, threadId));
  if (!hook) return false;
  m_hooks.emplace_back(threadId, std::move(hook));
  return true;
}

PostedMarkers::Outcome PostedMarkers::PostAndAwait(HWND window, std::chrono::milliseconds patience) {
  if (!Hook(GetWindowThreadProcessId(window, nullptr))) return Outcome::Unavailable;
  const WPARAM marker = ++g_lastMarkerPosted;
  if (!PostMessageA(window, MarkerMessage(), marker, 0))
    return IsWindow(window) ? Outcome::Unavailable : Outcome::WindowGone;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (g_lastMarkerTaken.load() < marker) {
    // A window destroyed in the meantime takes its posted messages with it.
    if (!IsWindow(window)) return Outcome::WindowGone;
    if (std::chrono::steady_clock::now() > deadline) return Outcome::TimedOut;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return Outcome::Taken;
}

}  // namespace usersim
