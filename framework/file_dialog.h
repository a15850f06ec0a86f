// The common open and save dialogs.
//
// The process's current directory: the main window lists its folder by making
// it the current directory, and commands name listed files by their bare
// names. These dialogs therefore never leave the current directory moved:
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
  FileDialog(bool openFileDialog, std::string_view defaultExtension, std::string_view initialFileName,
             DWORD flags, std::string_view filter, HWND owner);

  std::string m_strTitle;             // empty: the platform's default title
  std::string m_strInitialDirectory;  // empty: the current directory, named to the platform

  INT_PTR DoModal();  // IDOK or IDCANCEL
  const std::string& GetPathName() const { return m_strPathName; }
  std::string GetFolderPath() const;  // the chosen path without its last component

 private:
  bool m_bOpenFileDialog;
  std::string m_strDefaultExtension;
  std::string m_strInitialFileName;
  DWORD m_dwFlags;
  std::string m_strFilter;  // NUL-separated, as the platform wants it
  HWND m_hOwner;
  std::string m_strPathName;
};

// "a|b|c|d||" → "a\0b\0c\0d\0\0"
std::string PlatformFilterFrom(std::string_view filter);
