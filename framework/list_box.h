// List boxes: every message the program sends them. Entries are UTF-16, so
// a name shows as the disk holds it.
#pragma once
#include "framework/win32.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

int ListBoxCount(HWND list);
std::wstring ListBoxText(HWND list, int index);
// The positions of all selected entries of a multiple-selection list, top first.
std::vector<int> SelectedPositions(HWND list);
// Adds an entry (sorted where the list sorts); its position, or -1.
int ListBoxAdd(HWND list, std::wstring_view text);

// Replaces the entries by `entries`, drawn once when all are in. A sorted
// list sorts them by its own rule, as the platform's listing fills it.
void ListBoxFill(HWND list, std::vector<std::wstring> entries);

// Selection, by the list's positions (0 the top).
int ListBoxSelectedCount(HWND list);
std::optional<int> ListBoxCurrent(HWND list);  // of a single-selection list
void ListBoxSetCurrent(HWND list, int position);
std::optional<int> ListBoxCaret(HWND list);  // the focused entry of a multiple-selection list
void ListBoxSelect(HWND list, int position, bool selected);
void ListBoxSelectAll(HWND list, bool selected);

// A number kept with an entry.
void ListBoxSetData(HWND list, int position, LPARAM data);
LPARAM ListBoxData(HWND list, int position);

// Drawing after every added entry makes a refill of thousands of files slow:
// the list draws once, when the pause ends.
class ListRedrawPause {
 public:
  explicit ListRedrawPause(HWND list);
  ~ListRedrawPause();
  ListRedrawPause(const ListRedrawPause&) = delete;
  ListRedrawPause& operator=(const ListRedrawPause&) = delete;

 private:
  HWND m_list;
};
