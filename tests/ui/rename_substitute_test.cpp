// Substitute: the dialog that asks for the two texts, and the renaming of the
// selected files with it, on a real folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/current_language.h"
#include "framework/application.h"
#include "rename/substitute_dialog.h"
#include "rename_fixture.h"
#include "res/resource.h"

using testing::ElementsAre;
using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;

namespace {

class SubstituteTest : public RenameCommandTest {
 protected:
  using RenameCommandTest::RenameCommandTest;

  // Selects every listed file and substitutes `original` by `replacement`.
  void SubstituteInAll(std::string_view original, std::string_view replacement,
                       const std::function<void(User&, HWND)>& afterOk = {}) {
    RunMainWindow([&](User& user, HWND window) {
      user.Click(window, IDC_SELECT_ALL);
      user.Click(window, IDC_SUBSTITUTE);
      HWND dialog = user.WaitForDialog("Substitute");
      user.Type(dialog, IDC_SUBSTITUTE_ORIGINAL, original);
      user.Type(dialog, IDC_SUBSTITUTE_NEW, replacement);
      user.ClickOk(dialog);
      if (afterOk) afterOk(user, window);
      WaitForCommandEnd(user, window);
      user.Click(window, IDCANCEL);
    });
  }
};

using SubstituteTestOnEveryDisk = OnEveryDisk<SubstituteTest>;
INSTANTIATE_TEST_SUITE_P(Disks, SubstituteTestOnEveryDisk, kEveryDisk, DiskName);

}  // namespace

TEST_P(SubstituteTestOnEveryDisk, ATakenNameFailsUnderTheSubstituteTitleAndTheRunGoesOn) {
  // Taken as it is, and in another case.
  Add("image7.jpg", "mine");
  Add("img7.jpg", "already there");
  Add("image8.jpg", "eight");
  Add("image9.jpg", "nine");
  Add("IMG9.JPG", "taken in capitals");
  SubstituteInAll("image", "img", [&](User& user, HWND) {
    for (const char* name : {"image7.jpg", "image9.jpg"}) {
      const auto box = user.ExpectMessageBox("Substitute", FileErrorMessage(name, kTakenReason));
      EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    }
  });
  EXPECT_THAT(Names(), ElementsAre("IMG9.JPG", "image7.jpg", "image9.jpg", "img7.jpg", "img8.jpg"));
  EXPECT_EQ(Content("image7.jpg"), "mine");
  EXPECT_EQ(Content("img7.jpg"), "already there");
  EXPECT_EQ(Content("image9.jpg"), "nine");
  EXPECT_EQ(Content("IMG9.JPG"), "taken in capitals");
}

// A folder holds names of 255 characters at most: one that would grow past
// that is reported by name with the system's reason and keeps its own.
TEST_P(SubstituteTestOnEveryDisk, ANameTheSystemRefusesIsReportedAndTheRunGoesOn) {
  const std::string longName = "a" + std::string(240, 'b') + ".txt";
  Add(longName, "long");
  Add("ab.txt", "short");
  SubstituteInAll("a", std::string(25, 'z'), [&](User& user, HWND) {
    user.ExpectMessageBox("Substitute", FileErrorMessage(longName, kBadNameReason));
  });
  EXPECT_THAT(Names(), ElementsAre(longName, std::string(25, 'z') + "b.txt"));
  EXPECT_EQ(Content(longName), "long");
}

TEST_F(SubstituteTest, CancelInTheDialogRenamesNothing) {
  Add("image7.jpg");
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_SELECT_ALL);
    user.Click(window, IDC_SUBSTITUTE);
    HWND dialog = user.WaitForDialog("Substitute");
    user.Type(dialog, IDC_SUBSTITUTE_ORIGINAL, "image");
    user.ClickCancel(dialog);
    WaitForCommandEnd(user, window);
    EXPECT_FALSE(user.FindWindowTitled("Substitute"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("image7.jpg"));
}

TEST_F(SubstituteTest, ALetterTheCodePageLacksIsTakenAsTyped) {
  Add("a.txt");
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_SELECT_ALL);
    user.Click(window, IDC_SUBSTITUTE);
    HWND dialog = user.WaitForDialog("Substitute");
    user.Type(dialog, IDC_SUBSTITUTE_ORIGINAL, "a");
    user.TypeWide(dialog, IDC_SUBSTITUTE_NEW, L"\u0101");  // not its look-alike "a"
    user.ClickOk(dialog);
    WaitForCommandEnd(user, window);
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(m_folder.WideNames(), ElementsAre(L"\u0101.txt"));
}

TEST_F(SubstituteTest, DialogStartsEmptyWithTheFocusInOriginalAndChecksLengthsAtOk) {
  SubstituteDialog dialog;
  INT_PTR result = 0;
  const std::string tooLong(26, 'x');
  constexpr char kTooLong[] = "Please enter no more than 25 characters.";
  RunUserScenario(
      [&](User& user) {
        HWND window = user.WaitForDialog("Substitute");
        EXPECT_EQ(user.Text(window, IDC_SUBSTITUTE_ORIGINAL), "");
        EXPECT_EQ(user.Text(window, IDC_SUBSTITUTE_NEW), "");
        EXPECT_EQ(user.FocusedControl(window), user.Control(window, IDC_SUBSTITUTE_ORIGINAL));

        user.Type(window, IDC_SUBSTITUTE_NEW, tooLong);  // no limit while typing
        EXPECT_EQ(user.Text(window, IDC_SUBSTITUTE_NEW), tooLong);
        user.ClickOk(window);
        auto box = user.WaitForMessageBox(ApplicationName());
        EXPECT_EQ(box.text, kTooLong);
        EXPECT_EQ(box.icon, MessageBoxIcon::Exclamation);
        user.Answer(box, IDOK);
        user.Settle(window);
        EXPECT_EQ(user.FocusedControl(window), user.Control(window, IDC_SUBSTITUTE_NEW));
        const DWORD selection =
            static_cast<DWORD>(SendMessageA(user.Control(window, IDC_SUBSTITUTE_NEW), EM_GETSEL, 0, 0));
        EXPECT_EQ(LOWORD(selection), 0);
        EXPECT_EQ(HIWORD(selection), 26);

        user.SetText(window, IDC_SUBSTITUTE_NEW, std::string(25, 'n'));
        user.Type(window, IDC_SUBSTITUTE_ORIGINAL, tooLong);
        user.ClickOk(window);
        box = user.WaitForMessageBox(ApplicationName());
        EXPECT_EQ(box.text, kTooLong);
        user.Answer(box, IDOK);
        user.Settle(window);
        EXPECT_EQ(user.FocusedControl(window), user.Control(window, IDC_SUBSTITUTE_ORIGINAL));

        user.SetText(window, IDC_SUBSTITUTE_ORIGINAL, "image");
        user.ClickOk(window);
      },
      [&] { result = dialog.DoModal(); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.m_strOriginal, L"image");
  EXPECT_EQ(dialog.m_strNew, std::wstring(25, L'n'));
}

TEST_F(SubstituteTest, OkWithBothEditsEmptyGivesTwoEmptyTexts) {
  SubstituteDialog dialog;
  dialog.m_strOriginal = L"not shown";
  INT_PTR result = 0;
  RunUserScenario(
      [&](User& user) {
        HWND window = user.WaitForDialog("Substitute");
        EXPECT_EQ(user.Text(window, IDC_SUBSTITUTE_ORIGINAL), "");
        user.PressEnter(window);
      },
      [&] { result = dialog.DoModal(); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.m_strOriginal, L"");
  EXPECT_EQ(dialog.m_strNew, L"");
}
