#include "filetypes/icon_value.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

bool IsCSpace(wchar_t ch) {
  return ch == L' ' || ch == L'\t' || ch == L'\n' || ch == L'\v' || ch == L'\f' || ch == L'\r';
}

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

std::int32_t LeadingInteger(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';

  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMagnitudeLimit = kMax + 1;  // magnitude of INT32_MIN
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    magnitude = std::min(magnitude * 10 + (text[i] - L'0'), kMagnitudeLimit);

  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(std::min(magnitude, kMax));
}

}  // namespace

IconLocation ParseIconValue(std::wstring_view value) {
  const std::size_t comma = value.find(L',');
  if (comma == std::wstring_view::npos) return IconLocation{std::wstring(value), 0};
  return IconLocation{std::wstring(value.substr(0, comma)), LeadingInteger(value.substr(comma + 1))};
}

std::wstring ProgIdFor(std::wstring_view extension) {
  std::wstring progId(extension.empty() ? extension : extension.substr(1));
  progId += L"file";
  return progId;
}

std::wstring OpenCommandFor(std::wstring_view application) {
  // Unquoted, "c:\program files\x.exe" would first run c:\program.exe, and
  // "%1" would hand a document with blanks over in pieces.
  const bool quoted = application.starts_with(L'"') && application.find(L'"', 1) != std::wstring_view::npos;
  std::wstring command;
  if (quoted) {
    command = application;
  } else {
    // A path holds no quotes: a stray one would end the quoted part early.
    command = L'"';
    std::ranges::copy_if(application, std::back_inserter(command), [](wchar_t c) { return c != L'"'; });
    command += L'"';
  }
  command += L" \"%1\"";
  return command;
}

std::wstring IconValueFor(std::wstring_view iconFile, std::int32_t index) {
  std::wstring value(iconFile);
  value += L',';
  value += std::to_wstring(index);
  return value;
}
