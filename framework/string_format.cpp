#include "framework/string_format.h"

namespace {

// Writes the argument for the placeholder `conversion` ('s' or 'd'); false
// when the argument is of the other kind.
bool AppendArgument(std::wstring& out, wchar_t conversion, const FormatArgument& argument) {
  if (conversion == L's') {
    const auto* text = std::get_if<std::wstring_view>(&argument.Value());
    if (text) out += *text;
    return text != nullptr;
  }
  const auto* number = std::get_if<long long>(&argument.Value());
  if (number) out += std::to_wstring(*number);
  return number != nullptr;
}

}  // namespace

std::wstring FormatText(std::wstring_view format, std::initializer_list<FormatArgument> arguments) {
  std::wstring out;
  out.reserve(format.size());
  const FormatArgument* next = arguments.begin();
  for (std::size_t at = 0; at < format.size(); ++at) {
    const wchar_t conversion = at + 1 < format.size() ? format[at + 1] : L'\0';
    if (format[at] != L'%' || (conversion != L's' && conversion != L'd' && conversion != L'%')) {
      out += format[at];
      continue;
    }
    ++at;
    if (conversion == L'%') {
      out += L'%';
    } else if (next == arguments.end() || !AppendArgument(out, conversion, *next++)) {
      out += L'%';
      out += conversion;
    }
  }
  return out;
}

std::wstring SignedSizeText(std::uint64_t size) {
  return std::to_wstring(static_cast<std::int32_t>(static_cast<std::uint32_t>(size)));
}
