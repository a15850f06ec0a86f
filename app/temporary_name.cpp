#include "app/temporary_name.h"

namespace {

constexpr std::size_t kMaxNameLength = 255;
constexpr std::wstring_view kMarker = L".~dvx";
constexpr std::wstring_view kExtension = L".tmp";

constexpr std::wstring_view KindWord(TemporaryKind kind) {
  return kind == TemporaryKind::CaseChange ? L"case" : L"new";
}

}  // namespace

std::optional<std::wstring> TemporaryNameFor(std::wstring_view originalName, TemporaryKind kind, int attempt) {
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
