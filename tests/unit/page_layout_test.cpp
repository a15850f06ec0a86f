#include "print/page_layout.h"

#include <gtest/gtest.h>

TEST(PageLayout, PortraitColumns) {
  const PageLayout layout(2400, 3300, 50);
  EXPECT_EQ(layout.Orientation(), PageOrientation::Portrait);
  EXPECT_FALSE(layout.ShowsAttributes());
  EXPECT_EQ(layout.SizeX(), 1275);
  EXPECT_EQ(layout.TimeX(), 1600);
}

TEST(PageLayout, LandscapeColumns) {
  const PageLayout layout(3300, 2400, 50);
  EXPECT_EQ(layout.Orientation(), PageOrientation::Landscape);
  EXPECT_TRUE(layout.ShowsAttributes());
  EXPECT_EQ(layout.SizeX(), 1330);
  EXPECT_EQ(layout.AttributesX(), 1820);
  EXPECT_EQ(layout.TimeX(), 2200);
}

TEST(PageLayout, TheTimeColumnIsTruncatedNotRounded) {
  EXPECT_EQ(PageLayout(2479, 3508, 100).TimeX(), 1652);  // A4 at 300 dpi: 1652.67
}

TEST(PageLayout, SquarePageIsPortrait) {
  const PageLayout layout(3000, 3000, 50);
  EXPECT_EQ(layout.Orientation(), PageOrientation::Portrait);
  EXPECT_FALSE(layout.ShowsAttributes());
}

TEST(PageLayout, VerticalPositions) {
  const PageLayout layout(2400, 3300, 50);
  EXPECT_EQ(layout.HeadsY(), 102);
  EXPECT_EQ(layout.RuleY(), 159);
  EXPECT_EQ(layout.RuleEndX(), 2400);
  EXPECT_EQ(layout.FirstRowY(), 161);
  EXPECT_EQ(layout.RowStep(), 51);
}

TEST(PageLayout, RowsFlowOntoNewPages) {
  const PageLayout layout(2400, 3300, 50);
  EXPECT_EQ(layout.RowsPerPage(), 61u);

  const auto first = layout.PlaceOfRow(0);
  EXPECT_EQ(first.page, 1);
  EXPECT_EQ(first.y, 161);
  EXPECT_TRUE(first.startsPage);

  const auto second = layout.PlaceOfRow(1);
  EXPECT_EQ(second.y, 212);
  EXPECT_FALSE(second.startsPage);

  const auto lastOnPage = layout.PlaceOfRow(60);
  EXPECT_EQ(lastOnPage.page, 1);
  EXPECT_EQ(lastOnPage.y, 3221);
  EXPECT_FALSE(lastOnPage.startsPage);

  const auto nextPage = layout.PlaceOfRow(61);
  EXPECT_EQ(nextPage.page, 2);
  EXPECT_EQ(nextPage.y, 161);
  EXPECT_TRUE(nextPage.startsPage);

  EXPECT_EQ(layout.PlaceOfRow(122).page, 3);
}

TEST(PageLayout, RowEndingExactlyAtTheLimitOpensANewPage) {
  // limit = 262 - 50 = 212: the second row would sit at 212 exactly.
  const PageLayout layout(200, 262, 50);
  EXPECT_EQ(layout.RowsPerPage(), 1u);
  const PageLayout roomier(200, 263, 50);
  EXPECT_EQ(roomier.RowsPerPage(), 2u);
}

TEST(PageLayout, PageTooShortStillPrintsOneRowPerPage) {
  const PageLayout layout(100, 40, 50);
  EXPECT_EQ(layout.RowsPerPage(), 1u);
  EXPECT_EQ(layout.PlaceOfRow(3).page, 4);
}

TEST(ListingTexts, AttributeLetters) {
  EXPECT_EQ(AttributeLetters(0x20), L"a---");
  EXPECT_EQ(AttributeLetters(0x01 | 0x02), L"-rh-");
  EXPECT_EQ(AttributeLetters(0x27), L"arhs");
  EXPECT_EQ(AttributeLetters(0), L"----");
  EXPECT_EQ(AttributeLetters(0x10 | 0x80), L"----");  // directory, normal
}

TEST(ListingTexts, CreationTimeIsLowerCased) {
  EXPECT_EQ(CreationTimeText(LocalTime{1997, 3, 5, 14, 15, 33, 3}), L"mar 05,1997 02:15:33");
  EXPECT_EQ(CreationTimeText(LocalTime{2024, 12, 31, 0, 0, 0, 2}), L"dec 31,2024 12:00:00");
}

TEST(ListingRows, AFileShowsItsSizeAttributesAndCreationTime) {
  const ListingRow row =
      MakeListingRow(L"Report.TXT", ListedFile{1234, 0x03, LocalTime{1997, 3, 5, 14, 15, 33, 3}});
  EXPECT_EQ(row.name, L"report.txt");
  EXPECT_EQ(row.size, L"1234");
  EXPECT_EQ(row.attributes, L"-rh-");
  EXPECT_EQ(row.created, L"mar 05,1997 02:15:33");
}

TEST(ListingRows, NamesLowerCaseTheirAccentedLetters) {
  EXPECT_EQ(MakeListingRow(L"ÄRGER.TXT", ListedFile{}).name, L"ärger.txt");
}

TEST(ListingRows, AVanishedFileKeepsItsNameAndIsMarked) {
  const ListingRow row = MakeListingRow(L"Gone.DAT", std::nullopt);
  EXPECT_EQ(row.name, L"gone.dat");
  EXPECT_EQ(row.size, L"(file not found)");
  EXPECT_EQ(row.attributes, L"");
  EXPECT_EQ(row.created, L"");
}

TEST(ListingTexts, PathTextIsTheShownFolderAndPatternLowerCased) {
  EXPECT_EQ(ListingPathText(L"C:\\WINDOWS\\", L"*.TXT"), L"c:\\windows\\*.txt");
  // The pattern still carries the folder when the list could not be filled.
  EXPECT_EQ(ListingPathText(L"C:\\WINDOWS\\", L"C:\\WINDOWS\\*.TXT"), L"c:\\windows\\*.txt");
  EXPECT_EQ(PageHeaderText(1, ListingPathText(L"C:\\WINDOWS\\", L"*.TXT")),
            L"page 1 of directory listing of c:\\windows\\*.txt");
}
