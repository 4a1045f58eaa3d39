#pragma once
// The scale of a result curve in a composed picture: the one given (the user's
// remembered scale) while the curve reads well in the window, else one fitted to
// the window with room for the labels beyond the curve.
#include <vector>

#include "graphics/picture/canvas.h"

namespace revuzavi {

// A drawn point of a curve: its point on the axis and its offset at scale 1, world units.
struct OffsetPoint {
  double x = 0.0, z = 0.0;
  double dx = 0.0, dz = 0.0;
};

// The largest ordinate kept by a given scale is at least this share of the window's shorter side.
inline constexpr double kSmallestOrdinate = 1.0 / 20.0;
// A fitted curve draws its largest ordinate this share of the shorter side off its axis, as far as
// it stays inside.
inline constexpr double kFittedOrdinate = 1.0 / 8.0;

// The scale to draw the points with. Without a window on the picture or with fitting off
// (c.picture.fit.active), `scale`. Else `scale` as
// given while it is a positive number, the largest ordinate is at least kSmallestOrdinate of the
// window's shorter side and every point lies inside the window, a label line from its edges
// (unless c.picture.fit.force); a
// scale fitted otherwise: the largest ordinate kFittedOrdinate of the shorter side, smaller where
// the curve and two label lines beyond it would leave the window; with c.picture.fit.to_bound
// (the wheel changed the scale) the nearest scale in range instead. Notes the scale and whether
// it was fitted in c.picture.fit.
double FitCurveScale(Canvas& c, const std::vector<OffsetPoint>& points, double scale);

}  // namespace revuzavi
