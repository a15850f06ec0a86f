// What the other tests cannot show of the user simulation: that it refuses
// what a user could not do, types as a user does, and that a scenario that
// fails or never ends fails its test rather than pass or hang. Proved
// against a plain Win32 dialog built here from an in-memory template.
#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "program_process.h"
#include "user_sim.h"

using namespace std::chrono_literals;
using usersim::RunUserScenario;
using usersim::User;
using usersim::UserGaveUp;

namespace {

constexpr char kTitle[] = "User Simulation Selftest";
constexpr int kNameEdit = 100;
constexpr int kLowerCaseEdit = 101;
constexpr int kList = 103;
constexpr int kDisabledButton = 104;
constexpr int kAskButton = 105;

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
  std::atomic<int> messageBoxAnswer{0};
  std::string nameOnOk;
};

INT_PTR CALLBACK SelftestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    for (const char* text : {"alpha", "beta", "gamma"})
      SendDlgItemMessageA(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return TRUE;
  }
  auto* events = reinterpret_cast<DialogEvents*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!events || message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id == kNameEdit && code == EN_CHANGE) ++events->nameChanges;
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

INT_PTR RunSelftestDialog(DialogEvents& events) {
  DialogTemplate layout(kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 225, 100);
  layout.Add(kEditClass, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kNameEdit, "", 7, 7, 120, 12);
  layout.Add(kEditClass, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_LOWERCASE, kLowerCaseEdit, "", 7, 23,
             120, 12);
  layout.Add(kListBoxClass, WS_BORDER | WS_TABSTOP | LBS_NOTIFY, kList, "", 7, 40, 120, 40);
  layout.Add(kButtonClass, WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, kDisabledButton, "Disabled", 135, 7, 80,
             14);
  layout.Add(kButtonClass, WS_TABSTOP | BS_PUSHBUTTON, kAskButton, "Ask...", 135, 23, 80, 14);
  layout.Add(kButtonClass, WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, "OK", 100, 80, 50, 14);
  layout.Add(kButtonClass, WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, "Cancel", 160, 80, 50, 14);
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.get(), nullptr, SelftestDialogProc,
                                 reinterpret_cast<LPARAM>(&events));
}

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

// Each key a message of its own, as the edit control's own rules see it.
TEST(UserSimulation, TypesKeystrokeByKeystroke) {
  DialogEvents events;
  INT_PTR result = 0;
  RunUserScenario(
      [&](User& user) {
        HWND dialog = user.WaitForDialog(kTitle);
        user.Type(dialog, kNameEdit, "abc");
        EXPECT_EQ(events.nameChanges, 3);
        user.Type(dialog, kLowerCaseEdit, "MiXeD Case \xC4\xD6");
        EXPECT_EQ(user.Text(dialog, kLowerCaseEdit), "mixed case \xE4\xF6");
        user.PressEnter(dialog);
        user.WaitUntilGone(dialog);
      },
      [&] { result = RunSelftestDialog(events); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(events.nameOnOk, "abc");
}

// A test that clicks what the program left disabled, or what a box covers,
// fails rather than pass.
TEST(UserSimulation, RefusesWhatAUserCannotDo) {
  DialogEvents events;
  INT_PTR result = 0;
  RunUserScenario(
      [&](User& user) {
        HWND dialog = user.WaitForDialog(kTitle);
        EXPECT_THROW(user.Click(dialog, kDisabledButton), UserGaveUp);
        EXPECT_THROW(user.Control(dialog, 999), UserGaveUp);
        EXPECT_THROW(user.ClickListItem(dialog, kList, "delta"), UserGaveUp);

        user.Click(dialog, kAskButton);
        const auto box = user.WaitForMessageBox("Selftest Question");
        EXPECT_THROW(user.Click(dialog, IDOK), UserGaveUp);  // the box is modal
        EXPECT_THROW(user.Answer(box, IDCANCEL), UserGaveUp);
        user.Answer(box, IDNO);
        EXPECT_EQ(events.messageBoxAnswer, IDNO);
        user.ClickCancel(dialog);
      },
      [&] { result = RunSelftestDialog(events); });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(UserScenario, FailedAssertionClosesTheWindows) {
  EXPECT_FATAL_FAILURE_ON_ALL_THREADS(ScenarioWithFailedAssertion(), "deliberate failure");
}

TEST(UserScenario, GivingUpFailsTheTestAndClosesTheWindows) {
  EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(ScenarioWaitingInVain(), "no window titled \"Nowhere\"");
}

TEST(UserScenarioDeathTest, WindowsThatNeverCloseEndTheProcess) {
  EXPECT_EXIT(ScenarioThatCannotEnd(), testing::ExitedWithCode(3), "did not end within 3000 ms");
}

// An exit code read only once the process has ended.
TEST(Processes, ExitCodeIsReported) {
  auto command = usersim::ProgramProcess::Start("C:\\windows\\system32\\cmd.exe", "/c exit 7");
  EXPECT_EQ(command.WaitForExit(30s), 7u);
}
