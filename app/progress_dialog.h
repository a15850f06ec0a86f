// The modeless window that long operations show over their disabled owner:
// caption, status line, bar with percentage, and a Cancel button whose press
// is only recorded for the operation to poll.
#pragma once
#include "app/language_id.h"
#include "framework/dialog.h"

#include <string>
#include <string_view>

class ProgressDialog : public Dialog {
 public:
  ProgressDialog();
  ~ProgressDialog() override;
  static int TemplateIdFor(LanguageId language);

  std::wstring m_strTitle;  // set before ShowOver
  BOOL m_bCancelPressed = FALSE;
  BOOL m_bOwnerDisabled = FALSE;

  // Disables the owner and creates the window; FALSE (owner enabled again)
  // when the window cannot be made.
  BOOL ShowOver(HWND owner);
  void SetStatusText(std::wstring_view text);
  // Dispatches waiting messages, moves the bar; returns its previous position.
  // How often to call this and SetStatusText is PacedProgress's to decide.
  int SetPercent(int position);
  // Dispatches waiting messages; reports a Cancel press once.
  BOOL TakeCancelRequest();
  // Enables the owner again, then destroys the window.
  void DestroyWindow() override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override { m_bCancelPressed = TRUE; }

 private:
  void DispatchPending();
  void ShowPercentText(int position);
  void ReenableOwner();

  HWND m_hOwner = nullptr;
  HWND m_hBar = nullptr;  // the bar, control 1003
  HWND m_hPercentText = nullptr;
  HWND m_hStatusText = nullptr;
};
