#include "common/rotated_font.h"

#include <algorithm>
#include <cmath>

namespace common {
namespace {

// Beyond this a font is no longer a text: the height and width are cut to it.
constexpr double kLargestFontUnits = 100000.0;

// Whole units within what a font's height can hold; what is not a number counts 0.
int Rounded(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::floor(std::clamp(v, -kLargestFontUnits, kLargestFontUnits) + 0.5));
}

}  // namespace

plat::Font CreateRotatedFont(plat::Dc& dc, const RotatedFontRequest& request) {
  double ppi_x = dc.GetDeviceCaps(plat::LOGPIXELSX);
  double ppi_y = dc.GetDeviceCaps(plat::LOGPIXELSY);
  if (!request.logical_pixels) {
    const int horz_size = dc.GetDeviceCaps(plat::HORZSIZE);
    const int vert_size = dc.GetDeviceCaps(plat::VERTSIZE);
    if (horz_size > 0) ppi_x = dc.GetDeviceCaps(plat::HORZRES) * 25.4 / horz_size;
    if (vert_size > 0) ppi_y = dc.GetDeviceCaps(plat::VERTRES) * 25.4 / vert_size;
  }
  const int saved = dc.SaveDC();
  dc.SetGraphicsMode(plat::GM_ADVANCED);
  dc.SetWorldTransform(plat::XForm{});
  dc.SetViewportOrg(0, 0);
  dc.SetWindowOrg(0, 0);
  const plat::PointD logical =
      dc.DeviceToLogical(plat::PointD{request.width * ppi_x / 72.0, request.size * ppi_y / 72.0});
  dc.RestoreDC(saved);

  plat::Font font;
  font.face = request.face;
  font.height = -Rounded(std::fabs(logical.y) / 10.0);
  font.width = 0;
  font.weight = (request.style & 1) != 0 ? plat::FW_BOLD : plat::FW_DONTCARE;
  font.italic = (request.style & 2) != 0;
  font.underline = (request.style & 4) != 0;
  font.strike_out = (request.style & 8) != 0;
  font.escapement = request.angle;
  font.orientation = request.angle;
  if (request.width != 0 && font.height != 0 && std::isfinite(logical.x)) {
    const plat::Font previous = dc.SelectFont(font);
    const int average = dc.GetTextMetrics().ave_char_width;
    dc.SelectFont(previous);
    font.width = Rounded(std::fabs(logical.x) * average / std::fabs(logical.y));
  }
  return font;
}

plat::Font CreateRotatedFont(plat::Dc& dc, int size, int angle) {
  RotatedFontRequest request;
  request.size = size;
  request.angle = angle;
  return CreateRotatedFont(dc, request);
}

}  // namespace common
