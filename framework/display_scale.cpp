#include "framework/display_scale.h"

#include "framework/unique_handles.h"

namespace {

// Looked up at run time: older systems lack these, and the program still runs there.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

}  // namespace

int WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  if (const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow"))
    if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
  const UniqueWindowDC screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int IconSizeForDpi(int dpi) {
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  if (const auto metricsForDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi"))
    if (const int size = metricsForDpi(SM_CXICON, static_cast<UINT>(dpi)); size > 0) return size;
  return GetSystemMetrics(SM_CXICON);
}

int ScaleFrom96Dpi(int length, int dpi) { return MulDiv(length, dpi, USER_DEFAULT_SCREEN_DPI); }
