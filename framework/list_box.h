// Reading list boxes, and keeping one from drawing while it is refilled.
#pragma once
#include "framework/win32.h"

#include <string>
#include <vector>

int ListBoxCount(HWND list);
std::string ListBoxText(HWND list, int index);
// The positions of all selected entries of a multiple-selection list, top first.
std::vector<int> SelectedPositions(HWND list);

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
