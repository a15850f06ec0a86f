#include "print/page_layout.h"

#include "framework/string_format.h"
#include "framework/text_case.h"

#include <algorithm>

namespace {

constexpr std::wstring_view kCreationTimePattern = L"%b %d,%Y %I:%M:%S";

}  // namespace

PageLayout::PageLayout(int width, int height, int lineHeight) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  lineHeight = std::clamp(lineHeight, 0, 1 << 24);  // keeps the arithmetic in range

  m_width = width;
  m_orientation = height >= width ? PageOrientation::Portrait : PageOrientation::Landscape;
  m_timeX = static_cast<int>(width / 1.5);
  if (m_orientation == PageOrientation::Portrait) {
    m_sizeX = width / 2 + 75;
    m_attributesX = 0;
  } else {
    m_sizeX = width / 3 + 230;
    m_attributesX = width / 2 + 170;
  }

  m_headsY = 2 * lineHeight + 2;
  m_ruleY = m_headsY + lineHeight + 7;
  m_firstRowY = m_ruleY + 2;
  m_rowStep = lineHeight + 1;

  // A new page begins before a row whose y reaches height - lineHeight.
  const long long limit = static_cast<long long>(height) - lineHeight;
  if (m_firstRowY >= limit)
    m_rowsPerPage = 1;
  else
    m_rowsPerPage = static_cast<std::size_t>((limit - 1 - m_firstRowY) / m_rowStep + 1);
}

PageLayout::RowPlace PageLayout::PlaceOfRow(std::size_t row) const {
  const std::size_t onPage = row % m_rowsPerPage;
  return RowPlace{static_cast<int>(row / m_rowsPerPage) + 1,
                  m_firstRowY + static_cast<int>(onPage) * m_rowStep, onPage == 0};
}

std::wstring PageHeaderText(int pageNumber, std::wstring_view pathText) {
  std::wstring text = L"page " + std::to_wstring(pageNumber) + L" of directory listing of ";
  text += pathText;
  return text;
}

std::wstring AttributeLetters(std::uint32_t attributes) {
  std::wstring letters = L"----";
  if (attributes & 0x20) letters[0] = L'a';
  if (attributes & 0x01) letters[1] = L'r';
  if (attributes & 0x02) letters[2] = L'h';
  if (attributes & 0x04) letters[3] = L's';
  return letters;
}

std::wstring CreationTimeText(const LocalTime& time) {
  return ToLowerCase(FormatTime(time, kCreationTimePattern));
}

ListingRow MakeListingRow(std::wstring_view name, const std::optional<ListedFile>& file) {
  ListingRow row;
  row.name = ToLowerCase(name);
  if (!file) {
    row.size = kMissingFileMark;
    return row;
  }
  row.size = SignedSizeText(file->size);
  row.attributes = AttributeLetters(file->attributes);
  row.created = CreationTimeText(file->created);
  return row;
}

std::wstring ListingPathText(std::wstring_view folder, std::wstring_view pattern) {
  // A listing that failed leaves the folder in front of the pattern.
  const auto separator = pattern.find_last_of(L"\\:");
  if (separator != std::wstring_view::npos) pattern.remove_prefix(separator + 1);
  std::wstring text(folder);
  text += pattern;
  return ToLowerCase(text);
}
