#include "framework/ansi_text.h"

namespace {

constexpr DWORD kNoBestFit = WC_NO_BEST_FIT_CHARS;

bool MapsExactly(std::wstring_view character) {
  BOOL usedDefault = FALSE;
  char bytes[8];
  const int written = WideCharToMultiByte(CP_ACP, kNoBestFit, character.data(), static_cast<int>(character.size()),
                                          bytes, sizeof bytes, nullptr, &usedDefault);
  return written > 0 && !usedDefault;
}

// The first character (a surrogate pair counts as one) that the code page lacks.
std::wstring FirstUnmappable(std::wstring_view wide) {
  for (std::size_t at = 0; at < wide.size();) {
    const bool pair = IS_HIGH_SURROGATE(wide[at]) && at + 1 < wide.size() && IS_LOW_SURROGATE(wide[at + 1]);
    const std::wstring_view character = wide.substr(at, pair ? 2 : 1);
    if (!MapsExactly(character)) return std::wstring(character);
    at += character.size();
  }
  return {};
}

}  // namespace

AnsiText ToAnsiText(std::wstring_view wide) {
  AnsiText result;
  if (wide.empty()) return result;
  const int size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int bytes = WideCharToMultiByte(CP_ACP, kNoBestFit, wide.data(), size, nullptr, 0, nullptr, &usedDefault);
  if (bytes <= 0) {
    result.unmappable = FirstUnmappable(wide);
    return result;
  }
  result.text.assign(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, kNoBestFit, wide.data(), size, result.text.data(), bytes, nullptr, &usedDefault);
  if (usedDefault) result.unmappable = FirstUnmappable(wide);
  return result;
}

AnsiText ReadWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, wide.data(), length + 1);
  wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return ToAnsiText(wide);
}
