#include "framework/file_exception.h"
#include "framework/framework_messages.h"
#include "framework/win32.h"

#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>
#include <string>

TEST(UncaughtExceptionReport, FileFailuresNameTheFileAnythingElseTheCommand) {
  struct Row {
    std::exception_ptr error;
    std::wstring text;
    unsigned icon;
  };
  const Row rows[] = {
      {std::make_exception_ptr(
           FileException(FileCause::diskFull, ERROR_DISK_FULL, L"C:\\out\\ツール.Backup")),
       L"C:\\out\\ツール.Backup could not be accessed because\nThe disk is full.", MB_ICONEXCLAMATION},
      {std::make_exception_ptr(FileException::FromSystemError(ERROR_FILE_NOT_FOUND, L"")),
       L"A file could not be accessed because\nthe file could not be located.", MB_ICONEXCLAMATION},
      {std::make_exception_ptr(std::runtime_error("the list is gone")),
       L"The command could not be completed:\nthe list is gone", MB_ICONSTOP},
      {std::make_exception_ptr(std::runtime_error("")), L"The command could not be completed.", MB_ICONSTOP},
      {std::make_exception_ptr(42), L"The command could not be completed.", MB_ICONSTOP},
  };
  for (const Row& row : rows) {
    const UncaughtExceptionReport report = ReportOfUncaughtException(row.error);
    EXPECT_EQ(report.text, row.text);
    EXPECT_EQ(report.icon, row.icon) << row.text;
  }
}
