#include "rename/numbered_name_rules.h"

#include "framework/path.h"

NamePartFault StemFault(std::wstring_view stem) {
  // The number follows the stem, so a stem may end in anything a name may hold.
  return HoldsForbiddenNameCharacter(stem) ? NamePartFault::ForbiddenCharacter : NamePartFault::None;
}

NamePartFault ExtensionFault(std::wstring_view extension) {
  if (extension.empty()) return NamePartFault::EmptyExtension;
  if (HoldsForbiddenNameCharacter(extension)) return NamePartFault::ForbiddenCharacter;
  if (extension.back() == L'.' || extension.back() == L' ') return NamePartFault::ExtensionEndsBadly;
  return NamePartFault::None;
}

std::wstring NamePartFaultText(NamePartFault fault) {
  switch (fault) {
    case NamePartFault::EmptyExtension:
      return L"Please enter an extension.";
    case NamePartFault::ForbiddenCharacter:
      return L"A file name cannot contain any of the following characters:\n\\ / : * ? \" < > |";
    case NamePartFault::ExtensionEndsBadly:
      return L"An extension cannot end with a dot or a blank.";
    case NamePartFault::None:
      break;
  }
  return {};
}
