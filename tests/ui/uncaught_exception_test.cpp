// An exception that a command lets out stops at the window procedure: the
// framework reports it and the dialog goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/application.h"
#include "framework/dialog.h"
#include "res/resource.h"
#include "user_sim.h"

using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;

namespace {

class ThrowingDialog : public MappedDialog<ThrowingDialog> {
 public:
  ThrowingDialog() : MappedDialog(IDD_SUBSTITUTE_EN) {}
  static const MessageMap<ThrowingDialog>& GetMessageMap() {
    static constexpr CommandEntry<ThrowingDialog> commands[] = {{IDOK, BN_CLICKED, &ThrowingDialog::OnOK}};
    static constexpr MessageMap<ThrowingDialog> map{commands, {}};
    return map;
  }

 private:
  void OnOK() override { throw std::runtime_error("the list is gone"); }
};

}  // namespace

TEST(UncaughtException, IsReportedInTheFrameworksBoxAndTheDialogGoesOn) {
  ThrowingDialog dialog;
  INT_PTR result = IDOK;
  RunUserScenario(
      [&](User& user) {
        const HWND window = user.WaitForDialog("Substitute");
        user.Click(window, IDOK);
        const auto box = user.WaitForMessageBox(ApplicationName());
        EXPECT_EQ(box.text, "The command could not be completed:\nthe list is gone");
        EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
        user.Answer(box, IDOK);
        user.Click(window, IDCANCEL);
      },
      [&] { result = dialog.DoModal(); });
  EXPECT_EQ(result, IDCANCEL);
}
