// The Properties dialog's icon area: where the frame goes at any scale.
#include "filetypes/icon_area.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
      {7, 13, 32, 5},   // another face for "MS Sans Serif"
      {7, 16, 40, 6},   // 120 dpi
      {9, 20, 48, 8},   // 144 dpi
      {12, 26, 64, 10}, // 192 dpi
      {6, 13, 48, 8},   // an icon larger than the room: drawn smaller
      {3, 6, 32, 5},    // hardly any room at all
  };
  for (const auto& c : cases) {
    const IconColumn column = EnglishIconColumn(c.baseX, c.baseY);
    const IconAreaPlace place = PlaceIconArea(column.group, column.next, column.previous, c.iconSize, c.margin);
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

}  // namespace
