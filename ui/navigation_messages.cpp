#include "ui/navigation_messages.h"

namespace {

std::string_view Reason(FolderRefusal why) {
  switch (why) {
    case FolderRefusal::TooLong:
      return "its path with the file pattern is longer than 259 characters.";
    case FolderRefusal::NotOnADrive:
      return "it is not a folder on a drive letter (such as c:\\).";
    case FolderRefusal::ProfileNotSet:
      return "USERPROFILE is not set.";
    case FolderRefusal::Unavailable:
    default:
      return "the folder does not exist or cannot be opened.";
  }
}

}  // namespace

std::string FolderNotShownText(std::string_view folder, FolderRefusal why) {
  std::string text(folder);
  text += " cannot be shown: ";
  text += Reason(why);
  return text;
}
