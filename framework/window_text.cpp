#include "framework/window_text.h"

std::wstring ReadWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void WriteWindowText(HWND window, std::wstring_view text) {
  SetWindowTextW(window, std::wstring(text).c_str());
}

int ShowMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, UINT style) {
  return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(caption).c_str(), style);
}

void AppendMenuText(HMENU menu, UINT commandId, std::wstring_view text) {
  AppendMenuW(menu, MF_STRING, commandId, std::wstring(text).c_str());
}

void AppendMenuSeparator(HMENU menu) { AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }

HICON LoadProgramIcon(int resourceId) {
  return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId));
}
