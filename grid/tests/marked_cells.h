#pragma once
// What a paint of the grid marks as a person sees it: the cells filled in the
// selection colour and the cells framed in black (the focus), read from a
// recording of the whole paint.
#include <set>
#include <string>

#include "grid/grid_ctrl.h"
#include "platform/dc/recording_dc.h"

namespace grid::test {

struct MarkedCells {
  std::set<CCellID> highlighted;  // filled with COLOR_HIGHLIGHT
  std::set<CCellID> framed;       // a black frame without a fill
};

// "framed (r,c)... highlighted (r,c)...".
inline std::string Describe(const MarkedCells& marks) {
  const auto cells = [](const std::set<CCellID>& set) {
    std::string text;
    for (const CCellID& c : set) text += " (" + std::to_string(c.row) + "," + std::to_string(c.col) + ")";
    return text;
  };
  return "framed" + cells(marks.framed) + " highlighted" + cells(marks.highlighted);
}

inline MarkedCells MarksOfPaint(CGridCtrl& grid) {
  plat::RecordingDc dc;
  grid.OnDraw(dc);
  MarkedCells marks;
  for (const plat::DeviceOp& op : dc.ops()) {
    const CCellID cell = grid.CellAtPoint(plat::Point{op.rect.left, op.rect.top}, true);
    if (op.kind == plat::DeviceOp::Kind::kFillRect && op.brush.color == plat::GetSysColor(plat::COLOR_HIGHLIGHT)) {
      marks.highlighted.insert(cell);
    } else if (op.kind == plat::DeviceOp::Kind::kRectangle && op.brush.style == plat::BS_NULL &&
               op.pen.color == plat::Rgb(0, 0, 0)) {
      marks.framed.insert(cell);
    }
  }
  return marks;
}

}  // namespace grid::test
