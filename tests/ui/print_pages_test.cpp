// The listing's pages drawn into an in-memory metafile and read back: every
// text where the page's layout puts it, page by page.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_command_window.h"
#include "print/listing_pages.h"
#include "temp_folder.h"
#include "wide_text.h"

using testing::ElementsAre;

namespace {

struct DrawnText {
  int page;
  int x;
  int y;
  std::string text;
};

struct Recording {
  std::vector<DrawnText> texts;
  int page = 0;
};

constexpr char kPageMark[] = "page";

int CALLBACK Record(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  auto& recording = *reinterpret_cast<Recording*>(data);
  const auto* bytes = reinterpret_cast<const char*>(record);
  if (record->iType == EMR_GDICOMMENT) {
    ++recording.page;
  } else if (record->iType == EMR_EXTTEXTOUTW) {
    const auto& out = *reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* wide = reinterpret_cast<const wchar_t*>(bytes + out.emrtext.offString);
    std::string text;
    for (DWORD i = 0; i < out.emrtext.nChars; ++i) text += static_cast<char>(wide[i]);
    if (!text.empty())
      recording.texts.push_back(
          {recording.page, out.emrtext.ptlReference.x, out.emrtext.ptlReference.y, text});
  } else if (record->iType == EMR_EXTTEXTOUTA) {
    const auto& out = *reinterpret_cast<const EMREXTTEXTOUTA*>(record);
    if (out.emrtext.nChars > 0)
      recording.texts.push_back({recording.page, out.emrtext.ptlReference.x, out.emrtext.ptlReference.y,
                                 std::string(bytes + out.emrtext.offString, out.emrtext.nChars)});
  }
  return 1;
}

std::vector<DrawnText> On(const std::vector<DrawnText>& texts, int page, int y) {
  std::vector<DrawnText> found;
  for (const auto& text : texts)
    if (text.page == page && text.y == y) found.push_back(text);
  return found;
}

MATCHER_P3(DrawnAt, x, y, text,
           testing::PrintToString(std::string(text)) + " at " + std::to_string(x) + "," + std::to_string(y)) {
  return arg.x == x && arg.y == y && arg.text == text;
}

TEST(ListingPages, EveryTextSitsWhereTheLayoutPutsItAndAFullPageGoesOnTheNext) {
  TempFolder folder;
  const std::string b = folder.Write("b.txt", "12345").string();
  const std::string c = folder.Write("c.txt", "abc").string();
  SetFileAttributesA(b.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  SetFileAttributesA(c.c_str(), FILE_ATTRIBUTE_READONLY);

  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(dc, nullptr);
  std::vector<std::string> names{"a.txt", "b.txt", "c.txt"};  // a.txt is gone since the listing
  std::vector<int> started;
  std::optional<PageLayout> measured;
  {
    const ListingPages pages(dc);
    measured = pages.Layout();
    // Missing files up to one row more than a page holds.
    while (names.size() <= measured->RowsPerPage())
      names.push_back(std::string("z").append(std::to_string(names.size())).append(".txt"));
    std::vector<std::wstring> listed;
    for (const std::string& name : names) listed.push_back(Wide(name));
    const FakeCommandWindow window(folder.WideWindowsPath(), listed);
    pages.Draw(window, folder.WideWindowsPath(), L"c:\\f\\*.*", [&](int page) {
      started.push_back(page);
      GdiComment(dc, sizeof kPageMark, reinterpret_cast<const BYTE*>(kPageMark));
    });
  }
  SetFileAttributesA(c.c_str(), FILE_ATTRIBUTE_NORMAL);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  ASSERT_NE(metafile, nullptr);
  Recording recording;
  EnumEnhMetaFile(nullptr, metafile, &Record, &recording, nullptr);
  DeleteEnhMetaFile(metafile);

  const auto& texts = recording.texts;
  const PageLayout& layout = *measured;
  EXPECT_THAT(started, ElementsAre(1, 2));
  // The screen the metafile measures is wider than high: a landscape page.
  ASSERT_TRUE(layout.ShowsAttributes());
  for (int page : {1, 2}) {
    SCOPED_TRACE("page " + std::to_string(page));
    EXPECT_THAT(On(texts, page, layout.HeaderY()),
                ElementsAre(DrawnAt(layout.HeaderX(), layout.HeaderY(),
                                    "page " + std::to_string(page) + " of directory listing of c:\\f\\*.*")));
    EXPECT_THAT(On(texts, page, layout.HeadsY()),
                ElementsAre(DrawnAt(layout.NameX(), layout.HeadsY(), "filename"),
                            DrawnAt(layout.SizeX(), layout.HeadsY(), "size"),
                            DrawnAt(layout.AttributesX(), layout.HeadsY(), "attrib"),
                            DrawnAt(layout.TimeX(), layout.HeadsY(), "created")));
  }
  const int first = layout.FirstRowY();
  const int second = first + layout.RowStep();
  const int third = second + layout.RowStep();
  // A file gone since the listing keeps its row, marked, the other columns empty.
  EXPECT_THAT(On(texts, 1, first), ElementsAre(DrawnAt(layout.NameX(), first, "a.txt"),
                                               DrawnAt(layout.SizeX(), first, "(file not found)")));
  const auto rowB = On(texts, 1, second);
  ASSERT_EQ(rowB.size(), 4u);
  EXPECT_THAT(rowB[0], DrawnAt(layout.NameX(), second, "b.txt"));
  EXPECT_THAT(rowB[1], DrawnAt(layout.SizeX(), second, "5"));
  EXPECT_THAT(rowB[2], DrawnAt(layout.AttributesX(), second, "a---"));
  EXPECT_EQ(rowB[3].x, layout.TimeX());
  const auto rowC = On(texts, 1, third);
  ASSERT_EQ(rowC.size(), 4u);
  EXPECT_THAT(rowC[2].text, testing::AnyOf("ar--", "-r--"));  // Wine keeps the archive bit
  // The row that did not fit opens page 2.
  EXPECT_THAT(On(texts, 2, first), ElementsAre(DrawnAt(layout.NameX(), first, names.back()),
                                               DrawnAt(layout.SizeX(), first, "(file not found)")));
}

}  // namespace
