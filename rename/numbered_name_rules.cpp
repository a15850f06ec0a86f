#include "rename/numbered_name_rules.h"

namespace {

bool HoldsForbiddenCharacter(std::string_view text) {
  for (const char character : text) {
    if (static_cast<unsigned char>(character) < 0x20) return true;
    if (std::string_view("\\/:*?\"<>|").find(character) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

NamePartFault StemFault(std::string_view stem) {
  // The number follows the stem, so a stem may end in anything a name may hold.
  return HoldsForbiddenCharacter(stem) ? NamePartFault::ForbiddenCharacter : NamePartFault::None;
}

NamePartFault ExtensionFault(std::string_view extension) {
  if (extension.empty()) return NamePartFault::EmptyExtension;
  if (HoldsForbiddenCharacter(extension)) return NamePartFault::ForbiddenCharacter;
  if (extension.back() == '.' || extension.back() == ' ') return NamePartFault::ExtensionEndsBadly;
  return NamePartFault::None;
}

std::string NamePartFaultText(NamePartFault fault) {
  switch (fault) {
    case NamePartFault::EmptyExtension:
      return "Please enter an extension.";
    case NamePartFault::ForbiddenCharacter:
      return "A file name cannot contain any of the following characters:\n\\ / : * ? \" < > |";
    case NamePartFault::ExtensionEndsBadly:
      return "An extension cannot end with a dot or a blank.";
    case NamePartFault::None:
      break;
  }
  return {};
}
