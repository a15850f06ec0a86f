#include "framework/list_box.h"

int ListBoxCount(HWND list) {
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string ListBoxText(HWND list, int index) {
  // Read as UTF-16 and converted here: Wine copies an ANSI request through a
  // fixed buffer of 512 characters, and overruns it for a longer entry.
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
  if (copied == LB_ERR || copied <= 0) return {};
  // Without best-fit, a letter the code page lacks becomes "?" instead of a
  // look-alike ("\u0101.txt" would read "a.txt"), so a command can never act
  // on another file than the listed one: a name with "?" opens nothing.
  const int size = static_cast<int>(copied);
  constexpr DWORD kFlags = WC_NO_BEST_FIT_CHARS;
  const int bytes = WideCharToMultiByte(CP_ACP, kFlags, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) WideCharToMultiByte(CP_ACP, kFlags, wide.data(), size, text.data(), bytes, nullptr, nullptr);
  return text;
}

ListRedrawPause::ListRedrawPause(HWND list) : m_list(list) { SendMessageA(m_list, WM_SETREDRAW, FALSE, 0); }

ListRedrawPause::~ListRedrawPause() {
  SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_list, nullptr, TRUE);
}
