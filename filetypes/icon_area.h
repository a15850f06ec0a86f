// Where the Properties dialog draws the shown icon: a frame with a margin
// around the icon, centred on the Next and Previous buttons and between them,
// inside the Icon group box. It is worked out from the controls' places in
// the dialog's own pixels, so it follows the dialog's scale (display DPI and
// dialog font) instead of holding one layout's pixels.
#pragma once
#include <windows.h>

struct IconAreaPlace {
  RECT frame{};  // right and bottom excluded, as Rectangle() takes them
  POINT iconOrigin{};
  int iconSize = 0;
};

// The margin around the icon at 96 dpi.
inline constexpr int kIconMarginAt96Dpi = 5;

// `group`, `next` and `previous` are client rectangles of the dialog;
// `iconSize` and `margin` are in its pixels. An icon that does not fit
// between the buttons or inside the group box is drawn smaller.
IconAreaPlace PlaceIconArea(const RECT& group, const RECT& next, const RECT& previous, int iconSize,
                            int margin);
