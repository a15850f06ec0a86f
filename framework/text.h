// The program holds every name, path and shown text as UTF-16 (std::wstring).
// Bytes in a code page exist only where bytes are stored: the language
// tables (code page 1252) and the archive's names (the system's code page).
// Every conversion here is exact: no best-fit look-alikes, no dropped bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The system's ANSI code page (GetACP), as the archive stores names in it.
unsigned SystemCodePage();

// Code page 1252 bytes, of which every one stands for a character.
std::wstring WideFromWestern(std::string_view bytes);

// The characters of `bytes` in `codePage`; nullopt when a byte sequence is
// not valid there.
std::optional<std::wstring> WideFromCodePage(std::string_view bytes, unsigned codePage);

// The bytes of `text` in `codePage`; nullopt when the code page lacks one of
// its characters (no best-fit spelling is ever taken for it).
// A lone surrogate is no character, and is refused in every code page.
std::optional<std::string> BytesInCodePage(std::wstring_view text, unsigned codePage);

// The UTF-16 units of the character that begins at `at`: 2 for a surrogate
// pair, else 1.
std::size_t CharacterLengthAt(std::wstring_view text, std::size_t at);

// The first character of `text` (a surrogate pair counts as one) that the
// code page lacks; empty when it has all of them.
std::wstring FirstCharacterMissingFrom(std::wstring_view text, unsigned codePage);
