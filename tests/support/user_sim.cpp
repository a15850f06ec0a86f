#include "user_sim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <thread>
#include <utility>
#include <variant>

namespace usersim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr Milliseconds kPollInterval{20};

// Wine's message box names its text static 0xFFFF and its icon 1088;
// Windows uses 0xFFFF and 20.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr std::array kMessageBoxIconIds{1088, 20};
// The file-name box: cmb13 in Explorer-style dialogs, edt1 in the old style.
constexpr std::array kFileNameBoxIds{1148, 1152};

std::string ClassName(HWND window) {
  std::array<char, 256> name{};
  const int length = GetClassNameA(window, name.data(), static_cast<int>(name.size()));
  return std::string(name.data(), length > 0 ? length : 0);
}

// Texts travel between processes as UTF-16 (Wine does not convert every
// message's text for an ANSI caller in another process); the tests compare
// them in the ANSI code page, as the program's own A calls see them.
std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  // No look-alikes: a letter the code page lacks reads "?", as the program reads it.
  const int bytes =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string text(bytes, '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, text.data(), bytes, nullptr,
                      nullptr);
  return text;
}

// Reads the text the system keeps for the window without sending it a
// message, so that a busy or hung window cannot block the reader.
std::wstring StoredWideWindowText(HWND window) {
  std::array<wchar_t, 1024> wide{};
  const int length = InternalGetWindowText(window, wide.data(), static_cast<int>(wide.size()));
  return std::wstring(wide.data(), length > 0 ? length : 0);
}

std::string StoredWindowText(HWND window) { return Narrow(StoredWideWindowText(window)); }

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(context);
        if (search.processId == kAnyProcess || ProcessOf(window) == search.processId)
          search.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM context) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> DirectChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

int ControlId(HWND control) { return static_cast<int>(GetWindowLongPtrA(control, GWLP_ID) & 0xFFFF); }

HWND DescendantWith(HWND parent, int id, std::string_view className) {
  for (HWND child : Descendants(parent)) {
    if (ControlId(child) == (id & 0xFFFF) && ClassName(child) == className) return child;
  }
  return nullptr;
}

bool IsMessageBoxButtonId(int id) { return id >= IDOK && id <= IDCONTINUE; }

bool LooksLikeMessageBox(HWND window) {
  if (ClassName(window) != "#32770") return false;
  bool hasText = false;
  for (HWND child : DirectChildren(window)) {
    const std::string kind = ClassName(child);
    const int id = ControlId(child);
    if (kind == "Static" && id == kMessageBoxTextId) {
      hasText = true;
    } else if (kind == "Static" && std::ranges::find(kMessageBoxIconIds, id) != kMessageBoxIconIds.end()) {
    } else if (kind == "Button" && IsMessageBoxButtonId(id)) {
    } else if (IsWindowVisible(child)) {
      return false;
    }
  }
  return hasText;
}

// Draws the icon on white, for comparing icons whose handles differ.
std::optional<std::vector<std::uint32_t>> IconPixels(HICON icon) {
  constexpr int kSize = 32;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = kSize;
  info.bmiHeader.biHeight = -kSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::optional<std::vector<std::uint32_t>> pixels;
  if (bitmap) {
    HGDIOBJ previous = SelectObject(dc, bitmap);
    auto* first = static_cast<std::uint32_t*>(bits);
    std::fill(first, first + kSize * kSize, 0x00FFFFFFu);
    if (DrawIconEx(dc, 0, 0, icon, kSize, kSize, 0, nullptr, DI_NORMAL)) {
      GdiFlush();
      pixels.emplace(first, first + kSize * kSize);
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(dc);
  return pixels;
}

MessageBoxIcon IdentifyIcon(HICON icon) {
  if (!icon) return MessageBoxIcon::None;
  const std::array<std::pair<LPCSTR, MessageBoxIcon>, 4> standard{{
      {IDI_HAND, MessageBoxIcon::Stop},
      {IDI_QUESTION, MessageBoxIcon::Question},
      {IDI_EXCLAMATION, MessageBoxIcon::Exclamation},
      {IDI_ASTERISK, MessageBoxIcon::Information},
  }};
  for (const auto& [name, kind] : standard) {
    if (LoadIconA(nullptr, name) == icon) return kind;
  }
  // Another process's icon cannot be drawn here; within this process a
  // different handle of the same picture still counts.
  const auto pixels = IconPixels(icon);
  if (!pixels) return MessageBoxIcon::Unknown;
  for (const auto& [name, kind] : standard) {
    if (IconPixels(LoadIconA(nullptr, name)) == pixels) return kind;
  }
  return MessageBoxIcon::Unknown;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

std::string Seconds(Milliseconds duration) {
  return std::to_string(duration.count() / 1000.0).substr(0, 4) + " s";
}

}  // namespace

struct User::Title {
  std::variant<std::string_view, std::wstring_view> text;

  bool Empty() const {
    return std::visit([](auto title) { return title.empty(); }, text);
  }
  bool Matches(HWND window) const {
    if (const auto* narrow = std::get_if<std::string_view>(&text)) return StoredWindowText(window) == *narrow;
    return StoredWideWindowText(window) == std::get<std::wstring_view>(text);
  }
  std::string Shown() const {
    if (const auto* narrow = std::get_if<std::string_view>(&text)) return std::string(*narrow);
    return Narrow(std::get<std::wstring_view>(text));
  }
};

std::ostream& operator<<(std::ostream& out, MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::None:
      return out << "no icon";
    case MessageBoxIcon::Stop:
      return out << "stop icon";
    case MessageBoxIcon::Question:
      return out << "question icon";
    case MessageBoxIcon::Exclamation:
      return out << "exclamation icon";
    case MessageBoxIcon::Information:
      return out << "information icon";
    case MessageBoxIcon::Unknown:
      return out << "unknown icon";
  }
  return out << "icon " << static_cast<int>(icon);
}

std::string DescribeWindows(DWORD processId) {
  std::string description;
  for (HWND window : TopLevelWindowsOf(processId)) {
    const std::string kind = ClassName(window);
    if (kind == "IME" || kind == "Default IME") continue;
    description += "  " + kind + " " + Quoted(StoredWindowText(window));
    description += IsWindowVisible(window) ? " visible" : " hidden";
    if (!IsWindowEnabled(window)) description += " disabled";
    if (IsWindowVisible(window) && LooksLikeMessageBox(window)) {
      for (HWND child : DirectChildren(window)) {
        if (ControlId(child) == kMessageBoxTextId) description += " text " + Quoted(StoredWindowText(child));
      }
    }
    description += "\n";
  }
  return description.empty() ? "  (none)\n" : description;
}

User::User() : User(GetCurrentProcessId()) {}

User::User(DWORD processId, Milliseconds patience) : m_processId(processId), m_patience(patience) {}

void User::GiveUp(const std::string& what) const {
  throw UserGaveUp(what + "\nTop-level windows:\n" + DescribeWindows(m_processId));
}

HWND User::FindMatching(const Title& title, std::string_view className, bool messageBoxOnly) const {
  HWND disabledMatch = nullptr;
  for (HWND window : TopLevelWindowsOf(m_processId)) {
    if (!IsWindowVisible(window)) continue;
    if (!messageBoxOnly || !title.Empty()) {
      if (!title.Matches(window)) continue;
    }
    if (!className.empty() && ClassName(window) != className) continue;
    if (messageBoxOnly && !LooksLikeMessageBox(window)) continue;
    // The window that takes input (the topmost modal one) wins over its
    // disabled owners.
    if (IsWindowEnabled(window)) return window;
    if (!disabledMatch) disabledMatch = window;
  }
  return disabledMatch;
}

HWND User::AwaitMatching(const Title& title, std::string_view className, bool messageBoxOnly) const {
  const auto deadline = Clock::now() + m_patience;
  for (;;) {
    if (HWND window = FindMatching(title, className, messageBoxOnly)) return window;
    if (Clock::now() > deadline) break;
    std::this_thread::sleep_for(kPollInterval);
  }
  std::string what = messageBoxOnly ? "no message box" : "no window";
  if (!title.Empty() || !messageBoxOnly) what += " titled " + Quoted(title.Shown());
  if (!className.empty() && !messageBoxOnly) what += " of class " + std::string(className);
  GiveUp(what + " appeared within " + Seconds(m_patience));
}

HWND User::FindWindowTitled(std::string_view title, std::string_view className) const {
  return FindMatching({title}, className, false);
}

HWND User::WaitForWindow(std::string_view title, std::string_view className) const {
  return AwaitMatching({title}, className, false);
}

HWND User::WaitForWindow(std::wstring_view title, std::string_view className) const {
  return AwaitMatching({title}, className, false);
}

void User::WaitUntilGone(HWND window) const {
  const auto deadline = Clock::now() + m_patience;
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (Clock::now() > deadline)
      GiveUp("the window " + Quoted(StoredWindowText(window)) + " is still there after " +
             Seconds(m_patience));
    std::this_thread::sleep_for(kPollInterval);
  }
}

std::vector<WindowSummary> User::TopLevelWindows() const {
  std::vector<WindowSummary> windows;
  for (HWND window : TopLevelWindowsOf(m_processId)) {
    windows.push_back({window, StoredWindowText(window), ClassName(window), IsWindowVisible(window) != FALSE,
                       IsWindowEnabled(window) != FALSE});
  }
  return windows;
}

LRESULT User::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                           static_cast<UINT>(m_patience.count()), &result)) {
    if (!IsWindow(window)) GiveUp("the window went away while the user was reading it");
    GiveUp("a " + ClassName(window) + " window did not answer within " + Seconds(m_patience));
  }
  return static_cast<LRESULT>(result);
}

void User::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  ++m_unsettled;
  if (!PostMessageA(window, message, wParam, lParam))
    GiveUp("could not post to a " + ClassName(window) + " window (error " + std::to_string(GetLastError()) +
           ")");
}

User::Ending User::WatchEnding(HWND target) const {
  HWND root = GetAncestor(target, GA_ROOT);
  return {root, root ? GetWindow(root, GW_OWNER) : nullptr};
}

void User::Settle(HWND target, const Ending& ending) const {
  Settle(target);
  // When the input closed its window (OK in a dialog, an answer in a message
  // box), the code that opened that window goes on in its owner's thread:
  // wait for that too, so that the next look sees its outcome.
  const bool ended = !IsWindow(ending.window) || !IsWindowVisible(ending.window);
  if (ended && ending.owner && IsWindow(ending.owner)) Settle(ending.owner);
}

void User::Settle(HWND window) const {
  const int unsettled = std::exchange(m_unsettled, 0);
  DWORD processId = 0;
  if (GetWindowThreadProcessId(window, &processId) == GetCurrentThreadId())
    GiveUp("the user must act from another thread than the windows' own (see RunUserScenario)");
  if (processId == GetCurrentProcessId()) {
    switch (m_markers.PostAndAwait(window, m_patience)) {
      case PostedMarkers::Outcome::Taken:
      case PostedMarkers::Outcome::WindowGone:
        return;
      case PostedMarkers::Outcome::TimedOut:
        GiveUp("the window's thread stayed busy for " + Seconds(m_patience));
      case PostedMarkers::Outcome::Unavailable:
        break;
    }
  }
  // Another process: a thread handles sent messages before it looks at
  // posted ones, and takes one posted message per look, so each round trip
  // (mostly) proves one more posted message dispatched.
  for (int round = 0; round < unsettled + 2; ++round) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(m_patience.count()),
                             &ignored)) {
      if (!IsWindow(window)) return;
      GiveUp("the window's thread stayed busy for " + Seconds(m_patience));
    }
    Sleep(1);
  }
}

HWND User::Control(HWND dialog, int id) const {
  if (!IsWindow(dialog)) GiveUp("there is no window to find control " + std::to_string(id) + " in");
  HWND control = GetDlgItem(dialog, id);
  if (!control)
    GiveUp("the window " + Quoted(StoredWindowText(dialog)) + " has no control " + std::to_string(id));
  return control;
}

HWND User::UsableControl(HWND dialog, int id) const {
  HWND control = Control(dialog, id);
  if (!IsWindowVisible(control) || !IsWindowEnabled(control) ||
      !IsWindowEnabled(GetAncestor(control, GA_ROOT)))
    GiveUp("control " + std::to_string(id) + " " + Quoted(StoredWindowText(control)) + " of " +
           Quoted(StoredWindowText(dialog)) + " is disabled or hidden");
  return control;
}

std::wstring User::WideText(HWND window) const {
  const auto length = Send(window, WM_GETTEXTLENGTH);
  std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
  const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

std::string User::Text(HWND window) const { return Narrow(WideText(window)); }

std::string User::Text(HWND dialog, int id) const { return Text(Control(dialog, id)); }

bool User::IsEnabled(HWND dialog, int id) const { return IsWindowEnabled(Control(dialog, id)) != FALSE; }

bool User::IsVisible(HWND dialog, int id) const { return IsWindowVisible(Control(dialog, id)) != FALSE; }

bool User::IsChecked(HWND dialog, int id) const {
  return Send(Control(dialog, id), BM_GETCHECK) == BST_CHECKED;
}

void User::Click(HWND dialog, int id) const { Click(UsableControl(dialog, id)); }

void User::Click(HWND button) const {
  if (!IsWindowVisible(button) || !IsWindowEnabled(button) || !IsWindowEnabled(GetAncestor(button, GA_ROOT)))
    GiveUp("the button " + Quoted(StoredWindowText(button)) + " is disabled or hidden");
  const Ending ending = WatchEnding(button);
  Post(button, BM_CLICK, 0, 0);
  Settle(button, ending);
}

void User::Type(HWND dialog, int id, std::string_view text) const {
  TypeInto(UsableControl(dialog, id), text);
}

void User::SetText(HWND dialog, int id, std::string_view text) const {
  SetTextOf(UsableControl(dialog, id), text);
}

void User::TypeInto(HWND edit, std::string_view text) const {
  for (char character : text) {
    Post(edit, WM_CHAR, static_cast<unsigned char>(character), 1);
    Settle(edit);
  }
}

void User::TypeWide(HWND dialog, int id, std::wstring_view text) const {
  HWND edit = UsableControl(dialog, id);
  for (wchar_t character : text) {
    ++m_unsettled;
    if (!PostMessageW(edit, WM_CHAR, character, 1))
      GiveUp("could not post to an edit (error " + std::to_string(GetLastError()) + ")");
    Settle(edit);
  }
}

void User::SetText(HWND dialog, int id, std::wstring_view text) const {
  HWND edit = UsableControl(dialog, id);
  Post(edit, EM_SETSEL, 0, -1);
  if (text.empty()) {
    Post(edit, WM_CHAR, VK_BACK, 1);
    Settle(edit);
  } else {
    TypeWide(dialog, id, text);
  }
}

void User::SetTextOf(HWND edit, std::string_view text) const {
  Post(edit, EM_SETSEL, 0, -1);
  if (text.empty()) {
    Post(edit, WM_CHAR, VK_BACK, 1);
    Settle(edit);
  } else {
    TypeInto(edit, text);
  }
}

int User::ListCount(HWND dialog, int id) const {
  const auto count = Send(Control(dialog, id), LB_GETCOUNT);
  if (count == LB_ERR) GiveUp("control " + std::to_string(id) + " is no list box");
  return static_cast<int>(count);
}

std::vector<std::wstring> User::WideListItems(HWND dialog, int id) const {
  HWND list = Control(dialog, id);
  std::vector<std::wstring> items;
  const int count = ListCount(dialog, id);
  for (int index = 0; index < count; ++index) {
    const auto length = Send(list, LB_GETTEXTLEN, index);
    std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    const auto copied = Send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
    items.push_back(std::move(text));
  }
  return items;
}

std::vector<std::string> User::ListItems(HWND dialog, int id) const {
  std::vector<std::string> items;
  for (const std::wstring& item : WideListItems(dialog, id)) items.push_back(Narrow(item));
  return items;
}

std::vector<int> User::SelectedIndexes(HWND dialog, int id) const {
  HWND list = Control(dialog, id);
  std::vector<int> selected;
  const int count = ListCount(dialog, id);
  for (int index = 0; index < count; ++index) {
    if (Send(list, LB_GETSEL, index) > 0) selected.push_back(index);
  }
  return selected;
}

std::vector<std::string> User::SelectedItems(HWND dialog, int id) const {
  const auto items = ListItems(dialog, id);
  std::vector<std::string> selected;
  for (int index : SelectedIndexes(dialog, id)) selected.push_back(items.at(index));
  return selected;
}

int User::ListIndexOf(HWND dialog, int id, std::string_view text) const {
  const auto items = ListItems(dialog, id);
  const auto found = std::ranges::find(items, text);
  if (found == items.end())
    GiveUp("the list " + std::to_string(id) + " of " + Quoted(StoredWindowText(dialog)) + " has no item " +
           Quoted(text));
  return static_cast<int>(found - items.begin());
}

int User::ListIndexOf(HWND dialog, int id, std::wstring_view text) const {
  const auto items = WideListItems(dialog, id);
  const auto found = std::ranges::find(items, text);
  if (found == items.end())
    GiveUp("the list " + std::to_string(id) + " of " + Quoted(StoredWindowText(dialog)) + " has no item " +
           Quoted(Narrow(text)));
  return static_cast<int>(found - items.begin());
}

POINT User::ItemCenter(HWND list, int index) const {
  RECT client{};
  GetClientRect(list, &client);
  RECT item{};
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (Send(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
      GiveUp("the list has no item " + std::to_string(index));
    const bool inView = item.top >= client.top && item.bottom <= client.bottom && item.left >= client.left &&
                        item.left < client.right;
    if (inView) break;
    // Scrolled out of view: the user scrolls to it first.
    Send(list, LB_SETTOPINDEX, index);
  }
  return {(item.left + std::min(item.right, client.right)) / 2, (item.top + item.bottom) / 2};
}

void User::ClickListItem(HWND dialog, int id, int index, WPARAM keys) const {
  HWND list = UsableControl(dialog, id);
  const POINT at = ItemCenter(list, index);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  Post(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, where);
  Post(list, WM_LBUTTONUP, keys, where);
  Settle(list);
}

void User::ClickListItem(HWND dialog, int id, std::string_view text, WPARAM keys) const {
  ClickListItem(dialog, id, ListIndexOf(dialog, id, text), keys);
}

void User::ClickListItem(HWND dialog, int id, std::wstring_view text, WPARAM keys) const {
  ClickListItem(dialog, id, ListIndexOf(dialog, id, text), keys);
}

void User::DoubleClickListItem(HWND dialog, int id, int index) const {
  HWND list = UsableControl(dialog, id);
  const POINT at = ItemCenter(list, index);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  Post(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
  Post(list, WM_LBUTTONUP, 0, where);
  Post(list, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
  Post(list, WM_LBUTTONUP, 0, where);
  Settle(list);
}

void User::DoubleClickListItem(HWND dialog, int id, std::string_view text) const {
  DoubleClickListItem(dialog, id, ListIndexOf(dialog, id, text));
}

void User::DoubleClickListItem(HWND dialog, int id, std::wstring_view text) const {
  DoubleClickListItem(dialog, id, ListIndexOf(dialog, id, text));
}

HWND User::FocusedControl(HWND window) const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  HWND focus = info.hwndFocus;
  if (focus && (focus == window || IsChild(window, focus))) return focus;
  return nullptr;
}

void User::PressKey(HWND dialog, UINT virtualKey) const {
  if (!IsWindow(dialog)) GiveUp("there is no window to press a key in");
  HWND focus = FocusedControl(dialog);
  PressKeyOn(focus ? focus : dialog, virtualKey);
}

void User::PressKeyOn(HWND control, UINT virtualKey) const {
  const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  const Ending ending = WatchEnding(control);
  Post(control, WM_KEYDOWN, virtualKey, scanCode | 1);
  // The key-down may have closed the window already (Enter on OK): then the
  // key-up goes nowhere, as a real keyboard's would.
  const LPARAM keyUp = scanCode | 1 | (LPARAM{1} << 30) | (LPARAM{1} << 31);
  if (PostMessageA(control, WM_KEYUP, virtualKey, keyUp))
    ++m_unsettled;
  else if (GetLastError() != ERROR_INVALID_WINDOW_HANDLE)
    GiveUp("could not post a key-up (error " + std::to_string(GetLastError()) + ")");
  Settle(control, ending);
}

void User::SystemMenuCommand(HWND window, UINT command) const {
  if (!IsWindow(window)) GiveUp("there is no window to open the system menu of");
  const Ending ending = WatchEnding(window);
  Post(window, WM_SYSCOMMAND, command, 0);
  Settle(window, ending);
}

MessageBoxInfo User::ReadMessageBox(HWND box) const {
  MessageBoxInfo info;
  info.window = box;
  info.wideTitle = StoredWideWindowText(box);
  info.title = Narrow(info.wideTitle);
  std::vector<std::pair<LONG, int>> buttons;
  for (HWND child : DirectChildren(box)) {
    const std::string kind = ClassName(child);
    const int id = ControlId(child);
    if (kind == "Static" && id == kMessageBoxTextId) {
      info.wideText = WideText(child);
      info.text = Narrow(info.wideText);
    } else if (kind == "Static" && std::ranges::find(kMessageBoxIconIds, id) != kMessageBoxIconIds.end()) {
      info.icon = IdentifyIcon(reinterpret_cast<HICON>(Send(child, STM_GETICON)));
    } else if (kind == "Button" && IsWindowVisible(child)) {
      RECT rect{};
      GetWindowRect(child, &rect);
      buttons.emplace_back(rect.left, id);
    }
  }
  std::ranges::sort(buttons);
  for (const auto& [left, id] : buttons) info.buttons.push_back(id);
  return info;
}

MessageBoxInfo User::WaitForMessageBox() const { return ReadMessageBox(AwaitMatching({}, "#32770", true)); }

MessageBoxInfo User::WaitForMessageBox(std::string_view title) const {
  return ReadMessageBox(AwaitMatching({title}, "#32770", true));
}

MessageBoxInfo User::WaitForMessageBox(std::wstring_view title) const {
  return ReadMessageBox(AwaitMatching({title}, "#32770", true));
}

void User::Answer(const MessageBoxInfo& box, int buttonId) const {
  if (std::ranges::find(box.buttons, buttonId) == box.buttons.end())
    GiveUp("the message box " + Quoted(box.title) + " has no button " + std::to_string(buttonId));
  HWND button = DescendantWith(box.window, buttonId, "Button");
  if (!button) GiveUp("the message box " + Quoted(box.title) + " went away");
  Click(button);
  WaitUntilGone(box.window);
}

MessageBoxInfo User::ExpectMessageBox(std::string_view title, std::string_view text, int answer) const {
  MessageBoxInfo box = WaitForMessageBox(title);
  EXPECT_EQ(box.text, text) << "in the message box " << Quoted(title);
  Answer(box, answer);
  return box;
}

void User::AnswerQuestion(std::string_view title, std::string_view text, int answer) const {
  const MessageBoxInfo box = WaitForMessageBox(title);
  EXPECT_EQ(box.text, text) << "in the message box " << Quoted(title);
  EXPECT_EQ(box.icon, MessageBoxIcon::Question) << "in the message box " << Quoted(title);
  EXPECT_THAT(box.buttons, testing::ElementsAre(IDYES, IDNO)) << "in the message box " << Quoted(title);
  Answer(box, answer);
}

HWND User::FileNameBox(HWND dialog) const {
  if (!IsWindow(dialog)) GiveUp("there is no file dialog");
  for (int id : kFileNameBoxIds) {
    if (HWND edit = DescendantWith(dialog, id, "Edit")) return edit;
  }
  GiveUp("the dialog " + Quoted(StoredWindowText(dialog)) + " has no file-name box");
}

void User::EnterFileName(HWND dialog, std::string_view path) const {
  HWND edit = FileNameBox(dialog);
  SetTextOf(edit, path);
  ClickOk(dialog);
}

void User::ChooseFile(std::string_view title, std::string_view path) const {
  EnterFileName(WaitForDialog(title), path);
}

void User::ClickOk(HWND dialog) const {
  // Not GetDlgItem: the file dialog's toolbar shares the id of its OK button.
  HWND button = IsWindow(dialog) ? DescendantWith(dialog, IDOK, "Button") : nullptr;
  if (!button) GiveUp("the window " + Quoted(StoredWindowText(dialog)) + " has no OK button");
  Click(button);
}

void User::ClickCancel(HWND dialog) const {
  HWND button = IsWindow(dialog) ? DescendantWith(dialog, IDCANCEL, "Button") : nullptr;
  if (!button) GiveUp("the window " + Quoted(StoredWindowText(dialog)) + " has no Cancel button");
  Click(button);
}

}  // namespace usersim
