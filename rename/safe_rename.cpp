#include "rename/safe_rename.h"

#include "framework/file.h"
#include "framework/folder_listing.h"
#include "framework/win32.h"

namespace {

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

}  // namespace

std::uint32_t SafeRenamer::CurrentFolderNames::Move(const std::wstring& from, const std::wstring& to) {
  // A move never replaces an existing file.
  return File::TryRename(from, to);
}

std::vector<std::wstring> SafeRenamer::CurrentFolderNames::StoredNames() { return NamesMatching(L"*"); }

// "~dvx%08lx%04x.tmp": the process id keeps two running copies of the program apart.
std::wstring SafeRenamer::CurrentFolderNames::TemporaryName(int attempt) {
  std::wstring name = L"~dvx";
  AppendHex(name, GetCurrentProcessId(), 8);
  AppendHex(name, static_cast<std::uint32_t>(attempt), 4);
  name += L".tmp";
  return name;
}
