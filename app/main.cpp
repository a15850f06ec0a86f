#include "app/dorvex_app.h"

namespace {

// Before anything else, the language dialog of the application object
// included: every DLL loaded from here on, and every DLL those load, is
// looked for in the system folder alone, never in the folder the program
// was started from (a Downloads folder may hold a planted uxtheme.dll).
struct SystemFolderDllSearch {
  SystemFolderDllSearch() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }
};
__attribute__((init_priority(101))) SystemFolderDllSearch systemFolderDllSearch;

}  // namespace

// The one application object; its constructor settles the language before
// anything else runs.
static DorvexApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return WinApp::Run(); }
