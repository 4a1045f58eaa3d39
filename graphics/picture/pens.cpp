#include "graphics/picture/pens.h"

namespace revuzavi {

plat::Pen TablePen(const ViewerState& viewer, int index) {
  const int width = viewer.line_width;
  const plat::ColorRef black = plat::Rgb(0, 0, 0);
  switch (index) {
    case 2: return plat::Pen{plat::PS_DASH, width, black};
    case 3: return plat::Pen{plat::PS_DOT, width, black};
    case 4: return plat::Pen{plat::PS_DASHDOT, width, black};
    case -1: return plat::Pen{plat::PS_SOLID, width, kRedPen};
    case -2:
    case -4: return plat::Pen{plat::PS_SOLID, width, plat::Rgb(255, 255, 255)};
    case -3: return plat::Pen{plat::PS_SOLID, viewer.second_line_width, kGreenPen};
    case -5: return plat::Pen{plat::PS_SOLID, width, kRosePen};
    case -6: return plat::Pen{plat::PS_SOLID, viewer.second_line_width, kRedPen};
    case -7: return plat::Pen{plat::PS_SOLID, 2 * width, kRedPen};
    case kDiagramCurvePen: return plat::Pen{plat::PS_SOLID, viewer.second_line_width, black};
    case kShapeCurvePen: return plat::Pen{plat::PS_DASH, viewer.second_line_width, black};
    default: return plat::Pen{plat::PS_SOLID, width, black};
  }
}

plat::Pen SelectPen(Canvas& c, int index) {
  c.picture.pen_index = index;
  return c.dc.SelectPen(TablePen(c.viewer, index));
}

}  // namespace revuzavi
