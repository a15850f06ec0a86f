// What Enumerate accepts as the stem and the extension of its numbered names,
// checked before any file is touched: a part that Windows would refuse, or
// silently alter, in every name would otherwise fail once per listed file.
#pragma once
#include <string>
#include <string_view>

enum class NamePartFault {
  None,
  EmptyExtension,      // the names would end in a dot, which Windows drops
  ForbiddenCharacter,  // \ / : * ? " < > | or a control character
  ExtensionEndsBadly,  // a trailing dot or blank, which Windows drops
};

// Only the ASCII characters above are forbidden: look-alikes such as the
// fullwidth backslash are ordinary letters of a name.
NamePartFault StemFault(std::wstring_view stem);
NamePartFault ExtensionFault(std::wstring_view extension);

// The English message for a refused part (empty for None).
std::wstring NamePartFaultText(NamePartFault fault);
