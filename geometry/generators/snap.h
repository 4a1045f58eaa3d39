#pragma once
// Snapping a click to the nearer end of an element near it, so that elements
// entered by clicks join exactly.
#include <cstdint>

#include "geometry/model/frame_model.h"

namespace kelmf {

// A point in model coordinates: x and the user's vertical z.
struct ClickPoint {
  float x = 0.0f;
  float z = 0.0f;
};

// A box in model coordinates, min <= max.
struct SnapBox {
  float xmin = 0.0f, zmin = 0.0f, xmax = 0.0f, zmax = 0.0f;
};

// Whether the line through (x1, z1) and (x2, z2) meets a side of `box`, tested
// bottom, right, top, left. A line with |x2 - x1| <= eps counts as having the
// slope 1e6, as do the vertical sides; a line parallel to a side counts as
// meeting it at its first corner (xmin for the horizontal sides, zmin for the
// right side, zmax for the left side). Intersections are rounded to float and
// compared with the bounds included.
bool SegmentMeetsBox(float x1, float z1, float x2, float z2, const SnapBox& box, double eps);

// With d = 1.2 sqrt(2 r^2) for the pick radius r, the elements are searched
// from the last to the first for one whose x and z ranges come within d of
// the box click +- d and whose line meets that box (eps = FrameParams 512).
// The first found moves `click` to its nearer end (by float distances; a tie
// goes to end b) and its number is returned; 0 when none is found and `click`
// stays.
std::int16_t SnapToElementEnd(const FrameModel& model, float pick_radius, ClickPoint& click);

}  // namespace kelmf
