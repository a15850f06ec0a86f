// Entry point of the UI tests: the common controls are registered once per
// process, as the program does at start-up.
// First: the other system headers build on what it declares.
#include <windows.h>

#include <commctrl.h>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
