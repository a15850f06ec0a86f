// Move-only owners of Win32 handles. Each stores what its release needs.
#pragma once
#include "framework/win32.h"

#include <utility>

// A kernel file handle from CreateFileA (INVALID_HANDLE_VALUE when empty).
class UniqueFileHandle {
 public:
  UniqueFileHandle() = default;
  explicit UniqueFileHandle(HANDLE handle) : m_handle(handle) {}
  UniqueFileHandle(UniqueFileHandle&& other) noexcept
      : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
  UniqueFileHandle& operator=(UniqueFileHandle&& other) noexcept {
    if (this != &other) {
      reset();
      m_handle = std::exchange(other.m_handle, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  UniqueFileHandle(const UniqueFileHandle&) = delete;
  UniqueFileHandle& operator=(const UniqueFileHandle&) = delete;
  ~UniqueFileHandle() { reset(); }

  HANDLE get() const { return m_handle; }
  explicit operator bool() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }
  void reset() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// A search handle from FindFirstFileA.
class UniqueFindHandle {
 public:
  UniqueFindHandle() = default;
  explicit UniqueFindHandle(HANDLE handle) : m_handle(handle) {}
  UniqueFindHandle(UniqueFindHandle&& other) noexcept
      : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
  UniqueFindHandle& operator=(UniqueFindHandle&& other) noexcept {
    if (this != &other) {
      reset();
      m_handle = std::exchange(other.m_handle, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  UniqueFindHandle(const UniqueFindHandle&) = delete;
  UniqueFindHandle& operator=(const UniqueFindHandle&) = delete;
  ~UniqueFindHandle() { reset(); }

  HANDLE get() const { return m_handle; }
  explicit operator bool() const { return m_handle != INVALID_HANDLE_VALUE; }
  void reset() {
    if (m_handle != INVALID_HANDLE_VALUE) FindClose(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// An open registry key.
class UniqueRegKey {
 public:
  UniqueRegKey() = default;
  explicit UniqueRegKey(HKEY key) : m_key(key) {}
  UniqueRegKey(UniqueRegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
  UniqueRegKey& operator=(UniqueRegKey&& other) noexcept {
    if (this != &other) {
      reset();
      m_key = std::exchange(other.m_key, nullptr);
    }
    return *this;
  }
  UniqueRegKey(const UniqueRegKey&) = delete;
  UniqueRegKey& operator=(const UniqueRegKey&) = delete;
  ~UniqueRegKey() { reset(); }

  HKEY get() const { return m_key; }
  HKEY* receive() {
    reset();
    return &m_key;
  }
  explicit operator bool() const { return m_key != nullptr; }
  void reset() {
    if (m_key) RegCloseKey(m_key);
    m_key = nullptr;
  }

 private:
  HKEY m_key = nullptr;
};

// A device context made by CreateDCA or handed over by the print dialog:
// released with DeleteDC.
class UniqueCreatedDC {
 public:
  UniqueCreatedDC() = default;
  explicit UniqueCreatedDC(HDC dc) : m_dc(dc) {}
  UniqueCreatedDC(UniqueCreatedDC&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
  UniqueCreatedDC& operator=(UniqueCreatedDC&& other) noexcept {
    if (this != &other) {
      reset();
      m_dc = std::exchange(other.m_dc, nullptr);
    }
    return *this;
  }
  UniqueCreatedDC(const UniqueCreatedDC&) = delete;
  UniqueCreatedDC& operator=(const UniqueCreatedDC&) = delete;
  ~UniqueCreatedDC() { reset(); }

  HDC get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }
  void reset() {
    if (m_dc) DeleteDC(m_dc);
    m_dc = nullptr;
  }

 private:
  HDC m_dc = nullptr;
};

// Global memory handed out by a common dialog (device mode, device names):
// released with GlobalFree.
class UniqueGlobalMemory {
 public:
  UniqueGlobalMemory() = default;
  explicit UniqueGlobalMemory(HGLOBAL memory) : m_memory(memory) {}
  UniqueGlobalMemory(UniqueGlobalMemory&& other) noexcept
      : m_memory(std::exchange(other.m_memory, nullptr)) {}
  UniqueGlobalMemory& operator=(UniqueGlobalMemory&& other) noexcept {
    if (this != &other) {
      reset();
      m_memory = std::exchange(other.m_memory, nullptr);
    }
    return *this;
  }
  UniqueGlobalMemory(const UniqueGlobalMemory&) = delete;
  UniqueGlobalMemory& operator=(const UniqueGlobalMemory&) = delete;
  ~UniqueGlobalMemory() { reset(); }

  HGLOBAL get() const { return m_memory; }
  explicit operator bool() const { return m_memory != nullptr; }
  void reset() {
    if (m_memory) GlobalFree(m_memory);
    m_memory = nullptr;
  }

 private:
  HGLOBAL m_memory = nullptr;
};

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

// A font made by CreateFontA: released with DeleteObject once no DC holds it
// (declare it before the ScopedSelectObject that selects it).
class UniqueFont {
 public:
  UniqueFont() = default;
  explicit UniqueFont(HFONT font) : m_font(font) {}
  UniqueFont(UniqueFont&& other) noexcept : m_font(std::exchange(other.m_font, nullptr)) {}
  UniqueFont& operator=(UniqueFont&& other) noexcept {
    if (this != &other) {
      reset();
      m_font = std::exchange(other.m_font, nullptr);
    }
    return *this;
  }
  UniqueFont(const UniqueFont&) = delete;
  UniqueFont& operator=(const UniqueFont&) = delete;
  ~UniqueFont() { reset(); }

  HFONT get() const { return m_font; }
  explicit operator bool() const { return m_font != nullptr; }
  void reset() {
    if (m_font) DeleteObject(m_font);
    m_font = nullptr;
  }

 private:
  HFONT m_font = nullptr;
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

// An icon made by ExtractIconA or CreateIcon: released with DestroyIcon.
// (Icons from LoadIcon are shared and must not be wrapped.)
class UniqueIcon {
 public:
  UniqueIcon() = default;
  explicit UniqueIcon(HICON icon) : m_icon(icon) {}
  UniqueIcon(UniqueIcon&& other) noexcept : m_icon(std::exchange(other.m_icon, nullptr)) {}
  UniqueIcon& operator=(UniqueIcon&& other) noexcept {
    if (this != &other) {
      reset();
      m_icon = std::exchange(other.m_icon, nullptr);
    }
    return *this;
  }
  UniqueIcon(const UniqueIcon&) = delete;
  UniqueIcon& operator=(const UniqueIcon&) = delete;
  ~UniqueIcon() { reset(); }

  HICON get() const { return m_icon; }
  explicit operator bool() const { return m_icon != nullptr; }
  void reset() {
    if (m_icon) DestroyIcon(m_icon);
    m_icon = nullptr;
  }

 private:
  HICON m_icon = nullptr;
};
