#include "main_window.h"

#include "framework/application.h"
#include "ui/main_dialog.h"

void RunMainWindow(const std::function<void(usersim::User&, HWND)>& script, const std::string& title) {
  MainDialog dialog;
  SetMainWindow(&dialog);
  usersim::RunUserScenario([&](usersim::User& user) { script(user, user.WaitForDialog(title)); },
                           [&] { dialog.DoModal(); });
  SetMainWindow(nullptr);
}
