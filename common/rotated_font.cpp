#include "common/rotated_font.h"

#include <cmath>

namespace common {

plat::Font CreateRotatedFont(plat::Dc& dc, int size, int angle) {
  const int saved = dc.SaveDC();
  dc.SetGraphicsMode(plat::GM_ADVANCED);
  dc.SetWorldTransform(plat::XForm{});
  dc.SetViewportOrg(0, 0);
  dc.SetWindowOrg(0, 0);
  const double device_height = size * double(dc.GetDeviceCaps(plat::LOGPIXELSY)) / 72.0;
  const plat::PointD logical = dc.DeviceToLogical(plat::PointD{0.0, device_height});
  dc.RestoreDC(saved);

  plat::Font font;
  font.face = "ARIAL";
  font.height = -static_cast<int>(std::floor(std::fabs(logical.y) / 10.0 + 0.5));
  font.width = 0;
  font.weight = plat::FW_DONTCARE;
  font.escapement = angle;
  font.orientation = angle;
  return font;
}

}  // namespace common
