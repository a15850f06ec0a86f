#include "program_process.h"

#include <shellapi.h>

#include <stdexcept>
#include <vector>

namespace usersim {

ProgramProcess ProgramProcess::Start(const std::string& exePath, std::string_view arguments) {
  std::string commandLine(1, '"');
  commandLine.append(exePath).push_back('"');
  if (!arguments.empty()) commandLine.append(" ").append(arguments);
  std::vector<char> mutableCommandLine(commandLine.begin(), commandLine.end());
  mutableCommandLine.push_back('\0');

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION created{};
  if (!CreateProcessA(exePath.c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &created)) {
    const DWORD error = GetLastError();
    throw std::runtime_error("cannot start " + exePath + " (error " + std::to_string(error) + ")");
  }
  KernelHandle thread(created.hThread);
  return ProgramProcess(KernelHandle(created.hProcess), created.dwProcessId);
}

ProgramProcess ProgramProcess::OpenDocument(const std::string& documentPath) {
  SHELLEXECUTEINFOA open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  open.lpVerb = "open";
  open.lpFile = documentPath.c_str();
  open.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&open) || !open.hProcess) {
    const DWORD error = GetLastError();
    throw std::runtime_error("the shell cannot open " + documentPath + " (error " + std::to_string(error) +
                             ")");
  }
  KernelHandle process(open.hProcess);
  const DWORD id = GetProcessId(process.get());
  return ProgramProcess(std::move(process), id);
}

ProgramProcess::~ProgramProcess() {
  if (m_process) Terminate();
}

bool ProgramProcess::IsRunning() const {
  return m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramProcess::WaitForExit(std::chrono::milliseconds limit) const {
  if (!m_process) return std::nullopt;
  if (WaitForSingleObject(m_process.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD exitCode = 0;
  if (!GetExitCodeProcess(m_process.get(), &exitCode)) return std::nullopt;
  return exitCode;
}

void ProgramProcess::Terminate() {
  if (IsRunning()) {
    TerminateProcess(m_process.get(), 1);
    WaitForSingleObject(m_process.get(), 5000);
  }
}

}  // namespace usersim
