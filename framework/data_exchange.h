// Moving values between dialog controls and members, with the checks and the
// framework's English messages. A failed check shows its message, and
// Dialog::UpdateData puts the focus back into the control with its text selected.
#pragma once
#include "framework/win32.h"

#include <cstdint>
#include <string>

struct DataExchangeFailed {};

class DataExchange {
 public:
  DataExchange(HWND dialog, bool saveAndValidate) : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

  bool Saving() const { return m_bSaveAndValidate; }
  HWND Dialog() const { return m_dialog; }
  HWND PrepareControl(int controlId);
  HWND PrepareEdit(int controlId);
  HWND LastControl() const { return m_lastControl; }
  [[noreturn]] void Fail(const std::wstring& message);
  void FocusFailedControl() const;

 private:
  HWND m_dialog;
  bool m_bSaveAndValidate;
  HWND m_lastControl = nullptr;
  bool m_lastWasEdit = false;
};

void DDX_Text(DataExchange& exchange, int controlId, std::wstring& value);
void DDX_Text(DataExchange& exchange, int controlId, std::uint32_t& value);
// The radio group that starts at firstControlId: the index of the checked
// button, -1 when none is checked.
void DDX_Radio(DataExchange& exchange, int firstControlId, int& value);
void DDX_Check(DataExchange& exchange, int controlId, BOOL& value);

void DDV_MaxChars(DataExchange& exchange, const std::wstring& value, std::size_t maxChars);
void DDV_MinMaxUInt(DataExchange& exchange, std::uint32_t value, std::uint32_t minValue,
                    std::uint32_t maxValue);
