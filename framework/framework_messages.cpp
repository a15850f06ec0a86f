#include "framework/framework_messages.h"

#include "framework/file_exception.h"
#include "framework/win32.h"

std::string DialogNotShownText(int templateId, std::uint32_t systemError) {
  std::string text = "A dialog box could not be opened (template " + std::to_string(templateId);
  if (systemError != 0) text += ", system error " + std::to_string(systemError);
  text += ").\nNothing has been done.";
  return text;
}

std::wstring UnmappableCharacterText(std::wstring_view character, unsigned codePage) {
  std::wstring text = L"The character \"";
  text += character;
  text += L"\" cannot be used here: it is not in the system's code page (";
  text += std::to_wstring(codePage);
  text += L").";
  return text;
}

UncaughtExceptionReport ReportOfUncaughtException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const FileException& failure) {
    std::string text = failure.m_strFileName.empty() ? std::string("A file") : failure.m_strFileName;
    text += " could not be accessed because\n";
    text += FileCauseSentence(failure.m_cause);
    return {std::move(text), MB_ICONEXCLAMATION};
  } catch (const std::exception& failure) {
    std::string text = "The command could not be completed";
    const std::string_view what = failure.what();
    text += what.empty() ? std::string(".") : ":\n" + std::string(what);
    return {std::move(text), MB_ICONSTOP};
  } catch (...) {
    return {"The command could not be completed.", MB_ICONSTOP};
  }
}
