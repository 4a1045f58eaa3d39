#include "graphics/picture/hpgl.h"

#include <cmath>
#include <cstdio>

namespace revuzavi {

std::string HpglNumber(double world) {
  const double v = world * 100.0;
  if (!std::isfinite(v)) return "0.0000";  // never "nan" or "inf" in a file
  char text[64];
  std::snprintf(text, sizeof text, "%7.4lf", v);
  return text;
}

}  // namespace revuzavi
