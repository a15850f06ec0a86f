#include "framework/list_box.h"

#include <algorithm>

int ListBoxCount(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::wstring ListBoxText(HWND list, int index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  if (copied == LB_ERR || copied <= 0) return {};
  text.resize(std::min(static_cast<std::size_t>(copied), static_cast<std::size_t>(length)));
  return text;
}

std::vector<int> SelectedPositions(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
  if (count == LB_ERR || count <= 0) return {};
  std::vector<int> positions(static_cast<std::size_t>(count));
  const LRESULT read =
      SendMessageW(list, LB_GETSELITEMS, positions.size(), reinterpret_cast<LPARAM>(positions.data()));
  positions.resize(read == LB_ERR ? 0 : static_cast<std::size_t>(read));
  return positions;
}

int ListBoxAdd(HWND list, std::wstring_view text) {
  const std::wstring entry(text);
  const LRESULT position = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  return position < 0 ? -1 : static_cast<int>(position);
}

bool DirectoryList(HWND dialog, std::wstring& pathSpec, int listId, int pathStaticId, UINT type) {
  // The listing writes the wildcard back into the buffer, which must hold a
  // whole path.
  std::vector<wchar_t> buffer(std::max<std::size_t>(MAX_PATH + 1, pathSpec.size() + 1), L'\0');
  std::ranges::copy(pathSpec, buffer.begin());
  const bool listed = DlgDirListW(dialog, buffer.data(), listId, pathStaticId, type) != 0;
  pathSpec = buffer.data();
  return listed;
}

ListRedrawPause::ListRedrawPause(HWND list) : m_list(list) { SendMessageW(m_list, WM_SETREDRAW, FALSE, 0); }

ListRedrawPause::~ListRedrawPause() {
  SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_list, nullptr, TRUE);
}
