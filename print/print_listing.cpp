#include "ui/main_dialog.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "framework/file.h"
#include "framework/list_box.h"
#include "framework/print_dialog.h"
#include "framework/string_format.h"
#include "framework/unique_handles.h"
#include "print/page_layout.h"
#include "print/print_job.h"
#include "res/resource.h"
#include "ui/browsing_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr char kDocumentName[] = "Directory";
constexpr int kListingPointSize = 10;

// The listing's columns sit a fixed number of device pixels apart, made for
// type of about 10 points. A printer's own default font can be far larger
// (Wine's PostScript driver gives 24-point type), which pushes the times and
// the header off the paper, so the listing picks its size itself.
UniqueFont ListingFont(HDC printer) {
  const int height = -MulDiv(kListingPointSize, GetDeviceCaps(printer, LOGPIXELSY), 72);
  return UniqueFont(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, nullptr));
}

std::optional<LocalTime> ToLocalTime(const FILETIME& time) {
  SYSTEMTIME universal{};
  SYSTEMTIME local{};
  if (!FileTimeToSystemTime(&time, &universal)) return std::nullopt;
  // The zone's rules for that date, so a summer time stamp reads as summer time.
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) local = universal;
  return LocalTime{local.wYear,   local.wMonth,  local.wDay,      local.wHour,
                   local.wMinute, local.wSecond, local.wDayOfWeek};
}

// The listed file as it is now, looked up in the listed folder itself so that
// a file of the same name elsewhere can never stand in for it.
std::optional<ListedFile> ReadListedFile(const std::string& name) {
  FileStatus status;
  if (!File::GetStatus(ListedFolder() + name, status)) return std::nullopt;
  const FILETIME& created = IsZeroFileTime(status.created) ? status.lastWrite : status.created;
  const std::optional<LocalTime> createdLocal = ToLocalTime(created);
  if (!createdLocal) return std::nullopt;
  return ListedFile{status.size, status.attributes, *createdLocal};
}

void PrintText(HDC dc, int x, int y, std::string_view text) {
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void DrawPageTop(HDC dc, const PageLayout& layout, int pageNumber, const std::string& pathText) {
  PrintText(dc, layout.HeaderX(), layout.HeaderY(), PageHeaderText(pageNumber, pathText));
  PrintText(dc, layout.NameX(), layout.HeadsY(), ListingHeads::Name);
  PrintText(dc, layout.SizeX(), layout.HeadsY(), ListingHeads::Size);
  if (layout.ShowsAttributes())
    PrintText(dc, layout.AttributesX(), layout.HeadsY(), ListingHeads::Attributes);
  PrintText(dc, layout.TimeX(), layout.HeadsY(), ListingHeads::Created);
  MoveToEx(dc, 0, layout.RuleY(), nullptr);
  LineTo(dc, layout.RuleEndX(), layout.RuleY());
}

void DrawRow(HDC dc, const PageLayout& layout, int y, const ListingRow& row) {
  PrintText(dc, layout.NameX(), y, row.name);
  PrintText(dc, layout.SizeX(), y, row.size);
  if (layout.ShowsAttributes()) PrintText(dc, layout.AttributesX(), y, row.attributes);
  PrintText(dc, layout.TimeX(), y, row.created);
}

}  // namespace

void MainDialog::OnPrint() {
  UniqueCreatedDC printer = ChoosePrinter(GetSafeHwnd());
  if (!printer) return;

  const std::string pathText = ListingPathText(ListedFolder(), PathSpec);

  HWND fileList = GetDlgItem(IDC_FILE_LIST);
  const LRESULT itemCount = SendMessageA(fileList, LB_GETCOUNT, 0, 0);
  if (itemCount == LB_ERR || itemCount <= 0) {
    // Counted before the document starts, so an empty list leaves no job behind.
    printer.reset();
    MessageBox(
        FormatString(TextCStr(LocalizedText::NoFilesMatchedPrint, CurrentLanguage()), pathText.c_str()),
        Text(LocalizedText::PrintTitle, CurrentLanguage()), MB_OK | MB_ICONINFORMATION);
    return;
  }

  HDC dc = printer.get();
  const UniqueFont font = ListingFont(dc);
  std::optional<ScopedSelectObject> selectedFont;
  if (font) selectedFont.emplace(dc, font.get());

  SIZE letter{};
  GetTextExtentPoint32A(dc, "T", 1, &letter);
  const PageLayout layout(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), letter.cy);

  PrintJob job(dc, kDocumentName);
  if (!job.Started()) return;
  for (int index = 0; index < itemCount; ++index) {
    const PageLayout::RowPlace place = layout.PlaceOfRow(static_cast<std::size_t>(index));
    if (place.startsPage) {
      job.NewPage();
      DrawPageTop(dc, layout, place.page, pathText);
    }
    const std::string name = ListBoxText(fileList, index);
    DrawRow(dc, layout, place.y, MakeListingRow(name, ReadListedFile(name)));
  }
  job.Finish();
}
