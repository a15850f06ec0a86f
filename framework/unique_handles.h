// Move-only owners of Win32 handles. Each stores what its release needs.
#pragma once
#include "framework/win32.h"

#include <utility>

// The owner of one handle: Traits names the handle type, its empty value and
// how it is released. Move-only; the moved-from owner is empty.
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : m_handle(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return m_handle; }
  explicit operator bool() const { return m_handle != Traits::Empty(); }
  Handle release() { return std::exchange(m_handle, Traits::Empty()); }
  void reset(Handle handle = Traits::Empty()) {
    if (m_handle != Traits::Empty()) Traits::Release(m_handle);
    m_handle = handle;
  }
  // For the calls that hand a new handle out through a pointer.
  Handle* receive() {
    reset();
    return &m_handle;
  }

 private:
  Handle m_handle = Traits::Empty();
};

namespace handle_traits {

// CreateFileW: INVALID_HANDLE_VALUE when it fails.
struct File {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Release(Handle handle) { CloseHandle(handle); }
};
// Processes, threads, events: null when there is none.
struct KernelObject {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  static void Release(Handle handle) { CloseHandle(handle); }
};
struct Find {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Release(Handle handle) { FindClose(handle); }
};
struct RegKey {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static void Release(Handle key) { RegCloseKey(key); }
};
// A DC made by CreateDCW or handed over by the print dialog.
struct CreatedDC {
  using Handle = HDC;
  static Handle Empty() { return nullptr; }
  static void Release(Handle dc) { DeleteDC(dc); }
};
// Memory a common dialog hands out (device mode, device names).
struct GlobalMemory {
  using Handle = HGLOBAL;
  static Handle Empty() { return nullptr; }
  static void Release(Handle memory) { GlobalFree(memory); }
};
// Released once no DC holds it: declare it before the ScopedSelectObject
// that selects it.
struct Font {
  using Handle = HFONT;
  static Handle Empty() { return nullptr; }
  static void Release(Handle font) { DeleteObject(font); }
};
// ExtractIconW or CreateIcon; icons from LoadIcon are shared and must not be owned.
struct Icon {
  using Handle = HICON;
  static Handle Empty() { return nullptr; }
  static void Release(Handle icon) { DestroyIcon(icon); }
};
struct Hook {
  using Handle = HHOOK;
  static Handle Empty() { return nullptr; }
  static void Release(Handle hook) { UnhookWindowsHookEx(hook); }
};

}  // namespace handle_traits

using UniqueFileHandle = UniqueHandle<handle_traits::File>;
using UniqueKernelHandle = UniqueHandle<handle_traits::KernelObject>;
using UniqueFindHandle = UniqueHandle<handle_traits::Find>;
using UniqueRegKey = UniqueHandle<handle_traits::RegKey>;
using UniqueCreatedDC = UniqueHandle<handle_traits::CreatedDC>;
using UniqueGlobalMemory = UniqueHandle<handle_traits::GlobalMemory>;
using UniqueFont = UniqueHandle<handle_traits::Font>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueHook = UniqueHandle<handle_traits::Hook>;

// A window's device context from GetDC: released with ReleaseDC on the same window.
class UniqueWindowDC {
 public:
  explicit UniqueWindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
  UniqueWindowDC(UniqueWindowDC&& other) noexcept
      : m_window(std::exchange(other.m_window, nullptr)), m_dc(std::exchange(other.m_dc, nullptr)) {}
  UniqueWindowDC& operator=(UniqueWindowDC&&) = delete;
  UniqueWindowDC(const UniqueWindowDC&) = delete;
  UniqueWindowDC& operator=(const UniqueWindowDC&) = delete;
  ~UniqueWindowDC() {
    if (m_dc) ReleaseDC(m_window, m_dc);
  }

  HDC get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }

 private:
  HWND m_window;
  HDC m_dc;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintContext {
 public:
  explicit PaintContext(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
  PaintContext(const PaintContext&) = delete;
  PaintContext& operator=(const PaintContext&) = delete;
  ~PaintContext() { EndPaint(m_window, &m_paint); }

  HDC get() const { return m_dc; }

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_dc = nullptr;
};

// A GDI object selected into a DC: the previous object goes back on release.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (m_previous && m_previous != HGDI_ERROR) SelectObject(m_dc, m_previous);
  }

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};
