#include "framework/file_exception.h"

#include <gtest/gtest.h>
#include <winerror.h>

TEST(FileCauseFromSystemError, EachErrorMapsByItsMeaning) {
  struct Row {
    unsigned systemError;
    int cause;
  };
  const Row rows[] = {
      {NO_ERROR, FileCause::none},
      {ERROR_FILE_NOT_FOUND, FileCause::fileNotFound},
      {ERROR_PATH_NOT_FOUND, FileCause::badPath},
      {ERROR_INVALID_NAME, FileCause::badPath},
      {ERROR_INVALID_DRIVE, FileCause::badPath},
      {ERROR_FILENAME_EXCED_RANGE, FileCause::badPath},
      {ERROR_TOO_MANY_OPEN_FILES, FileCause::tooManyOpenFiles},
      {ERROR_ACCESS_DENIED, FileCause::accessDenied},
      {ERROR_WRITE_PROTECT, FileCause::accessDenied},
      {ERROR_INVALID_HANDLE, FileCause::invalidFile},
      {ERROR_CURRENT_DIRECTORY, FileCause::removeCurrentDir},
      {ERROR_CANNOT_MAKE, FileCause::directoryFull},
      {ERROR_NEGATIVE_SEEK, FileCause::badSeek},
      {ERROR_NOT_READY, FileCause::hardIO},
      {ERROR_CRC, FileCause::hardIO},
      {ERROR_SHARING_VIOLATION, FileCause::sharingViolation},
      {ERROR_LOCK_VIOLATION, FileCause::lockViolation},
      {ERROR_DISK_FULL, FileCause::diskFull},
      {ERROR_HANDLE_DISK_FULL, FileCause::diskFull},
      {ERROR_HANDLE_EOF, FileCause::endOfFile},
      // Whatever has no cause of its own.
      {ERROR_ALREADY_EXISTS, FileCause::generic},
      {ERROR_BAD_DEV_TYPE, FileCause::generic},
      {ERROR_NOT_ENOUGH_MEMORY, FileCause::generic},
      {0xFFFFFFFFu, FileCause::generic},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FileCauseFromSystemError(row.systemError), row.cause) << "system error " << row.systemError;
  }
}
