// Owner of a kernel object handle (process, thread, event) for the tests.
#pragma once
#include <windows.h>

#include <utility>

namespace usersim {

class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE handle) : m_handle(handle) {}
  KernelHandle(KernelHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      reset();
      m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  ~KernelHandle() { reset(); }

  HANDLE get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  void reset() {
    if (m_handle) CloseHandle(m_handle);
    m_handle = nullptr;
  }

 private:
  HANDLE m_handle = nullptr;
};

}  // namespace usersim
