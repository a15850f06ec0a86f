// Dialog windows built from templates, with per-class routing of commands and
// window messages. No C++ exception leaves a window procedure: the boundary
// reports it in a message box and the dialog goes on.
#pragma once
#include "framework/win32.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

class DataExchange;

class Dialog {
 public:
  explicit Dialog(int templateId, HWND parent = nullptr);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // DoModal's result for a dialog whose window was never made. The framework
  // has told the user; no caller may take it for an answer.
  static constexpr INT_PTR kNotShown = -1;

  // Runs the dialog modally; the owner is the parent given at construction,
  // else the application's main window. Returns the button that ended it,
  // or kNotShown.
  INT_PTR DoModal();
  // Creates the dialog modelessly; returns false when the window cannot be made.
  bool CreateModeless(HWND parent);
  virtual void DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int controlId) const { return ::GetDlgItem(m_hWnd, controlId); }
  std::wstring GetDlgItemText(int controlId) const;
  void SetDlgItemText(int controlId, std::wstring_view text);
  void EndDialog(INT_PTR result);
  int MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const;

  // Moves data between the controls and the members; false when a check failed
  // (its message has been shown and the focus put back into the control).
  bool UpdateData(bool saveAndValidate = true);

 protected:
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(DataExchange&) {}
  // Routing hooks: true when the class handled it.
  virtual bool OnCommand(int controlId, int notification);
  virtual std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void RouteCommand(int controlId, int notification);

  int m_templateId;
  HWND m_parent;
  HWND m_hWnd = nullptr;
  bool m_modal = false;
  bool m_bInitialized = false;  // the window was made and got WM_INITDIALOG
};

// One line of a dialog class's table: a control's notification and its handler.
template <class D>
struct CommandEntry {
  int controlId;
  int notification;
  void (D::*handler)();
};

// A window message and its handler. The entry decodes the message's
// parameters once, so that a handler takes what the message means; a
// handler's nullopt asks for the default handling.
template <class D>
struct MessageEntry {
  UINT message;
  std::optional<LRESULT> (*dispatch)(D&, WPARAM, LPARAM);
};

template <class>
struct HandlerClass;
template <class D, class R, class... Args>
struct HandlerClass<R (D::*)(Args...)> {
  using type = D;
};

// A message whose parameters carry nothing the handler needs (WM_PAINT,
// WM_DESTROY, WM_QUERYDRAGICON).
template <auto Handler>
constexpr auto MapMessage(UINT message) {
  using D = typename HandlerClass<decltype(Handler)>::type;
  return MessageEntry<D>{message, [](D& dialog, WPARAM, LPARAM) { return (dialog.*Handler)(); }};
}

// WM_SYSCOMMAND: the command, without the four low bits the system uses itself.
template <auto Handler>
constexpr auto MapSysCommand() {
  using D = typename HandlerClass<decltype(Handler)>::type;
  return MessageEntry<D>{WM_SYSCOMMAND, [](D& dialog, WPARAM command, LPARAM) {
                           return (dialog.*Handler)(static_cast<UINT>(command & 0xFFF0));
                         }};
}

template <class D>
struct MessageMap {
  std::span<const CommandEntry<D>> commands;
  std::span<const MessageEntry<D>> messages;
};

// Base of every dialog class with a table: D declares
//   static const MessageMap<D>& GetMessageMap();
// and befriends MappedDialog<D>.
template <class D>
class MappedDialog : public Dialog {
 protected:
  using Dialog::Dialog;

  bool OnCommand(int controlId, int notification) override {
    for (const auto& entry : D::GetMessageMap().commands) {
      if (entry.controlId == controlId && entry.notification == notification) {
        (static_cast<D*>(this)->*entry.handler)();
        return true;
      }
    }
    return false;
  }

  std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    for (const auto& entry : D::GetMessageMap().messages) {
      if (entry.message == message) return entry.dispatch(*static_cast<D*>(this), wParam, lParam);
    }
    return std::nullopt;
  }
};
