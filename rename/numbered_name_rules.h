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

// Texts in code page 1252 bytes.
NamePartFault StemFault(std::string_view stem);
NamePartFault ExtensionFault(std::string_view extension);

// The English message for a refused part (empty for None).
std::string NamePartFaultText(NamePartFault fault);
