#include "app/dorvex_app.h"

// The one application object; its constructor settles the language before
// anything else runs.
static DorvexApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return WinApp::Run(); }
