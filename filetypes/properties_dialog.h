// A listed file's attributes, times and size, and the application and icon
// registered for its extension, which the Change buttons replace.
#pragma once
#include "app/language_id.h"
#include "framework/dialog.h"

#include <string>

class PropertiesDialog : public MappedDialog<PropertiesDialog> {
 public:
  PropertiesDialog();
  static int TemplateIdFor(LanguageId language);

  BOOL m_bApplicationChanged = FALSE;
  BOOL m_bIconChanged = FALSE;
  int m_nIconCount = 1;
  std::wstring m_strLastAccessed;  // the last-write time
  BOOL m_bArchive = FALSE;
  std::wstring m_strCreated;
  std::wstring m_strFileName;
  BOOL m_bHidden = FALSE;
  std::wstring m_strLastRead;  // the last-access time
  BOOL m_bReadOnly = FALSE;
  BOOL m_bSystem = FALSE;
  std::wstring m_strSize;
  std::wstring m_strApplication;
  int m_nIconIndex = 0;
  std::wstring m_strIconFile;

  // Keeps the icon drawing from running inside itself while its message box is up.
  static inline int s_nIconDrawDepth = 0;

  void DrawIconArea(HDC dc);

 protected:
  void DoDataExchange(DataExchange& exchange) override;

 private:
  friend class MappedDialog<PropertiesDialog>;
  static const MessageMap<PropertiesDialog>& GetMessageMap();

  void OnChangeApplication();
  void OnNextIcon();
  void OnPreviousIcon();
  void OnChangeIconFile();
  std::optional<LRESULT> OnPaint();
  void RedrawIconArea();
};
