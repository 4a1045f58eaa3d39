#include "loads/picture/pens.h"

namespace pundf::picture {

plat::Pen PenOfKind(int kind, int width) {
  switch (kind) {
    case -5: return plat::Pen{plat::PS_SOLID, width, plat::Rgb(0, 0, 255)};
    case -4:
    case -2: return plat::Pen{plat::PS_SOLID, width, plat::Rgb(255, 255, 255)};
    case -3: return plat::Pen{plat::PS_SOLID, width, plat::Rgb(0, 180, 0)};
    case -1: return plat::Pen{plat::PS_SOLID, width, plat::Rgb(255, 0, 0)};
    case 2: return plat::Pen{plat::PS_DASH, 0, plat::Rgb(0, 0, 0)};
    case 3: return plat::Pen{plat::PS_DOT, 0, plat::Rgb(0, 0, 0)};
    case 4: return plat::Pen{plat::PS_DASHDOT, 0, plat::Rgb(0, 0, 0)};
    default: return plat::Pen{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)};
  }
}

void SelectPen(plat::Dc& dc, int kind, int width) { dc.SelectPen(PenOfKind(kind, width)); }

}  // namespace pundf::picture
