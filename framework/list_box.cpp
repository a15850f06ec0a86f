#include "framework/list_box.h"

int ListBoxCount(HWND list) {
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string ListBoxText(HWND list, int index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

ListRedrawPause::ListRedrawPause(HWND list) : m_list(list) { SendMessageA(m_list, WM_SETREDRAW, FALSE, 0); }

ListRedrawPause::~ListRedrawPause() {
  SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_list, nullptr, TRUE);
}
