// Runs floor_driver (beside the running program) between two of the
// program's commands, so that each command and its floor are timed one right
// after the other on the loaded machine.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

// The seconds that `floor_driver <arguments>` printed.
inline double RunFloor(const std::string& arguments) {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, sizeof module);
  std::string path = module;
  path.erase(path.find_last_of('\\') + 1);
  std::string commandLine = "\"" + path + "floor_driver.exe\" " + arguments;

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) throw std::runtime_error("CreatePipe failed");
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    throw std::runtime_error("cannot start " + commandLine);
  }
  std::string output;
  char buffer[256];
  DWORD read = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  char* end = nullptr;
  const double seconds = std::strtod(output.c_str(), &end);
  if (end == output.c_str()) throw std::runtime_error("no time from " + commandLine + ": " + output);
  return seconds;
}
