#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/time_format.h"

enum class PageOrientation { Portrait, Landscape };

// Where a printed directory listing puts things, in device pixels, for a page
// of the given printable size and a line height measured in the printer font.
class PageLayout {
 public:
  // Negative sizes count as 0.
  PageLayout(int width, int height, int lineHeight);

  PageOrientation Orientation() const { return m_orientation; }
  bool ShowsAttributes() const { return m_orientation == PageOrientation::Landscape; }

  int NameX() const { return 0; }
  int SizeX() const { return m_sizeX; }
  int AttributesX() const { return m_attributesX; }  // meaningful on landscape pages only
  int TimeX() const { return m_timeX; }

  int HeaderX() const { return 0; }
  int HeaderY() const { return 1; }
  int HeadsY() const { return m_headsY; }
  int RuleY() const { return m_ruleY; }
  int RuleEndX() const { return m_width; }
  int FirstRowY() const { return m_firstRowY; }
  int RowStep() const { return m_rowStep; }

  // Rows on a full page. At least 1: a page too short for even one row still
  // carries one, so that every file gets printed.
  std::size_t RowsPerPage() const { return m_rowsPerPage; }

  struct RowPlace {
    int page;  // counted from 1
    int y;
    bool startsPage;  // a new page begins with this row
  };
  RowPlace PlaceOfRow(std::size_t row) const;

 private:
  int m_width;
  PageOrientation m_orientation;
  int m_sizeX;
  int m_attributesX;
  int m_timeX;
  int m_headsY;
  int m_ruleY;
  int m_firstRowY;
  int m_rowStep;
  std::size_t m_rowsPerPage;
};

namespace ListingHeads {
inline constexpr std::wstring_view Name = L"filename";
inline constexpr std::wstring_view Size = L"size";
inline constexpr std::wstring_view Attributes = L"attrib";
inline constexpr std::wstring_view Created = L"created";
}  // namespace ListingHeads

// "page 3 of directory listing of c:\windows\*.txt"
std::wstring PageHeaderText(int pageNumber, std::wstring_view pathText);

// "a---", "-rh-": archive 0x20, read-only 0x01, hidden 0x02, system 0x04.
std::wstring AttributeLetters(std::uint32_t attributes);

// "mar 05,1997 02:15:33"
std::wstring CreationTimeText(const LocalTime& time);

// What a row needs to know of a listed file.
struct ListedFile {
  std::uint64_t size = 0;
  std::uint32_t attributes = 0;
  LocalTime created{};  // local time; the last write stands in for a missing creation time
};

// The texts of one row, each drawn at its column.
struct ListingRow {
  std::wstring name;
  std::wstring size;
  std::wstring attributes;  // drawn on landscape pages only
  std::wstring created;
};

// Shown in the size column of a file that was gone when the listing was
// printed; the row's other columns stay empty.
inline constexpr std::wstring_view kMissingFileMark = L"(file not found)";

// The row of the list item `name`; nullopt for a file whose status could not be read.
ListingRow MakeListingRow(std::wstring_view name, const std::optional<ListedFile>& file);

// What is listed, lower-cased by the system's rules: "C:\WINDOWS\" + "*.TXT" gives "c:\windows\*.txt".
// Only the last component of the pattern counts.
std::wstring ListingPathText(std::wstring_view folder, std::wstring_view pattern);
