#include "framework/list_box.h"

#include <algorithm>

namespace {

// The order of a sorted list box: CompareStringW by the user's locale,
// ignoring case, which its sort keys give by plain byte order.
std::vector<std::wstring> InListOrder(std::vector<std::wstring> entries) {
  struct Keyed {
    std::string key;
    std::size_t index;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(entries.size());
  for (std::size_t index = 0; index < entries.size(); ++index) {
    const std::wstring& entry = entries[index];
    const int length = static_cast<int>(entry.size());
    const int size =
        LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, entry.c_str(), length, nullptr, 0);
    std::string key(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0)
      LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, entry.c_str(), length,
                   reinterpret_cast<wchar_t*>(key.data()), size);
    keyed.push_back({std::move(key), index});
  }
  std::ranges::stable_sort(keyed, [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  std::vector<std::wstring> ordered;
  ordered.reserve(entries.size());
  for (const Keyed& entry : keyed) ordered.push_back(std::move(entries[entry.index]));
  return ordered;
}

}  // namespace

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
  const int count = ListBoxSelectedCount(list);
  if (count <= 0) return {};
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
  // A sorted list compares each added entry with those it holds, by the
  // user's locale and ignoring case: tens of thousands of entries cost
  // seconds so. Sorted here by the same rule, through one sort key per entry,
  // they go in at the end in that order, and the list compares nothing.
  const bool sorted = (GetWindowLongPtrW(list, GWL_STYLE) & LBS_SORT) != 0;
  if (sorted) entries = InListOrder(std::move(entries));
  for (const std::wstring& entry : entries) {
    SendMessageW(list, sorted ? LB_INSERTSTRING : LB_ADDSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(entry.c_str()));
  }
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
