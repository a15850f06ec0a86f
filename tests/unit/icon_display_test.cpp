// The Properties dialog's icon area: where the frame goes at any scale,
// browsing by index across the whole 32-bit range, and which file the icons
// are read from.
#include "filetypes/icon_area.h"
#include "filetypes/icon_browsing.h"
#include "filetypes/icon_source.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <set>
#include <string>

namespace {

// A control's pixels as a dialog with these base units places it.
RECT ControlPixels(int x, int y, int width, int height, int baseX, int baseY) {
  const int left = MulDiv(x, baseX, 4);
  const int top = MulDiv(y, baseY, 8);
  return {left, top, left + MulDiv(width, baseX, 4), top + MulDiv(height, baseY, 8)};
}

struct IconColumn {
  RECT group, next, previous;
};

// The English template's Icon group, Next and Previous.
IconColumn EnglishIconColumn(int baseX, int baseY) {
  return {ControlPixels(230, 5, 50, 80, baseX, baseY), ControlPixels(235, 15, 40, 15, baseX, baseY),
          ControlPixels(235, 65, 40, 15, baseX, baseY)};
}

TEST(PlaceIconArea, At96DpiWithSixByThirteenBaseUnitsTheLayoutsOwnPixels) {
  const IconColumn column = EnglishIconColumn(6, 13);
  const IconAreaPlace place = PlaceIconArea(column.group, column.next, column.previous, 32, 5);
  EXPECT_EQ(place.frame.left, 362);
  EXPECT_EQ(place.frame.top, 56);
  EXPECT_EQ(place.frame.right, 404);
  EXPECT_EQ(place.frame.bottom, 98);
  EXPECT_EQ(place.iconOrigin.x, 367);
  EXPECT_EQ(place.iconOrigin.y, 61);
  EXPECT_EQ(place.iconSize, 32);
}

TEST(PlaceIconArea, StaysInsideTheGroupBetweenTheButtonsAtEveryScale) {
  const struct {
    int baseX, baseY, iconSize, margin;
  } cases[] = {
      {7, 13, 32, 5},    // another face for "MS Sans Serif"
      {7, 16, 40, 6},    // 120 dpi
      {9, 20, 48, 8},    // 144 dpi
      {12, 26, 64, 10},  // 192 dpi
      {6, 13, 48, 8},    // an icon larger than the room: drawn smaller
      {3, 6, 32, 5},     // hardly any room at all
  };
  for (const auto& c : cases) {
    const IconColumn column = EnglishIconColumn(c.baseX, c.baseY);
    const IconAreaPlace place =
        PlaceIconArea(column.group, column.next, column.previous, c.iconSize, c.margin);
    const RECT& frame = place.frame;
    SCOPED_TRACE(testing::Message() << c.baseX << "x" << c.baseY << ", icon " << c.iconSize);
    EXPECT_GE(frame.left, column.group.left);
    EXPECT_LE(frame.right, column.group.right);
    EXPECT_GE(frame.top, column.next.bottom);
    EXPECT_LE(frame.bottom, column.previous.top);
    EXPECT_LE(place.iconSize, c.iconSize);
    EXPECT_GE(place.iconOrigin.x, frame.left);
    EXPECT_LE(place.iconOrigin.x + place.iconSize, frame.right);
    EXPECT_GE(place.iconOrigin.y, frame.top);
    EXPECT_LE(place.iconOrigin.y + place.iconSize, frame.bottom);
    // Centred on the buttons, give or take the rounding of a half pixel.
    EXPECT_LE(std::abs((frame.left + frame.right) - (column.next.left + column.next.right)), 1);
  }
}

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(IconBrowsing, NextPreviousAndCaptionOverTheWholeRange) {
  const struct {
    int index, count, next, previous;
    const wchar_t* caption;
  } cases[] = {
      {0, 5, 1, 4, L"1 of 5"},
      {4, 5, 0, 3, L"5 of 5"},
      {7, 5, 0, 6, L"8 of 5"},  // a registered index past the icons
      {-3, 5, -2, -4, L"-2 of 5"},
      {0, 0, 0, -1, L"1 of 0"},
      {kMax, 5, 0, kMax - 1, L"2147483647 of 5"},
      {kMin, 5, kMin + 1, kMin, L"-2147483647 of 5"},
      {kMax - 1, kMax, 0, kMax - 2, L"2147483647 of 2147483647"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << " of " << c.count);
    EXPECT_EQ(NextIconIndex(c.index, c.count), c.next);
    EXPECT_EQ(PreviousIconIndex(c.index, c.count), c.previous);
    EXPECT_EQ(IconCaption(c.index, c.count), c.caption);
  }
}

TEST(ResolveIconFile, FullPathsAsTheyAreRelativeNamesOnlyInTheSystemFolders) {
  const std::vector<std::wstring> folders = {L"C:\\windows\\system32", L"C:\\windows\\"};
  const std::set<std::wstring> files = {L"C:\\windows\\system32\\shell32.dll", L"C:\\windows\\notepad.exe",
                                        L"C:\\windows\\system32\\sub\\a.dll"};
  const auto isFile = [&](const std::wstring& path) { return files.contains(path); };
  const struct {
    const wchar_t* text;
    const wchar_t* file;  // nullptr: no file, no icons
  } cases[] = {
      {L"none", nullptr},  // what an unregistered type shows
      {L"", nullptr},
      {L"c:\\icons\\a.ico", L"c:\\icons\\a.ico"},
      {L"\\\\server\\share\\a.dll", L"\\\\server\\share\\a.dll"},
      {L"shell32.dll", L"C:\\windows\\system32\\shell32.dll"},
      {L"notepad.exe", L"C:\\windows\\notepad.exe"},
      {L"sub\\a.dll", L"C:\\windows\\system32\\sub\\a.dll"},
      {L"missing.dll", nullptr},
      {L"c:a.dll", nullptr},
      {L"\\a.dll", nullptr},
      {L"c:\\a.dll:stream", nullptr},
      {L"\\\\.\\PhysicalDrive0", nullptr},
      {L"\\\\?\\c:\\a.dll", nullptr},
  };
  for (const auto& c : cases) {
    const auto resolved = ResolveIconFile(c.text, folders, isFile);
    if (c.file) {
      EXPECT_EQ(resolved, std::optional<std::wstring>(c.file)) << c.text;
    } else {
      EXPECT_EQ(resolved, std::nullopt) << c.text;
    }
  }
}

TEST(IconSourceFile, ExpandsEnvironmentReferencesFirst) {
  ASSERT_TRUE(SetEnvironmentVariableW(L"DORVEX_ICON_TEST", L"C:\\windows\\system32"));
  EXPECT_EQ(IconSourceFile(L"%DORVEX_ICON_TEST%\\any.dll"), L"C:\\windows\\system32\\any.dll");
  EXPECT_EQ(IconSourceFile(L"none"), std::nullopt);
}

}  // namespace
