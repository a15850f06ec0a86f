#include "framework/text.h"

#include "framework/win32.h"

#include <climits>

namespace {

constexpr unsigned kWesternCodePage = 1252;

// Code pages whose conversions refuse every flag (and the default-character
// report): their exactness is checked by converting back instead.
bool TakesNoFlags(unsigned codePage) {
  return codePage == CP_SYMBOL || codePage == CP_UTF7 || (codePage >= 50220 && codePage <= 50229) ||
         (codePage >= 57002 && codePage <= 57011);
}

bool FitsInInt(std::size_t size) { return size <= static_cast<std::size_t>(INT_MAX); }

bool HasLoneSurrogate(std::wstring_view text) {
  for (std::size_t at = 0; at < text.size(); at += CharacterLengthAt(text, at)) {
    if (CharacterLengthAt(text, at) == 1 && (IS_HIGH_SURROGATE(text[at]) || IS_LOW_SURROGATE(text[at])))
      return true;
  }
  return false;
}

std::optional<std::wstring> Decode(std::string_view bytes, unsigned codePage, DWORD flags) {
  if (bytes.empty()) return std::wstring();
  if (!FitsInInt(bytes.size())) return std::nullopt;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(codePage, flags, bytes.data(), size, text.data(), length) != length)
    return std::nullopt;
  return text;
}

// `usedDefault` null where the code page refuses the report (UTF-8 and the
// code pages that take no flags).
std::optional<std::string> Encode(std::wstring_view text, unsigned codePage, DWORD flags, BOOL* usedDefault) {
  if (!FitsInInt(text.size())) return std::nullopt;
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, usedDefault);
  if (length <= 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, nullptr, usedDefault) !=
      length)
    return std::nullopt;
  if (usedDefault && *usedDefault) return std::nullopt;
  return bytes;
}

}  // namespace

unsigned SystemCodePage() { return GetACP(); }

std::size_t CharacterLengthAt(std::wstring_view text, std::size_t at) {
  return IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]) ? 2 : 1;
}

std::wstring WideFromWestern(std::string_view bytes) {
  return Decode(bytes, kWesternCodePage, 0).value_or(std::wstring());
}

std::optional<std::wstring> WideFromCodePage(std::string_view bytes, unsigned codePage) {
  return Decode(bytes, codePage, TakesNoFlags(codePage) ? 0 : MB_ERR_INVALID_CHARS);
}

std::optional<std::string> BytesInCodePage(std::wstring_view text, unsigned codePage) {
  if (text.empty()) return std::string();
  // A lone surrogate is no character: no code page may stand anything in for it.
  if (HasLoneSurrogate(text)) return std::nullopt;
  if (codePage == CP_UTF8) return Encode(text, codePage, WC_ERR_INVALID_CHARS, nullptr);
  if (TakesNoFlags(codePage)) {
    std::optional<std::string> bytes = Encode(text, codePage, 0, nullptr);
    if (!bytes || Decode(*bytes, codePage, 0) != std::wstring(text)) return std::nullopt;
    return bytes;
  }
  BOOL usedDefault = FALSE;
  return Encode(text, codePage, WC_NO_BEST_FIT_CHARS, &usedDefault);
}

std::wstring FirstCharacterMissingFrom(std::wstring_view text, unsigned codePage) {
  for (std::size_t at = 0; at < text.size();) {
    const std::wstring_view character = text.substr(at, CharacterLengthAt(text, at));
    if (!BytesInCodePage(character, codePage)) return std::wstring(character);
    at += character.size();
  }
  return {};
}
