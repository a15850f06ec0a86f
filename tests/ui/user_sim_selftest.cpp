// The user simulation proved against plain Win32 windows that these tests
// build themselves: a dialog from an in-memory template, message boxes, the
// common file and print dialogs, and a second process.
#include <windows.h>
#include <commdlg.h>

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "user_sim.h"

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::HasSubstr;
using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;
using usersim::UserGaveUp;

namespace {

constexpr char kTitle[] = "User Simulation Selftest";
constexpr int kNameEdit = 100;
constexpr int kLowerCaseEdit = 101;
constexpr int kMultipleList = 102;
constexpr int kSingleList = 103;
constexpr int kDisabledButton = 104;
constexpr int kAskButton = 105;
constexpr int kCheckBox = 106;
constexpr UINT kCustomSystemCommand = 0x0010;

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kListBoxClass = 0x0083;

// A dialog template in memory: DLGTEMPLATE, then DWORD-aligned items.
class DialogTemplate {
 public:
  DialogTemplate(std::string_view title, DWORD style, short width, short height) {
    AppendDword(style);
    AppendDword(0);
    m_countIndex = m_words.size();
    AppendWords({0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height), 0, 0});
    AppendString(title);
  }

  void Add(WORD classAtom, DWORD style, int id, std::string_view text, short x, short y, short width,
           short height) {
    if (m_words.size() % 2) m_words.push_back(0);
    AppendDword(style | WS_CHILD | WS_VISIBLE);
    AppendDword(0);
    AppendWords({static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(width),
                 static_cast<WORD>(height), static_cast<WORD>(id), 0xFFFF, classAtom});
    AppendString(text);
    m_words.push_back(0);
    ++m_words[m_countIndex];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

 private:
  void AppendWords(std::initializer_list<WORD> words) {
    for (WORD word : words) m_words.push_back(word);
  }
  void AppendDword(DWORD value) { AppendWords({LOWORD(value), HIWORD(value)}); }
  void AppendString(std::string_view text) {
    for (char character : text) m_words.push_back(static_cast<unsigned char>(character));
    m_words.push_back(0);
  }

  std::vector<WORD> m_words;
  size_t m_countIndex = 0;
};

// What the selftest dialog saw, written on its thread, read by the user's.
struct DialogEvents {
  std::atomic<int> nameChanges{0};
  std::atomic<int> selectionChanges{0};
  std::atomic<int> doubleClickedItem{-1};
  std::atomic<int> messageBoxAnswer{0};
  std::atomic<UINT> systemCommand{0};
  std::string nameOnOk;
};

INT_PTR CALLBACK SelftestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    for (int item = 0; item < 40; ++item) {
      const std::string text = "Item " + std::string(item < 10 ? "0" : "") + std::to_string(item);
      SendDlgItemMessageA(dialog, kMultipleList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    for (const char* text : {"alpha", "beta", "gamma"})
      SendDlgItemMessageA(dialog, kSingleList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    AppendMenuA(GetSystemMenu(dialog, FALSE), MF_STRING, kCustomSystemCommand, "Custom...");
    return TRUE;
  }
  auto* events = reinterpret_cast<DialogEvents*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!events) return FALSE;
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kCustomSystemCommand) {
    events->systemCommand = kCustomSystemCommand;
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id == kNameEdit && code == EN_CHANGE) ++events->nameChanges;
  if (id == kMultipleList && code == LBN_SELCHANGE) ++events->selectionChanges;
  if (id == kSingleList && code == LBN_DBLCLK)
    events->doubleClickedItem =
        static_cast<int>(SendDlgItemMessageA(dialog, kSingleList, LB_GETCURSEL, 0, 0));
  if (id == kAskButton && code == BN_CLICKED)
    events->messageBoxAnswer =
        MessageBoxA(dialog, "Shall we go on?", "Selftest Question", MB_YESNO | MB_ICONQUESTION);
  if (id == IDOK) {
    std::vector<char> name(256);
    GetDlgItemTextA(dialog, kNameEdit, name.data(), static_cast<int>(name.size()));
    events->nameOnOk = name.data();
    EndDialog(dialog, IDOK);
  }
  if (id == IDCANCEL) EndDialog(dialog, IDCANCEL);
  return TRUE;
}

DialogTemplate SelftestLayout() {
  DialogTemplate layout(kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 225, 140);
  layout.Add(kEditClass, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kNameEdit, "", 7, 7, 120, 12);
  layout.Add(kEditClass, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_LOWERCASE, kLowerCaseEdit, "", 7, 23,
             120, 12);
  layout.Add(kListBoxClass, WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_MULTIPLESEL | LBS_NOTIFY, kMultipleList,
             "", 7, 40, 120, 60);
  layout.Add(kListBoxClass, WS_BORDER | WS_TABSTOP | LBS_NOTIFY, kSingleList, "", 135, 40, 80, 60);
  layout.Add(kButtonClass, WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, kDisabledButton, "Disabled", 135, 7, 80,
             14);
  layout.Add(kButtonClass, WS_TABSTOP | BS_PUSHBUTTON, kAskButton, "Ask...", 135, 23, 80, 14);
  layout.Add(kButtonClass, WS_TABSTOP | BS_AUTOCHECKBOX, kCheckBox, "Check", 7, 105, 80, 12);
  layout.Add(kButtonClass, WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, "OK", 100, 120, 50, 14);
  layout.Add(kButtonClass, WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, "Cancel", 160, 120, 50, 14);
  return layout;
}

INT_PTR RunSelftestDialog(DialogEvents& events) {
  const DialogTemplate layout = SelftestLayout();
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.get(), nullptr, SelftestDialogProc,
                                 reinterpret_cast<LPARAM>(&events));
}

std::string TemporaryPath(std::string_view name) {
  std::vector<char> folder(MAX_PATH + 1);
  GetTempPathA(static_cast<DWORD>(folder.size()), folder.data());
  return std::string(folder.data()) + "usersim-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::string(name);
}

struct FileDialogResult {
  BOOL accepted = FALSE;
  std::string path;
};

FileDialogResult RunFileDialog(bool save, const char* title) {
  std::vector<char> path(MAX_PATH + 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.lpstrFilter = "Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = title;
  dialog.Flags =
      OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  FileDialogResult result;
  result.accepted = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  result.path = path.data();
  return result;
}

}  // namespace

TEST(UserSimulation, TypesKeystrokeByKeystroke) {
  DialogEvents events;
  INT_PTR result = 0;
  RunUserScenario(
      [&](User& user) {
        HWND dialog = user.WaitForDialog(kTitle);
        user.Type(dialog, kNameEdit, "abc");
        EXPECT_EQ(user.Text(dialog, kNameEdit), "abc");
        EXPECT_EQ(events.nameChanges, 3);
        user.Type(dialog, kNameEdit, "d");
        EXPECT_EQ(user.Text(dialog, kNameEdit), "abcd");

        user.SetText(dialog, kNameEdit, "Report");
        EXPECT_EQ(user.Text(dialog, kNameEdit), "Report");
        user.SetText(dialog, kNameEdit, "");
        EXPECT_EQ(user.Text(dialog, kNameEdit), "");

        user.Type(dialog, kLowerCaseEdit, "MiXeD Case \xC4\xD6");
        EXPECT_EQ(user.Text(dialog, kLowerCaseEdit), "mixed case \xE4\xF6");

        user.SetText(dialog, kNameEdit, "final");
        user.PressEnter(dialog);
        user.WaitUntilGone(dialog);
      },
      [&] { result = RunSelftestDialog(events); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(events.nameOnOk, "final");
}

TEST(UserSimulation, ClicksListItemsLikeAMouse) {
  DialogEvents events;
  INT_PTR result = 0;
  RunUserScenario(
      [&](User& user) {
        HWND dialog = user.WaitForDialog(kTitle);
        EXPECT_EQ(user.ListCount(dialog, kMultipleList), 40);
        EXPECT_THAT(user.ListItems(dialog, kSingleList), ElementsAre("alpha", "beta", "gamma"));

        user.ClickListItem(dialog, kMultipleList, "Item 03");
        user.ClickListItem(dialog, kMultipleList, "Item 30");  // below the visible part
        EXPECT_THAT(user.SelectedIndexes(dialog, kMultipleList), ElementsAre(3, 30));
        user.ClickListItem(dialog, kMultipleList, 3);
        EXPECT_THAT(user.SelectedItems(dialog, kMultipleList), ElementsAre("Item 30"));
        EXPECT_EQ(events.selectionChanges, 3);

        user.DoubleClickListItem(dialog, kSingleList, "beta");
        EXPECT_EQ(events.doubleClickedItem, 1);
        EXPECT_THAT(user.SelectedItems(dialog, kSingleList), ElementsAre("beta"));

        EXPECT_THROW(user.ClickListItem(dialog, kSingleList, "delta"), UserGaveUp);
        user.PressEscape(dialog);
      },
      [&] { result = RunSelftestDialog(events); });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(UserSimulation, ClicksOnlyWhatCanBeClicked) {
  DialogEvents events;
  INT_PTR result = 0;
  RunUserScenario(
      [&](User& user) {
        HWND dialog = user.WaitForDialog(kTitle);
        EXPECT_EQ(user.Text(dialog, IDOK), "OK");
        EXPECT_TRUE(user.IsEnabled(dialog, IDOK));
        EXPECT_FALSE(user.IsEnabled(dialog, kDisabledButton));
        EXPECT_THROW(user.Click(dialog, kDisabledButton), UserGaveUp);
        EXPECT_THROW(user.Control(dialog, 999), UserGaveUp);

        user.Click(dialog, kCheckBox);
        EXPECT_TRUE(user.IsChecked(dialog, kCheckBox));
        user.Click(dialog, kCheckBox);
        EXPECT_FALSE(user.IsChecked(dialog, kCheckBox));

        user.ClickCancel(dialog);
      },
      [&] { result = RunSelftestDialog(events); });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(UserSimulation, UsesTheSystemMenu) {
  DialogEvents events;
  INT_PTR result = 0;
  RunUserScenario(
      [&](User& user) {
        HWND dialog = user.WaitForDialog(kTitle);
        user.SystemMenuCommand(dialog, kCustomSystemCommand);
        EXPECT_EQ(events.systemCommand, kCustomSystemCommand);
        user.SystemMenuCommand(dialog, SC_CLOSE);
        user.WaitUntilGone(dialog);
      },
      [&] { result = RunSelftestDialog(events); });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(MessageBoxes, BoxOpenedByAClickIsReadAndAnswered) {
  DialogEvents events;
  RunUserScenario(
      [&](User& user) {
        HWND dialog = user.WaitForDialog(kTitle);
        user.Click(dialog, kAskButton);
        const auto box = user.WaitForMessageBox("Selftest Question");
        EXPECT_EQ(box.text, "Shall we go on?");
        EXPECT_THAT(box.buttons, ElementsAre(IDYES, IDNO));
        EXPECT_EQ(box.icon, MessageBoxIcon::Question);
        // The box is modal: its owner takes no clicks meanwhile.
        EXPECT_THROW(user.Click(dialog, IDOK), UserGaveUp);
        EXPECT_THROW(user.Answer(box, IDCANCEL), UserGaveUp);
        user.Answer(box, IDNO);
        EXPECT_EQ(events.messageBoxAnswer, IDNO);

        user.Click(dialog, kAskButton);
        user.ExpectMessageBox("Selftest Question", "Shall we go on?", IDYES);
        EXPECT_EQ(events.messageBoxAnswer, IDYES);
        user.ClickOk(dialog);
      },
      [&] { RunSelftestDialog(events); });
}

TEST(MessageBoxes, AnyBoxIsFoundWithItsTextAndIcon) {
  int answer = 0;
  RunUserScenario(
      [&](User& user) {
        const auto box = user.WaitForMessageBox();
        EXPECT_EQ(box.title, "Selftest Warning");
        EXPECT_EQ(box.text, "First line\nSecond line");
        EXPECT_THAT(box.buttons, ElementsAre(IDOK, IDCANCEL));
        EXPECT_EQ(box.icon, MessageBoxIcon::Exclamation);
        user.Answer(box, IDCANCEL);
      },
      [&] {
        answer = MessageBoxA(nullptr, "First line\nSecond line", "Selftest Warning",
                             MB_OKCANCEL | MB_ICONEXCLAMATION);
      });
  EXPECT_EQ(answer, IDCANCEL);

  RunUserScenario(
      [&](User& user) {
        const auto box = user.ExpectMessageBox("Selftest Error", "It failed.", IDOK);
        EXPECT_THAT(box.buttons, ElementsAre(IDOK));
        EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
      },
      [&] { answer = MessageBoxA(nullptr, "It failed.", "Selftest Error", MB_OK | MB_ICONSTOP); });
  EXPECT_EQ(answer, IDOK);
}

TEST(FileDialogs, SaveDialogTakesATypedPath) {
  const std::string path = TemporaryPath("saved.txt");
  FileDialogResult result;
  RunUserScenario([&](User& user) { user.ChooseFile("Selftest Save", path); },
                  [&] { result = RunFileDialog(true, "Selftest Save"); });
  EXPECT_TRUE(result.accepted);
  EXPECT_EQ(result.path, path);
}

TEST(FileDialogs, OverwritePromptIsAnswered) {
  const std::string path = TemporaryPath("existing.txt");
  const std::filesystem::path file(path);
  std::filesystem::remove(file);
  CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  FileDialogResult result;
  RunUserScenario(
      [&](User& user) {
        user.ChooseFile("Selftest Save", path);
        const auto prompt = user.WaitForMessageBox();
        EXPECT_THAT(prompt.text, HasSubstr("already exists"));
        user.Answer(prompt, IDYES);
      },
      [&] { result = RunFileDialog(true, "Selftest Save"); });
  DeleteFileA(path.c_str());
  EXPECT_TRUE(result.accepted);
  EXPECT_EQ(result.path, path);
}

TEST(FileDialogs, CancelledOpenDialogGivesNothing) {
  FileDialogResult result;
  RunUserScenario([&](User& user) { user.ClickCancel(user.WaitForDialog("Selftest Open")); },
                  [&] { result = RunFileDialog(false, "Selftest Open"); });
  EXPECT_FALSE(result.accepted);
  EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST(PrintDialog, OkGivesThePrinterAndCancelGivesNothing) {
  ASSERT_TRUE(usersim::TestPrinterName()) << "this run has no test printer (see scripts/test.sh)";
  PRINTDLGA print{};
  print.lStructSize = sizeof(print);
  print.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
  BOOL accepted = FALSE;
  RunUserScenario([&](User& user) { user.ClickOk(user.WaitForDialog("Print")); },
                  [&] { accepted = PrintDlgA(&print); });
  ASSERT_TRUE(accepted);
  ASSERT_NE(print.hDC, nullptr);

  // The page goes through the printer into a PDF file, as the program's will.
  DOCINFOA document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = "UserSimSelftest";
  ASSERT_GT(StartDocA(print.hDC, &document), 0);
  StartPage(print.hDC);
  TextOutA(print.hDC, 200, 200, "Selftest page", 13);
  EndPage(print.hDC);
  EndDoc(print.hDC);
  DeleteDC(print.hDC);
  GlobalFree(print.hDevMode);
  GlobalFree(print.hDevNames);

  const auto folder = usersim::PdfOutputFolder();
  ASSERT_TRUE(folder);
  bool arrived = false;
  for (int attempt = 0; attempt < 300 && !arrived; ++attempt) {
    for (const auto& entry : std::filesystem::directory_iterator(*folder)) {
      if (entry.path().filename().string().starts_with("UserSimSelftest")) arrived = true;
    }
    if (!arrived) Sleep(100);
  }
  EXPECT_TRUE(arrived) << "no PDF file in " << *folder;

  PRINTDLGA again{};
  again.lStructSize = sizeof(again);
  RunUserScenario([&](User& user) { user.ClickCancel(user.WaitForDialog("Print")); },
                  [&] { accepted = PrintDlgA(&again); });
  EXPECT_FALSE(accepted);
}

namespace {

void ScenarioWithFailedAssertion() {
  DialogEvents events;
  RunUserScenario(
      [](User& user) {
        user.WaitForDialog(kTitle);
        ASSERT_TRUE(false) << "deliberate failure";
      },
      [&] { RunSelftestDialog(events); });
}

void ScenarioWaitingInVain() {
  DialogEvents events;
  RunUserScenario(
      [](User&) {
        User impatient(GetCurrentProcessId(), 300ms);
        impatient.WaitForDialog("Nowhere");
      },
      [&] { RunSelftestDialog(events); });
}

INT_PTR CALLBACK StubbornDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG || message == WM_COMMAND || message == WM_CLOSE;
}

void ScenarioThatCannotEnd() {
  RunUserScenario([](User& user) { user.WaitForDialog("Stubborn"); },
                  [] {
                    DialogTemplate layout("Stubborn", WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 40);
                    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.get(), nullptr,
                                            StubbornDialogProc, 0);
                  },
                  3s);
}

}  // namespace

TEST(UserScenario, FailedAssertionClosesTheWindows) {
  EXPECT_FATAL_FAILURE_ON_ALL_THREADS(ScenarioWithFailedAssertion(), "deliberate failure");
}

TEST(UserScenario, GivingUpFailsTheTestAndClosesTheWindows) {
  EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(ScenarioWaitingInVain(), "no window titled \"Nowhere\"");
}

TEST(UserScenarioDeathTest, WindowsThatNeverCloseEndTheProcess) {
  EXPECT_EXIT(ScenarioThatCannotEnd(), testing::ExitedWithCode(3), "did not end within 3000 ms");
}

// Run by a second copy of this executable, started by the next test.
TEST(HelperProcess, DISABLED_ShowsTheSelftestDialog) {
  DialogEvents events;
  EXPECT_EQ(RunSelftestDialog(events), IDOK);
  EXPECT_EQ(events.nameOnOk, "typed elsewhere");
  EXPECT_EQ(events.messageBoxAnswer, IDYES);
  EXPECT_EQ(events.doubleClickedItem, 2);
}

TEST(Processes, AnotherProcessIsDrivenThroughItsWindows) {
  std::vector<char> ownPath(MAX_PATH + 1);
  GetModuleFileNameA(nullptr, ownPath.data(), static_cast<DWORD>(ownPath.size()));
  auto helper = usersim::ProgramProcess::Start(
      ownPath.data(),
      "--gtest_also_run_disabled_tests --gtest_filter=HelperProcess.DISABLED_ShowsTheSelftestDialog");
  User other(helper.Id());
  HWND dialog = other.WaitForDialog(kTitle);
  EXPECT_THAT(other.ListItems(dialog, kSingleList), ElementsAre("alpha", "beta", "gamma"));
  other.ClickListItem(dialog, kMultipleList, "Item 30");
  EXPECT_THAT(other.SelectedItems(dialog, kMultipleList), ElementsAre("Item 30"));
  other.DoubleClickListItem(dialog, kSingleList, "gamma");
  other.Type(dialog, kLowerCaseEdit, "Caf\xC9");
  EXPECT_EQ(other.Text(dialog, kLowerCaseEdit), "caf\xE9");
  other.Type(dialog, kNameEdit, "typed elsewhere");
  EXPECT_EQ(other.Text(dialog, kNameEdit), "typed elsewhere");

  other.Click(dialog, kAskButton);
  const auto box = other.WaitForMessageBox("Selftest Question");
  EXPECT_EQ(box.text, "Shall we go on?");
  EXPECT_THAT(box.buttons, ElementsAre(IDYES, IDNO));
  EXPECT_TRUE(helper.IsRunning());
  other.Answer(box, IDYES);
  other.ClickOk(dialog);
  EXPECT_EQ(helper.WaitForExit(30s), 0u);
}

TEST(Processes, ExitCodeIsReported) {
  auto command = usersim::ProgramProcess::Start("C:\\windows\\system32\\cmd.exe", "/c exit 7");
  EXPECT_EQ(command.WaitForExit(30s), 7u);
}

TEST(TestEnvironment, DorvexExeIsInTheBuildFolder) {
  const std::string path = usersim::DorvexExePath();
  EXPECT_THAT(path, testing::EndsWith("\\Dorvex.exe"));
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
}
