#include "filetypes/icon_area.h"

#include <algorithm>

IconAreaPlace PlaceIconArea(const RECT& group, const RECT& next, const RECT& previous, int iconSize,
                            int margin) {
  const int room = std::max(0L, std::min(previous.top - next.bottom, group.right - group.left));
  margin = std::clamp(margin, 0, room / 2);
  iconSize = std::clamp(iconSize, 0, room - 2 * margin);
  const int frameSize = iconSize + 2 * margin;

  // Halves round down: at 96 dpi with 6x13 dialog base units this gives the
  // frame (362, 56)-(404, 98) that the layout was first drawn with.
  int left = (next.left + next.right - frameSize) / 2;
  left = std::clamp(static_cast<LONG>(left), group.left, std::max(group.left, group.right - frameSize));
  const int top = (next.bottom + previous.top - frameSize) / 2;

  IconAreaPlace place;
  place.frame = {left, top, left + frameSize, top + frameSize};
  place.iconOrigin = {left + margin, top + margin};
  place.iconSize = iconSize;
  return place;
}
