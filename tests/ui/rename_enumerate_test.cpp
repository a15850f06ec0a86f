// Enumerate: the dialog with its defaults and checks, and the numbering of
// every listed file on a real folder, whatever names the folder already holds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/current_language.h"
#include "framework/application.h"
#include "rename/enumerate_dialog.h"
#include "rename_fixture.h"
#include "res/resource.h"

using testing::ElementsAre;
using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;

namespace {

class EnumerateTest : public RenameCommandTest {
 protected:
  using RenameCommandTest::RenameCommandTest;

  // Clicks Enumerate, fills in the fields given and presses OK; `during`
  // answers what the run shows.
  void Enumerate(std::optional<std::wstring_view> stem, std::optional<std::string_view> number,
                 std::optional<std::string_view> extension, const std::function<void(User&)>& during = {},
                 std::string_view fileSpec = {}) {
    RunMainWindow([&](User& user, HWND window) {
      if (!fileSpec.empty()) user.SetText(window, IDC_FILE_SPEC, fileSpec);
      user.Click(window, IDC_ENUMERATE);
      HWND dialog = user.WaitForDialog("Enumerate");
      if (stem) user.SetText(dialog, IDC_ENUMERATE_NEW_NAME, *stem);
      if (number) user.SetText(dialog, IDC_ENUMERATE_NUMBER, *number);
      if (extension) user.SetText(dialog, IDC_ENUMERATE_EXTENSION, *extension);
      user.ClickOk(dialog);
      if (during) during(user);
      WaitForCommandEnd(user, window);
      user.Click(window, IDCANCEL);
    });
  }
};

// Runs the dialog alone with the handler's defaults.
struct DialogRun {
  EnumerateDialog dialog;
  INT_PTR result = 0;
  explicit DialogRun(const std::function<void(User&, HWND)>& script) {
    dialog.m_strNewName = L"NewFile";
    dialog.m_nNumber = 0;
    dialog.m_strExtension = L"jpg";
    RunUserScenario([&](User& user) { script(user, user.WaitForDialog("Enumerate")); },
                    [&] { result = dialog.DoModal(); });
  }
};

}  // namespace

TEST_F(EnumerateTest, DefaultsNumberEveryListedFileInListOrderWithEnter) {
  Add("a.txt", "a");
  Add("b.doc", "b");
  Add("c.jpg", "c");
  RunMainWindow([&](User& user, HWND window) {
    SelectFiles(user, window, {"b.doc"});  // the selection plays no part
    user.Click(window, IDC_ENUMERATE);
    HWND dialog = user.WaitForDialog("Enumerate");
    EXPECT_EQ(user.Text(dialog, IDC_ENUMERATE_NEW_NAME), "NewFile");
    EXPECT_EQ(user.Text(dialog, IDC_ENUMERATE_NUMBER), "0");
    EXPECT_EQ(user.Text(dialog, IDC_ENUMERATE_EXTENSION), "jpg");
    EXPECT_EQ(user.FocusedControl(dialog), user.Control(dialog, IDOK));
    user.PressEnter(dialog);
    WaitForCommandEnd(user, window);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST),
                ElementsAre("NewFile0000.jpg", "NewFile0001.jpg", "NewFile0002.jpg"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_EQ(Content("NewFile0000.jpg"), "a");
  EXPECT_EQ(Content("NewFile0001.jpg"), "b");
  EXPECT_EQ(Content("NewFile0002.jpg"), "c");
}

TEST_F(EnumerateTest, StemAndFirstNumberAreTakenAsTypedEvenALetterTheCodePageLacks) {
  Add("a.txt");
  Enumerate(L"\u0101_", "10", std::nullopt);
  EXPECT_THAT(m_folder.WideNames(), ElementsAre(L"\u0101_0010.jpg"));
}

TEST_F(EnumerateTest, ANameTakenByAFileOutsideTheListFailsUnderSequence) {
  Add("a.txt", "a");
  Add("b.txt", "b");
  Add("NewFile0000.jpg", "hidden by the file pattern");
  Enumerate(
      std::nullopt, std::nullopt, std::nullopt,
      [&](User& user) {
        const auto box = user.ExpectMessageBox("Sequence", FileErrorMessage("a.txt", kTakenReason));
        EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
      },
      "*.txt");
  EXPECT_THAT(Names(), ElementsAre("NewFile0000.jpg", "NewFile0001.jpg", "a.txt"));
  EXPECT_EQ(Content("NewFile0000.jpg"), "hidden by the file pattern");
  EXPECT_EQ(Content("NewFile0001.jpg"), "b");
}

TEST_F(EnumerateTest, StemsAndExtensionsThatNoNameCouldHoldAreRefusedAtOkBeforeAnyFileIsTouched) {
  Add("a.txt", "a");
  struct Refusal {
    int edit;
    std::wstring typed;
    std::wstring message;
  };
  const Refusal refusals[] = {
      {IDC_ENUMERATE_EXTENSION, L"", L"Please enter an extension."},
      {IDC_ENUMERATE_NEW_NAME, L"a?b",
       L"A file name cannot contain any of the following characters:\n\\ / : * ? \" < > |"},
  };
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_ENUMERATE);
    HWND dialog = user.WaitForDialog("Enumerate");
    for (const auto& [edit, typed, message] : refusals) {
      user.SetText(dialog, edit, "");
      user.TypeWide(dialog, edit, typed);
      ExpectRefusedAtOk(user, dialog, edit, message);
      user.SetText(dialog, edit, edit == IDC_ENUMERATE_EXTENSION ? "jpg" : "NewFile");
    }
    user.ClickCancel(dialog);
    user.Settle(window);
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("a.txt"));
}

TEST_F(EnumerateTest, TheRefilledListScrollsThroughEveryFile) {
  constexpr int kCount = 40;
  for (int i = 0; i < kCount; ++i) Add(std::string("f").append(std::to_string(100 + i)).append(".txt"));
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_ENUMERATE);
    user.ClickOk(user.WaitForDialog("Enumerate"));
    WaitForCommandEnd(user, window);
    HWND list = user.Control(window, IDC_FILE_LIST);
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &scroll));
    EXPECT_EQ(scroll.nMax, kCount - 1);
    EXPECT_LT(scroll.nPage, static_cast<UINT>(kCount));
    EXPECT_TRUE(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(user.ListItems(window, IDC_FILE_LIST).back(), "NewFile0039.jpg");
    user.Click(window, IDCANCEL);
  });
}

TEST_F(EnumerateTest, AnEmptyListEndsQuietly) {
  Add("a.txt");
  Enumerate(std::nullopt, std::nullopt, std::nullopt, {}, "*.none");
  EXPECT_THAT(Names(), ElementsAre("a.txt"));
}

TEST_F(EnumerateTest, CancelInTheDialogChangesNothing) {
  Add("a.txt");
  RunMainWindow([&](User& user, HWND window) {
    user.Click(window, IDC_ENUMERATE);
    user.ClickCancel(user.WaitForDialog("Enumerate"));
    user.Settle(window);
    EXPECT_THAT(user.ListItems(window, IDC_FILE_LIST), ElementsAre("a.txt"));
    user.Click(window, IDCANCEL);
  });
  EXPECT_THAT(Names(), ElementsAre("a.txt"));
}

TEST_F(EnumerateTest, StartNumberAcceptsPlusAndTheRangeEnds) {
  for (const char* number : {"+5", " 7 ", "0", "1000"}) {
    DialogRun run([&](User& user, HWND dialog) {
      user.SetText(dialog, IDC_ENUMERATE_NUMBER, number);
      user.ClickOk(dialog);
    });
    EXPECT_EQ(run.result, IDOK) << number;
    if (std::string_view(number) == "+5") {
      EXPECT_EQ(run.dialog.m_nNumber, 5u);
    }
    if (std::string_view(number) == "1000") {
      EXPECT_EQ(run.dialog.m_nNumber, 1000u);
    }
  }
}

TEST_F(EnumerateTest, StartNumberRefusalsKeepTheDialogOpenWithTheFieldSelected) {
  const std::pair<const char*, const char*> refusals[] = {
      {"-1", "Please enter an integer between 0 and 1000."},
      {"1001", "Please enter an integer between 0 and 1000."},
      {"12a", "Please enter a positive integer."},
      {"", "Please enter a positive integer."},
  };
  DialogRun run([&](User& user, HWND dialog) {
    HWND numberEdit = user.Control(dialog, IDC_ENUMERATE_NUMBER);
    for (const auto& [number, message] : refusals) {
      user.SetText(dialog, IDC_ENUMERATE_NUMBER, number);
      user.ClickOk(dialog);
      const auto box = user.WaitForMessageBox(ApplicationName());
      EXPECT_EQ(box.text, message);
      EXPECT_EQ(box.icon, MessageBoxIcon::Exclamation) << number;
      user.Answer(box, IDOK);
      user.Settle(dialog);
      EXPECT_EQ(user.FocusedControl(dialog), numberEdit) << number;
      const DWORD selection = static_cast<DWORD>(SendMessageA(numberEdit, EM_GETSEL, 0, 0));
      EXPECT_EQ(LOWORD(selection), 0) << number;
      EXPECT_EQ(HIWORD(selection), std::string_view(number).size()) << number;
    }
    user.ClickCancel(dialog);
  });
  EXPECT_EQ(run.result, IDCANCEL);
}

TEST_F(EnumerateTest, ExtensionAndStemEditsAreLimitedWhileTyping) {
  DialogRun run([&](User& user, HWND dialog) {
    user.SetText(dialog, IDC_ENUMERATE_EXTENSION, "jpeg");
    EXPECT_EQ(user.Text(dialog, IDC_ENUMERATE_EXTENSION), "jpe");
    user.SetText(dialog, IDC_ENUMERATE_NEW_NAME, std::string(101, 's'));
    EXPECT_EQ(user.Text(dialog, IDC_ENUMERATE_NEW_NAME), std::string(100, 's'));
    user.ClickOk(dialog);
  });
  EXPECT_EQ(run.result, IDOK);
  EXPECT_EQ(run.dialog.m_strExtension, L"jpe");
  EXPECT_EQ(run.dialog.m_strNewName, std::wstring(100, L's'));
}
