#pragma once
// The grid's colours and how they follow a change of the system colours.
#include "platform/dc/gdi_types.h"

namespace grid {

// The four system colours the grid's colours start from.
struct SystemColours {
  plat::ColorRef window_text = 0;
  plat::ColorRef window = 0;
  plat::ColorRef face = 0;    // 3D face
  plat::ColorRef shadow = 0;  // 3D shadow
  friend bool operator==(const SystemColours&, const SystemColours&) = default;

  // The system's colours now.
  static SystemColours Current();
};

struct GridColours {
  plat::ColorRef text = 0;
  plat::ColorRef text_background = 0;
  plat::ColorRef background = 0;  // the client area outside the cells
  plat::ColorRef fixed_text = 0;
  plat::ColorRef fixed_background = 0;
  plat::ColorRef grid_lines = 0;
  friend bool operator==(const GridColours&, const GridColours&) = default;

  // The colours of a new grid.
  static GridColours From(const SystemColours& system);
};

// After the system colours changed from `before` to `now`: each colour that
// still is the system colour it came from takes the new one; colours set by
// the program keep theirs.
void FollowSystemColours(GridColours& colours, const SystemColours& before, const SystemColours& now);

}  // namespace grid
