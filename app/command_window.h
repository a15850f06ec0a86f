// What a command started from the main window may use of it: the listed
// files and their selection, the folder they are in, the owner of its boxes,
// and the refills after it. A command knows nothing else of the window, so
// it can be read, and driven, against this alone.
#pragma once
#include "framework/file_exception.h"
#include "framework/win32.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CommandWindow {
 public:
  // The window the command's dialogs and message boxes belong to.
  virtual HWND OwnerWindow() const = 0;
  virtual int MessageBox(std::wstring_view text, std::wstring_view caption, UINT style) const = 0;
  // The standard message for a failed file operation.
  virtual void ShowFileError(std::wstring_view name, const FileException& error,
                             const wchar_t* caption) const = 0;

  // The file list, in its order: bare names of files in ListedFolder().
  virtual int ListedFileCount() const = 0;
  virtual std::wstring ListedFileName(int position) const = 0;
  virtual std::vector<int> SelectedFilePositions() const = 0;
  // The entry with the focus: after a double-click, the clicked one.
  virtual std::optional<int> FocusedFilePosition() const = 0;

  // The folder whose files the list holds, ending in a backslash: a command
  // reaches each listed file by this folder and its name, never through the
  // process's current directory.
  virtual std::wstring ListedFolder() const = 0;
  // The pattern field as typed, and the pattern the last listing applied.
  virtual std::wstring TypedPattern() const = 0;
  virtual std::wstring ListedPattern() const = 0;

  // After a command: the lists read again from the pattern field, or the
  // last listing repeated; and the buttons that act on a selection.
  virtual void Refresh() = 0;
  virtual void FillLists() = 0;
  virtual void EnableSelectionCommands(bool enable) = 0;

 protected:
  ~CommandWindow() = default;
};
