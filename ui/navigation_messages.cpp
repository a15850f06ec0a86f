#include "ui/navigation_messages.h"

namespace {

std::wstring_view Reason(FolderRefusal why) {
  switch (why) {
    case FolderRefusal::NotOnADrive:
      return L"it is not a folder on a drive letter (such as c:\\).";
    case FolderRefusal::ProfileNotSet:
      return L"USERPROFILE is not set.";
    case FolderRefusal::Unavailable:
    default:
      return L"the folder does not exist or cannot be opened.";
  }
}

}  // namespace

std::wstring FolderNotShownText(std::wstring_view folder, FolderRefusal why) {
  std::wstring text(folder);
  text += L" cannot be shown: ";
  text += Reason(why);
  return text;
}
