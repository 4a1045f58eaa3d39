#include "platform/frames/bar_layout.h"

#include <algorithm>

#include "platform/frames/control_bar.h"

namespace plat {

BarLayout LayOutBars(const Rect& area, const std::vector<ControlBar*>& bars) {
  BarLayout layout;
  std::vector<ControlBar*> shown;
  for (ControlBar* bar : bars) {
    if (bar->GetDockSide() != DockSide::kFloating && bar->IsBarVisible()) shown.push_back(bar);
  }
  int top = area.top;
  int bottom = area.bottom;
  int left = area.left;
  int right = area.right;
  for (ControlBar* bar : shown) {
    if (bar->GetDockSide() != DockSide::kTop) continue;
    const int h = bar->CalcHeight(area.Width());
    layout.bars.push_back({bar, Rect{area.left, top, area.right, top + h}});
    top += h;
  }
  // The fixed bars of the bottom (the status bar) lie outermost, the one made last nearest the edge.
  std::vector<ControlBar*> at_bottom;
  for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
    if ((*it)->GetDockSide() == DockSide::kBottom && !(*it)->CanDock()) at_bottom.push_back(*it);
  }
  for (ControlBar* bar : shown) {
    if (bar->GetDockSide() == DockSide::kBottom && bar->CanDock()) at_bottom.push_back(bar);
  }
  for (ControlBar* bar : at_bottom) {
    const int h = bar->CalcHeight(area.Width());
    layout.bars.push_back({bar, Rect{area.left, bottom - h, area.right, bottom}});
    bottom -= h;
  }
  bottom = std::max(top, bottom);
  for (ControlBar* bar : shown) {
    const DockSide side = bar->GetDockSide();
    if (side != DockSide::kLeft && side != DockSide::kRight) continue;
    const int w = bar->CalcWidth(bottom - top);
    if (side == DockSide::kLeft) {
      layout.bars.push_back({bar, Rect{left, top, left + w, bottom}});
      left += w;
    } else {
      layout.bars.push_back({bar, Rect{right - w, top, right, bottom}});
      right -= w;
    }
  }
  layout.pane = Rect{left, top, std::max(left, right), bottom};
  return layout;
}

}  // namespace plat
