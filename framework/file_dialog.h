// The common open and save dialogs.
//
// The process's current directory: the main window makes the folder it lists
// the current directory, where these dialogs start. They never leave it moved:
// whatever the user browsed to, it is put back when the dialog closes, and
// callers that need the chosen folder take it from GetPathName().
#pragma once
#include "framework/win32.h"

#include <string>
#include <string_view>

class FileDialog {
 public:
  // filter: pairs of description and pattern separated by "|", ended by "||";
  // a lone pattern ("*.Backup") serves as its own description.
  FileDialog(bool openFileDialog, std::wstring_view defaultExtension, std::wstring_view initialFileName,
             DWORD flags, std::wstring_view filter, HWND owner);

  std::wstring m_strTitle;             // empty: the platform's default title
  std::wstring m_strInitialDirectory;  // empty: the current directory, named to the platform

  INT_PTR DoModal();  // IDOK or IDCANCEL
  const std::wstring& GetPathName() const { return m_strPathName; }
  std::wstring GetFolderPath() const;  // the chosen path without its last component

 private:
  bool m_bOpenFileDialog;
  std::wstring m_strDefaultExtension;
  std::wstring m_strInitialFileName;
  DWORD m_dwFlags;
  std::wstring m_strFilter;  // NUL-separated, as the platform wants it
  HWND m_hOwner;
  std::wstring m_strPathName;
};

// "a|b|c|d||" → "a\0b\0c\0d\0\0"
std::wstring PlatformFilterFrom(std::wstring_view filter);
