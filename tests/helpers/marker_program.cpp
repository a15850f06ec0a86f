// A program that leaves "<its own path>.ran" and ends: planted where a
// command that is not quoted would find it first, it shows whether it ran.
#include <windows.h>

int main() {
  char marker[MAX_PATH + 8] = {};
  const DWORD length = GetModuleFileNameA(nullptr, marker, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  lstrcatA(marker, ".ran");
  const HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(file);
  return 0;
}
