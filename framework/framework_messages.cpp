#include "framework/framework_messages.h"

#include "framework/file_exception.h"
#include "framework/text.h"
#include "framework/win32.h"

namespace {

// An exception's text is bytes; the system's code page is what a message box
// showed them in before, and a byte that is invalid there still shows.
std::wstring WideFromExceptionText(std::string_view what) {
  if (std::optional<std::wstring> text = WideFromCodePage(what, SystemCodePage())) return std::move(*text);
  return WideFromWestern(what);
}

}  // namespace

std::wstring DialogNotShownText(int templateId, std::uint32_t systemError) {
  std::wstring text = L"A dialog box could not be opened (template " + std::to_wstring(templateId);
  if (systemError != 0) text += L", system error " + std::to_wstring(systemError);
  text += L").\nNothing has been done.";
  return text;
}

UncaughtExceptionReport ReportOfUncaughtException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const FileException& failure) {
    const std::wstring_view name =
        failure.m_strFileName.empty() ? std::wstring_view(L"A file") : failure.m_strFileName;
    std::wstring text = FileErrorText(name, failure.m_cause, FileErrorVerb::Accessed);
    if (!failure.m_strAftermath.empty()) text += L"\n" + failure.m_strAftermath;
    return {std::move(text), MB_ICONEXCLAMATION};
  } catch (const std::exception& failure) {
    std::wstring text = L"The command could not be completed";
    const std::string_view what = failure.what();
    text += what.empty() ? std::wstring(L".") : L":\n" + WideFromExceptionText(what);
    return {std::move(text), MB_ICONSTOP};
  } catch (...) {
    return {L"The command could not be completed.", MB_ICONSTOP};
  }
}
