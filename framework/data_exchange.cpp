#include "framework/data_exchange.h"

#include "framework/ansi_text.h"
#include "framework/application.h"
#include "framework/framework_messages.h"
#include "framework/parse_number.h"

namespace {

std::string ReplacePlaceholder(std::string text, std::string_view placeholder, const std::string& value) {
  const auto at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), value);
  return text;
}

std::wstring Widened(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), length);
  return wide;
}

bool IsRadioButton(HWND control) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  if (lstrcmpiA(className, "Button") != 0) return false;
  const LONG_PTR type = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
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

void DataExchange::Fail(const std::string& message) { Fail(Widened(message)); }

void DataExchange::Fail(const std::wstring& message) {
  MessageBoxW(m_dialog, message.c_str(), Widened(ApplicationName()).c_str(), MB_OK | MB_ICONEXCLAMATION);
  throw DataExchangeFailed{};
}

void DataExchange::FocusFailedControl() const {
  if (!m_lastControl) return;
  SetFocus(m_lastControl);
  if (m_lastWasEdit) SendMessageA(m_lastControl, EM_SETSEL, 0, -1);
}

void DDX_Text(DataExchange& exchange, int controlId, std::string& value) {
  HWND control = exchange.PrepareEdit(controlId);
  if (exchange.Saving()) {
    AnsiText text = ReadWindowText(control);
    // Read with a look-alike in its place, the character would name another
    // file than the one the user typed.
    if (!text.IsExact()) exchange.Fail(UnmappableCharacterText(text.unmappable, GetACP()));
    value = std::move(text.text);
  } else {
    SetWindowTextA(control, value.c_str());
  }
}

void DDX_Text(DataExchange& exchange, int controlId, std::uint32_t& value) {
  HWND control = exchange.PrepareEdit(controlId);
  if (exchange.Saving()) {
    const std::optional<std::uint32_t> parsed = ParseUnsignedField(ReadWindowText(control).text);
    if (!parsed) exchange.Fail("Please enter a positive integer.");
    value = *parsed;
  } else {
    SetWindowTextA(control, std::to_string(value).c_str());
  }
}

void DDX_Radio(DataExchange& exchange, int firstControlId, int& value) {
  HWND control = exchange.PrepareControl(firstControlId);
  if (exchange.Saving()) value = -1;
  int index = 0;
  for (HWND button = control; button; button = GetWindow(button, GW_HWNDNEXT)) {
    if (button != control && (GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP)) break;
    if (!IsRadioButton(button)) continue;
    if (exchange.Saving()) {
      if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

void DDX_Check(DataExchange& exchange, int controlId, BOOL& value) {
  HWND control = exchange.PrepareControl(controlId);
  if (exchange.Saving()) {
    value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  } else {
    SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void DDV_MaxChars(DataExchange& exchange, const std::string& value, std::size_t maxChars) {
  if (exchange.Saving()) {
    if (value.size() > maxChars)
      exchange.Fail(
          ReplacePlaceholder("Please enter no more than %1 characters.", "%1", std::to_string(maxChars)));
  } else if (HWND edit = exchange.LastControl()) {
    // Loading the dialog also caps what the user can type into the edit.
    SendMessageA(edit, EM_LIMITTEXT, maxChars, 0);
  }
}

void DDV_MinMaxUInt(DataExchange& exchange, std::uint32_t value, std::uint32_t minValue,
                    std::uint32_t maxValue) {
  if (!exchange.Saving()) return;
  if (value < minValue || value > maxValue) {
    std::string text =
        ReplacePlaceholder("Please enter an integer between %1 and %2.", "%1", std::to_string(minValue));
    exchange.Fail(ReplacePlaceholder(std::move(text), "%2", std::to_string(maxValue)));
  }
}
