// A program started by a test, such as Dorvex.exe with a command line. A
// process still running when its owner goes is terminated, so that no test
// leaves a program behind.
#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "kernel_handle.h"

namespace usersim {

class ProgramProcess {
 public:
  // Runs `"exePath" arguments`; throws std::runtime_error when it cannot start.
  static ProgramProcess Start(const std::string& exePath, std::string_view arguments = {});
  // Opens a document as the shell does when the user opens it: by the open
  // command registered for its type.
  static ProgramProcess OpenDocument(const std::string& documentPath);

  ProgramProcess(ProgramProcess&&) noexcept = default;
  ProgramProcess& operator=(ProgramProcess&&) noexcept = default;
  ~ProgramProcess();

  DWORD Id() const { return m_id; }
  bool IsRunning() const;
  // The exit code, or nothing while the process still runs after `limit`.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds limit) const;
  void Terminate();

 private:
  ProgramProcess(KernelHandle process, DWORD id) : m_process(std::move(process)), m_id(id) {}

  KernelHandle m_process;
  DWORD m_id = 0;
};

}  // namespace usersim
