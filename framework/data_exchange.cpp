#include "framework/data_exchange.h"

#include "framework/application.h"
#include "framework/parse_number.h"
#include "framework/window_text.h"

#include <iterator>

namespace {

std::wstring ReplacePlaceholder(std::wstring text, std::wstring_view placeholder, const std::wstring& value) {
  const auto at = text.find(placeholder);
  if (at != std::wstring::npos) text.replace(at, placeholder.size(), value);
  return text;
}

bool IsRadioButton(HWND control) {
  wchar_t className[16] = {};
  GetClassNameW(control, className, static_cast<int>(std::size(className)));
  if (lstrcmpiW(className, L"Button") != 0) return false;
  const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace

HWND DataExchange::PrepareControl(int controlId) {
  m_lastControl = GetDlgItem(m_dialog, controlId);
  m_lastWasEdit = false;
  return m_lastControl;
}

HWND DataExchange::PrepareEdit(int controlId) {
  PrepareControl(controlId);
  m_lastWasEdit = true;
  return m_lastControl;
}

void DataExchange::Fail(const std::wstring& message) {
  ShowMessageBox(m_dialog, message, ApplicationName(), MB_OK | MB_ICONEXCLAMATION);
  throw DataExchangeFailed{};
}

void DataExchange::FocusFailedControl() const {
  if (!m_lastControl) return;
  SetFocus(m_lastControl);
  if (m_lastWasEdit) SendMessageW(m_lastControl, EM_SETSEL, 0, -1);
}

void DDX_Text(DataExchange& exchange, int controlId, std::wstring& value) {
  HWND control = exchange.PrepareEdit(controlId);
  if (exchange.Saving()) {
    value = ReadWindowText(control);
  } else {
    WriteWindowText(control, value);
  }
}

void DDX_Text(DataExchange& exchange, int controlId, std::uint32_t& value) {
  HWND control = exchange.PrepareEdit(controlId);
  if (exchange.Saving()) {
    const std::optional<std::uint32_t> parsed = ParseUnsignedField(ReadWindowText(control));
    if (!parsed) exchange.Fail(L"Please enter a positive integer.");
    value = *parsed;
  } else {
    WriteWindowText(control, std::to_wstring(value));
  }
}

void DDX_Radio(DataExchange& exchange, int firstControlId, int& value) {
  HWND control = exchange.PrepareControl(firstControlId);
  if (exchange.Saving()) value = -1;
  int index = 0;
  for (HWND button = control; button; button = GetWindow(button, GW_HWNDNEXT)) {
    if (button != control && (GetWindowLongPtrW(button, GWL_STYLE) & WS_GROUP)) break;
    if (!IsRadioButton(button)) continue;
    if (exchange.Saving()) {
      if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

void DDX_Check(DataExchange& exchange, int controlId, BOOL& value) {
  HWND control = exchange.PrepareControl(controlId);
  if (exchange.Saving()) {
    value = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  } else {
    SendMessageW(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

// Counts UTF-16 units, as the edit control's own limit does.
void DDV_MaxChars(DataExchange& exchange, const std::wstring& value, std::size_t maxChars) {
  if (exchange.Saving()) {
    if (value.size() > maxChars)
      exchange.Fail(
          ReplacePlaceholder(L"Please enter no more than %1 characters.", L"%1", std::to_wstring(maxChars)));
  } else if (HWND edit = exchange.LastControl()) {
    // Loading the dialog also caps what the user can type into the edit.
    SendMessageW(edit, EM_LIMITTEXT, maxChars, 0);
  }
}

void DDV_MinMaxUInt(DataExchange& exchange, std::uint32_t value, std::uint32_t minValue,
                    std::uint32_t maxValue) {
  if (!exchange.Saving()) return;
  if (value < minValue || value > maxValue) {
    std::wstring text =
        ReplacePlaceholder(L"Please enter an integer between %1 and %2.", L"%1", std::to_wstring(minValue));
    exchange.Fail(ReplacePlaceholder(std::move(text), L"%2", std::to_wstring(maxValue)));
  }
}
