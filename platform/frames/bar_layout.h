#pragma once
// Where a frame's docked bars and its view go: the bars along the top take
// the whole width, one row each, outermost first (the menu bar, then the tool
// bars in the order they were made); the status bar lies along the bottom
// edge with the tool bars docked at the bottom above it; the bars docked at
// the left and the right take the height left between, one column each. The
// view gets the rest. Hidden and floating bars take no room.
#include <vector>

#include "platform/dc/gdi_types.h"

namespace plat {

class ControlBar;

struct BarSlot {
  ControlBar* bar = nullptr;
  Rect rect;
};

struct BarLayout {
  std::vector<BarSlot> bars;  // the docked, shown bars and their places
  Rect pane;                  // what the view (or the client) gets
};

// The layout in `area` (client coordinates) of the bars in the order made.
BarLayout LayOutBars(const Rect& area, const std::vector<ControlBar*>& bars);

}  // namespace plat
