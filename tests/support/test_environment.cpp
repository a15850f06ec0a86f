#include "test_environment.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace usersim {
namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string OwnPath() {
  std::vector<char> ownPath(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, ownPath.data(), static_cast<DWORD>(ownPath.size()));
    if (length < ownPath.size()) return std::string(ownPath.data(), length);
    ownPath.resize(ownPath.size() * 2);
  }
}

}  // namespace

std::optional<std::string> EnvironmentValue(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::vector<char> value(size);
  const DWORD length = GetEnvironmentVariableA(name, value.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  return std::string(value.data(), length);
}

void RunUnixShell(const std::string& script) {
  std::string commandLine = "/bin/sh -c \"" + script + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &created))
    return;
  WaitForSingleObject(created.hProcess, 10000);
  CloseHandle(created.hThread);
  CloseHandle(created.hProcess);
}

std::string DorvexExePath() {
  if (auto configured = EnvironmentValue("DORVEX_EXE")) return *configured;
  return FolderOf(FolderOf(OwnPath())) + "\\Dorvex.exe";
}

std::string HelperProgramPath(std::string_view fileName) {
  return FolderOf(OwnPath()) + "\\" + std::string(fileName);
}

std::string WindowsPathOfUnixPath(std::string_view unixPath) {
  std::string path = "Z:" + std::string(unixPath);
  std::ranges::replace(path, '/', '\\');
  return path;
}

std::optional<std::string> TestPrinterName() { return EnvironmentValue("DORVEX_PRINTER"); }

std::optional<std::string> PdfOutputFolder() {
  const auto folder = EnvironmentValue("DORVEX_PDF_DIR");
  if (!folder) return std::nullopt;
  return WindowsPathOfUnixPath(*folder);
}

}  // namespace usersim
