#include "framework/file_exception.h"

#include <winerror.h>

int FileCauseFromSystemError(std::uint32_t systemError) {
  switch (systemError) {
    case NO_ERROR:
      return FileCause::none;
    case ERROR_FILE_NOT_FOUND:
      return FileCause::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
    case ERROR_BAD_DEVICE:
      return FileCause::badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_NO_MORE_SEARCH_HANDLES:
      return FileCause::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_NOT_SAME_DEVICE:
      return FileCause::accessDenied;
    case ERROR_INVALID_HANDLE:
      return FileCause::invalidFile;
    case ERROR_CURRENT_DIRECTORY:
      return FileCause::removeCurrentDir;
    case ERROR_CANNOT_MAKE:
      return FileCause::directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
      return FileCause::badSeek;
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
      return FileCause::hardIO;
    case ERROR_SHARING_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED:
      return FileCause::sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
    case ERROR_LOCK_FAILED:
      return FileCause::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileCause::diskFull;
    case ERROR_HANDLE_EOF:
      return FileCause::endOfFile;
    default:
      return FileCause::generic;
  }
}

std::wstring_view FileCauseSentence(int cause) {
  switch (cause) {
    case FileCause::none:
      return L"no error occurred";
    case FileCause::fileNotFound:
      return L"the file could not be located.";
    case FileCause::badPath:
      return L"all or part of the path is invalid.";
    case FileCause::tooManyOpenFiles:
      return L"the permitted number of open files\nhas been exceeded.";
    case FileCause::accessDenied:
      return L"the file can not be accessed.";
    case FileCause::invalidFile:
      return L"there was an attempt to use\nan invalid file handle.";
    case FileCause::removeCurrentDir:
      return L"the current working directory\ncannot be removed.";
    case FileCause::directoryFull:
      return L"there are no more directory entries.";
    case FileCause::badSeek:
      return L"there was an error trying\nto set the file pointer.";
    case FileCause::hardIO:
      return L"there was a hardware error.";
    case FileCause::sharingViolation:
      return L"a shared region is locked.";
    case FileCause::lockViolation:
      return L"there was an attempt to lock\na region that is already locked.";
    case FileCause::diskFull:
      return L"The disk is full.";
    case FileCause::endOfFile:
      return L"end of file has been encounered.";
    default:
      return L"an unspecified error occurred";
  }
}

std::wstring FileErrorText(std::wstring_view name, int cause, FileErrorVerb verb) {
  std::wstring text(name);
  text +=
      verb == FileErrorVerb::Opened ? L" could not be opened because\n" : L" could not be accessed because\n";
  text += FileCauseSentence(cause);
  return text;
}
