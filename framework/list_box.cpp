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

void ListBoxFill(HWND list, std::vector<std::wstring> entries) {
  const ListRedrawPause pause(list);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  std::size_t characters = 0;
  for (const std::wstring& entry : entries) characters += entry.size() + 1;
  SendMessageW(list, LB_INITSTORAGE, entries.size(), characters * sizeof(wchar_t));
  // In the list's own order already, each entry is added at the end: a
  // sorted list then never moves the entries it holds.
  std::ranges::sort(entries, [](const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                          b.c_str(), static_cast<int>(b.size())) == CSTR_LESS_THAN;
  });
  for (const std::wstring& entry : entries) ListBoxAdd(list, entry);
}

int ListBoxSelectedCount(HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::optional<int> ListBoxCurrent(HWND list) {
  const LRESULT current = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (current == LB_ERR) return std::nullopt;
  return static_cast<int>(current);
}

void ListBoxSetCurrent(HWND list, int position) { SendMessageW(list, LB_SETCURSEL, position, 0); }

std::optional<int> ListBoxCaret(HWND list) {
  const LRESULT caret = SendMessageW(list, LB_GETCARETINDEX, 0, 0);
  if (caret == LB_ERR) return std::nullopt;
  return static_cast<int>(caret);
}

void ListBoxSelect(HWND list, int position, bool selected) {
  SendMessageW(list, LB_SETSEL, selected ? TRUE : FALSE, position);
}

void ListBoxSelectAll(HWND list, bool selected) {
  const int count = ListBoxCount(list);
  if (selected && count > 0) {
    SendMessageW(list, LB_SELITEMRANGEEX, 0, count - 1);
  } else if (!selected) {
    SendMessageW(list, LB_SETSEL, FALSE, -1);
  }
}

void ListBoxSetData(HWND list, int position, LPARAM data) {
  SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(position), data);
}

LPARAM ListBoxData(HWND list, int position) {
  return static_cast<LPARAM>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(position), 0));
}

ListRedrawPause::ListRedrawPause(HWND list) : m_list(list) { SendMessageW(m_list, WM_SETREDRAW, FALSE, 0); }

ListRedrawPause::~ListRedrawPause() {
  SendMessageW(m_list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_list, nullptr, TRUE);
}
