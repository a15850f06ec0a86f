// Filling the placeholders of the program's message texts. Typed arguments
// instead of a C variable argument list: a name that holds "%s" is only ever
// an argument, and no argument can be read as another type.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

class FormatArgument {
 public:
  FormatArgument(std::wstring_view text) : m_value(text) {}  // NOLINT: implicit by design
  FormatArgument(const std::wstring& text) : m_value(std::wstring_view(text)) {}  // NOLINT
  FormatArgument(const wchar_t* text) : m_value(std::wstring_view(text)) {}       // NOLINT
  template <std::integral T>
  FormatArgument(T number) : m_value(static_cast<long long>(number)) {}  // NOLINT

  const std::variant<std::wstring_view, long long>& Value() const { return m_value; }

 private:
  std::variant<std::wstring_view, long long> m_value;
};

// "%s" takes the next argument as text, "%d" as a decimal number, "%%" is a
// percent sign. A placeholder without an argument, or of the other kind, and
// any other conversion stay as they stand. Each placeholder uses up the next
// argument, even one of the other kind, so that the later ones still pair up.
std::wstring FormatText(std::wstring_view format, std::initializer_list<FormatArgument> arguments);

// A file's size as the listing and the Properties dialog show it: the low 32
// bits read as a signed decimal number, so that 2 GiB shows as -2147483648.
std::wstring SignedSizeText(std::uint64_t size);
