#include "framework/list_box.h"

#include "framework/ansi_text.h"

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
  // A name the code page lacks reads with "?" in its place, which opens no
  // file, instead of as a look-alike that is another file.
  return ToAnsiText(std::wstring_view(wide.data(), static_cast<std::size_t>(copied))).text;
}

std::vector<int> SelectedPositions(HWND list) {
  const LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  if (count == LB_ERR || count <= 0) return {};
  std::vector<int> positions(static_cast<std::size_t>(count));
  const LRESULT read =
      SendMessageA(list, LB_GETSELITEMS, positions.size(), reinterpret_cast<LPARAM>(positions.data()));
  positions.resize(read == LB_ERR ? 0 : static_cast<std::size_t>(read));
  return positions;
}

ListRedrawPause::ListRedrawPause(HWND list) : m_list(list) { SendMessageA(m_list, WM_SETREDRAW, FALSE, 0); }

ListRedrawPause::~ListRedrawPause() {
  SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_list, nullptr, TRUE);
}
