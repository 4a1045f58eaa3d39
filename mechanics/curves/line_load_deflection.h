#pragma once
// The deflection that a line load across the axis causes on its element clamped at both ends.
#include "mechanics/curves/curve_line.h"
#include "mechanics/curves/element_load.h"

namespace mechanics {

// A load over the whole element (start <= 0 and end >= l) by the closed form of the linearly
// varying load; a partial load by integrating the clamped beam's deflection under a unit force
// against the load, exactly (Gauss-Legendre on either side of each sample).
CurveLine LineLoadDeflection(const LineLoadOnElement& load, double ei);

}  // namespace mechanics
