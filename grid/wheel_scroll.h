#pragma once
// What a turn of the mouse wheel asks the grid to scroll.
#include "platform/window/messages.h"

namespace grid {

struct WheelScroll {
  plat::UINT code = plat::SB_LINEUP;  // the WM_VSCROLL code to post
  int count = 0;                      // how many times
  friend bool operator==(const WheelScroll&, const WheelScroll&) = default;
};

// `delta` in 120ths of a notch (positive away from the user); `lines` the
// lines a notch scrolls, -1 for a page a notch. The count never exceeds
// `row_count`: more posts could scroll no further.
WheelScroll WheelScrollPosts(int delta, int lines, int row_count);

}  // namespace grid
