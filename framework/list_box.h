// List boxes: reading and filling them, and the platform's directory listing
// into them. Entries are UTF-16, so a name shows as the disk holds it.
#pragma once
#include "framework/win32.h"

#include <string>
#include <string_view>
#include <vector>

int ListBoxCount(HWND list);
std::wstring ListBoxText(HWND list, int index);
// The positions of all selected entries of a multiple-selection list, top first.
std::vector<int> SelectedPositions(HWND list);
// Adds an entry (sorted where the list sorts); its position, or -1.
int ListBoxAdd(HWND list, std::wstring_view text);

// DlgDirListW: fills the list `listId` of `dialog` with what `pathSpec` names
// (a folder and a wildcard, or a wildcard alone) and `type` selects (DDL_*),
// shows the folder in `pathStaticId` (0: nowhere) and makes it the current
// directory. On success `pathSpec` is left holding the wildcard alone; in
// any case it holds what the listing left in its buffer.
bool DirectoryList(HWND dialog, std::wstring& pathSpec, int listId, int pathStaticId, UINT type);

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
