#include "graphics/picture/canvas.h"

#include <cmath>

namespace revuzavi {

int ToLogical(double v) {
  if (!(v > -2e9 && v < 2e9)) return v > 0 ? 2000000000 : -2000000000;  // never outside int
  return static_cast<int>(std::lround(v));
}

int Canvas::Logical(double world) const { return ToLogical(world * viewer.drawing_scale); }

}  // namespace revuzavi
