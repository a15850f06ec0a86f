// The English messages of a move to another folder that the main window
// refuses: the window stays where it was and says which folder and why.
#pragma once
#include <string>
#include <string_view>

inline constexpr wchar_t kNavigationErrorCaption[] = L"Error";

enum class FolderRefusal {
  Unavailable,    // missing, or the system will not enter it
  NotOnADrive,    // a relative or network path: the window browses drive letters only
  ProfileNotSet,  // the Home folder comes from an unset USERPROFILE
};

std::wstring FolderNotShownText(std::wstring_view folder, FolderRefusal why);
