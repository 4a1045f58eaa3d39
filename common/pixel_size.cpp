#include "common/pixel_size.h"

#include <algorithm>
#include <cmath>

namespace common {

double PixelsToLogical(const plat::Mapping& mapping, double pixels) {
  const plat::PointD a = mapping.ToLogical(plat::PointD{0.0, 0.0});
  const plat::PointD b = mapping.ToLogical(plat::PointD{pixels, pixels});
  return std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y));
}

}  // namespace common
