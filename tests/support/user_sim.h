// A simulated user for UI tests. It acts on windows only through window
// messages, the way a person at the mouse and keyboard does, from a thread or
// process other than the one that owns the windows: input is posted, never
// sent, so that a click that opens a modal window cannot block the user, and
// every action waits until the window's thread has handled it.
//
// When an action cannot be done (no such window within the patience, a
// disabled button, a missing control) the user throws UserGaveUp. Inside
// RunUserScenario that ends the scenario cleanly; in a plain test body
// GoogleTest reports it as a failure.
#pragma once
#include <windows.h>

#include <chrono>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "posted_markers.h"
#include "program_process.h"
#include "scenario.h"
#include "test_environment.h"

namespace usersim {

using Milliseconds = std::chrono::milliseconds;

// How long the user waits for a window to appear or to react.
inline constexpr Milliseconds kPatience{15000};
// A User built with this process id acts on the windows of every process.
inline constexpr DWORD kAnyProcess = 0;

class UserGaveUp : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class MessageBoxIcon { None, Stop, Question, Exclamation, Information, Unknown };
std::ostream& operator<<(std::ostream& out, MessageBoxIcon icon);

struct MessageBoxInfo {
  HWND window = nullptr;
  std::string title;
  std::wstring wideTitle;  // the title as shown, also letters the code page lacks
  std::string text;
  std::wstring wideText;     // the text as shown, also letters the code page lacks
  std::vector<int> buttons;  // IDOK, IDCANCEL, IDYES, ... from left to right
  MessageBoxIcon icon = MessageBoxIcon::None;
};

struct WindowSummary {
  HWND window = nullptr;
  std::string title;
  std::string className;
  bool visible = false;
  bool enabled = false;
};

class User {
 public:
  // Acts on the windows of this process.
  User();
  // Acts on the windows of another process (kAnyProcess: of every process).
  explicit User(DWORD processId, Milliseconds patience = kPatience);
  User(const User&) = delete;
  User& operator=(const User&) = delete;

  // --- Top-level windows. Only visible windows count as there.
  // The window titled exactly `title` (of the class, when one is given), or null.
  HWND FindWindowTitled(std::string_view title, std::string_view className = {}) const;
  HWND WaitForWindow(std::string_view title, std::string_view className = {}) const;
  HWND WaitForDialog(std::string_view title) const { return WaitForWindow(title, "#32770"); }
  // The same by the title as shown, also letters the code page lacks.
  HWND WaitForWindow(std::wstring_view title, std::string_view className = {}) const;
  HWND WaitForDialog(std::wstring_view title) const { return WaitForWindow(title, "#32770"); }
  // Waits until the window is destroyed or hidden.
  void WaitUntilGone(HWND window) const;
  std::vector<WindowSummary> TopLevelWindows() const;

  // --- Controls, by control id within a dialog.
  HWND Control(HWND dialog, int id) const;
  std::string Text(HWND dialog, int id) const;
  std::string Text(HWND window) const;
  // The text as shown, also letters the code page lacks.
  std::wstring WideText(HWND window) const;
  std::wstring WideText(HWND dialog, int id) const { return WideText(Control(dialog, id)); }
  bool IsEnabled(HWND dialog, int id) const;
  bool IsVisible(HWND dialog, int id) const;
  bool IsChecked(HWND dialog, int id) const;
  // A mouse click on a push button, check box or radio button.
  void Click(HWND dialog, int id) const;
  void Click(HWND button) const;

  // --- Edits. Each character arrives as its own WM_CHAR, so the edit's
  // styles (ES_LOWERCASE, ES_NUMBER, the text limit) apply and the parent
  // gets EN_CHANGE after every keystroke.
  // Types at the caret, replacing the selection.
  void Type(HWND dialog, int id, std::string_view text) const;
  // Selects the whole text and types over it (an empty text: Backspace).
  void SetText(HWND dialog, int id, std::string_view text) const;
  // The same for an edit given by its window (as inside a combo box).
  void TypeInto(HWND edit, std::string_view text) const;
  void SetTextOf(HWND edit, std::string_view text) const;
  // Types UTF-16 characters, as a keyboard layout with letters outside the
  // code page sends them to a Unicode edit.
  void TypeWide(HWND dialog, int id, std::wstring_view text) const;
  // Selects the whole text and types the UTF-16 characters over it.
  void SetText(HWND dialog, int id, std::wstring_view text) const;

  // --- List boxes.
  int ListCount(HWND dialog, int id) const;
  std::vector<std::string> ListItems(HWND dialog, int id) const;
  // The items as shown, also letters the code page lacks.
  std::vector<std::wstring> WideListItems(HWND dialog, int id) const;
  std::vector<int> SelectedIndexes(HWND dialog, int id) const;
  std::vector<std::string> SelectedItems(HWND dialog, int id) const;
  // The index of the item whose text is exactly `text`; fails when none.
  int ListIndexOf(HWND dialog, int id, std::string_view text) const;
  int ListIndexOf(HWND dialog, int id, std::wstring_view text) const;
  // A click on the item, scrolled into view first: selects it (single
  // selection) or toggles it (multiple selection). `keys` may add MK_CONTROL
  // or MK_SHIFT for extended selection.
  void ClickListItem(HWND dialog, int id, int index, WPARAM keys = 0) const;
  void ClickListItem(HWND dialog, int id, std::string_view text, WPARAM keys = 0) const;
  void ClickListItem(HWND dialog, int id, std::wstring_view text, WPARAM keys = 0) const;
  void DoubleClickListItem(HWND dialog, int id, int index) const;
  void DoubleClickListItem(HWND dialog, int id, std::string_view text) const;
  void DoubleClickListItem(HWND dialog, int id, std::wstring_view text) const;

  // --- Keyboard, to the control that has the focus in the window.
  void PressEnter(HWND dialog) const { PressKey(dialog, VK_RETURN); }
  void PressEscape(HWND dialog) const { PressKey(dialog, VK_ESCAPE); }
  void PressKey(HWND dialog, UINT virtualKey) const;
  // A key pressed while `control` has the focus (as after a click into it).
  void PressKeyOn(HWND control, UINT virtualKey) const;
  // The control with the keyboard focus, or null when it is outside `window`.
  HWND FocusedControl(HWND window) const;

  // --- The window's system menu.
  void SystemMenuCommand(HWND window, UINT command) const;

  // --- Message boxes.
  MessageBoxInfo WaitForMessageBox() const;
  MessageBoxInfo WaitForMessageBox(std::string_view title) const;
  MessageBoxInfo WaitForMessageBox(std::wstring_view title) const;
  MessageBoxInfo ReadMessageBox(HWND box) const;
  // Clicks the button and waits until the box is gone.
  void Answer(const MessageBoxInfo& box, int buttonId) const;
  // Waits for the box titled `title`, expects its text, answers it.
  MessageBoxInfo ExpectMessageBox(std::string_view title, std::string_view text, int answer = IDOK) const;
  // The same for a question: the question icon and the buttons Yes and No.
  void AnswerQuestion(std::string_view title, std::string_view text, int answer) const;

  // --- Open and save dialogs (Explorer style, as Wine and Windows show them).
  HWND FileNameBox(HWND dialog) const;
  // Types the path into the file-name box and clicks OK (Open or Save).
  void EnterFileName(HWND dialog, std::string_view path) const;
  // Waits for the dialog titled `title` and enters the path.
  void ChooseFile(std::string_view title, std::string_view path) const;

  // --- Print dialog and any other dialog with OK and Cancel.
  void ClickOk(HWND dialog) const;
  void ClickCancel(HWND dialog) const;

  // Returns once the window's thread has handled all input posted to it
  // before the call (or the window is gone).
  void Settle(HWND window) const;

 private:
  // A title to look for, as the code page spells it or as shown.
  struct Title;
  struct Ending {
    HWND window;  // the top-level window that the input may close
    HWND owner;   // the window whose code opened it
  };
  Ending WatchEnding(HWND target) const;
  void Settle(HWND target, const Ending& ending) const;
  HWND FindMatching(const Title& title, std::string_view className, bool messageBoxOnly) const;
  HWND AwaitMatching(const Title& title, std::string_view className, bool messageBoxOnly) const;
  HWND UsableControl(HWND dialog, int id) const;
  LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
  POINT ItemCenter(HWND list, int index) const;
  [[noreturn]] void GiveUp(const std::string& what) const;

  DWORD m_processId;
  Milliseconds m_patience;
  mutable PostedMarkers m_markers;
  mutable int m_unsettled = 0;
};

// The class name and title of every top-level window of the process, one per
// line, for diagnostics.
std::string DescribeWindows(DWORD processId);

}  // namespace usersim
