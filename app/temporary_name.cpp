#include "app/temporary_name.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxNameLength = 255;
constexpr std::wstring_view kMarker = L".~dvx";
constexpr std::wstring_view kExtension = L".tmp";

constexpr std::wstring_view KindWord(TemporaryKind kind) {
  return kind == TemporaryKind::CaseChange ? L"case" : L"new";
}

}  // namespace

std::optional<std::wstring> TemporaryNameFor(std::wstring_view originalName, TemporaryKind kind,
                                             int attempt) {
  if (originalName.empty() || attempt < 0 || attempt > kMaxTemporaryAttempt) return std::nullopt;
  std::wstring name(originalName);
  name += kMarker;
  name += KindWord(kind);
  name += std::to_wstring(attempt);
  name += kExtension;
  if (name.size() > kMaxNameLength) return std::nullopt;
  return name;
}

std::optional<TemporaryNameParts> ParseTemporaryName(std::wstring_view name) {
  if (!name.ends_with(kExtension)) return std::nullopt;
  name.remove_suffix(kExtension.size());
  // The digits of the attempt, one to four of them.
  std::size_t digits = 0;
  while (digits < name.size() && digits < 4 && name[name.size() - 1 - digits] >= L'0' &&
         name[name.size() - 1 - digits] <= L'9')
    ++digits;
  if (digits == 0) return std::nullopt;
  name.remove_suffix(digits);
  for (const TemporaryKind kind : {TemporaryKind::CaseChange, TemporaryKind::Replacement}) {
    std::wstring suffix(kMarker);
    suffix += KindWord(kind);
    if (name.size() > suffix.size() && name.ends_with(suffix))
      return TemporaryNameParts{std::wstring(name.substr(0, name.size() - suffix.size())), kind};
  }
  return std::nullopt;
}

namespace {

constexpr std::wstring_view kOpaquePrefix = L"~dvx";
constexpr std::size_t kOpaqueDigits = 12;

// `value` in lower-case hexadecimal, padded with zeros to at least `minDigits`.
void AppendHex(std::wstring& text, std::uint32_t value, std::size_t minDigits) {
  constexpr std::wstring_view kDigits = L"0123456789abcdef";
  std::wstring digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  if (digits.size() < minDigits) text.append(minDigits - digits.size(), L'0');
  text += digits;
}

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'); }

}  // namespace

std::wstring OpaqueTemporaryName(std::uint32_t processId, int attempt) {
  std::wstring name(kOpaquePrefix);
  AppendHex(name, processId, 8);
  AppendHex(name, static_cast<std::uint32_t>(attempt), 4);
  name += kExtension;
  return name;
}

bool IsOpaqueTemporaryName(std::wstring_view name) {
  if (name.size() != kOpaquePrefix.size() + kOpaqueDigits + kExtension.size()) return false;
  if (!name.starts_with(kOpaquePrefix) || !name.ends_with(kExtension)) return false;
  return std::ranges::all_of(name.substr(kOpaquePrefix.size(), kOpaqueDigits), IsHexDigit);
}
