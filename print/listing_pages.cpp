#include "print/listing_pages.h"

#include "framework/file.h"
#include "framework/local_time.h"
#include "framework/print_text.h"

#include <optional>
#include <string>

namespace {

constexpr int kListingPointSize = 10;

// The listing's columns sit a fixed number of device pixels apart, made for
// type of about 10 points. A printer's own default font can be far larger
// (Wine's PostScript driver gives 24-point type), which pushes the times and
// the header off the paper, so the listing picks its size itself.
UniqueFont ListingFont(HDC printer) {
  const int height = -MulDiv(kListingPointSize, GetDeviceCaps(printer, LOGPIXELSY), 72);
  return CreateFontNamed(height, L"");
}

// The listed file as it is now, looked up in the listed folder itself so that
// a file of the same name elsewhere can never stand in for it.
std::optional<ListedFile> ReadListedFile(const std::wstring& folder, const std::wstring& name) {
  FileStatus status;
  if (File::GetStatus(folder + name, status) != 0) return std::nullopt;
  const std::optional<LocalTime> createdLocal =
      LocalTimeOf(status.CreatedOrLastWrite(), WhenZoneFails::GiveUniversalTime);
  if (!createdLocal) return std::nullopt;
  return ListedFile{status.size, status.attributes, *createdLocal};
}

void DrawPageTop(HDC dc, const PageLayout& layout, int pageNumber, const std::wstring& pathText) {
  DrawTextAt(dc, layout.HeaderX(), layout.HeaderY(), PageHeaderText(pageNumber, pathText));
  DrawTextAt(dc, layout.NameX(), layout.HeadsY(), ListingHeads::Name);
  DrawTextAt(dc, layout.SizeX(), layout.HeadsY(), ListingHeads::Size);
  if (layout.ShowsAttributes())
    DrawTextAt(dc, layout.AttributesX(), layout.HeadsY(), ListingHeads::Attributes);
  DrawTextAt(dc, layout.TimeX(), layout.HeadsY(), ListingHeads::Created);
  MoveToEx(dc, 0, layout.RuleY(), nullptr);
  LineTo(dc, layout.RuleEndX(), layout.RuleY());
}

void DrawRow(HDC dc, const PageLayout& layout, int y, const ListingRow& row) {
  DrawTextAt(dc, layout.NameX(), y, row.name);
  DrawTextAt(dc, layout.SizeX(), y, row.size);
  if (layout.ShowsAttributes()) DrawTextAt(dc, layout.AttributesX(), y, row.attributes);
  DrawTextAt(dc, layout.TimeX(), y, row.created);
}

}  // namespace

ListingPages::ListingPages(HDC dc) : m_dc(dc), m_font(ListingFont(dc)), m_layout(MeasureLayout()) {}

PageLayout ListingPages::MeasureLayout() {
  if (m_font) m_selectedFont.emplace(m_dc, m_font.get());
  const SIZE letter = TextExtent(m_dc, L"T");
  return PageLayout(GetDeviceCaps(m_dc, HORZRES), GetDeviceCaps(m_dc, VERTRES), letter.cy);
}

void ListingPages::Draw(const CommandWindow& window, const std::wstring& folder, const std::wstring& pathText,
                        const std::function<void(int page)>& startPage) const {
  const int itemCount = window.ListedFileCount();
  for (int index = 0; index < itemCount; ++index) {
    const PageLayout::RowPlace place = m_layout.PlaceOfRow(static_cast<std::size_t>(index));
    if (place.startsPage) {
      startPage(place.page);
      DrawPageTop(m_dc, m_layout, place.page, pathText);
    }
    const std::wstring name = window.ListedFileName(index);
    DrawRow(m_dc, m_layout, place.y, MakeListingRow(name, ReadListedFile(folder, name)));
  }
}
