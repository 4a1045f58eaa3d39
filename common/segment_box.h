#pragma once
// Whether a line meets a box: the picking test of the editors and the viewer.
namespace common {

// A box in model coordinates, min <= max.
struct SegmentBox {
  float xmin = 0.0f, zmin = 0.0f, xmax = 0.0f, zmax = 0.0f;
};

// Whether the line through (x1, z1) and (x2, z2) meets a side of `box`, tested
// bottom, right, top, left. A line with |x2 - x1| <= eps counts as having the
// slope 1e6, as do the vertical sides; a line parallel to a side counts as
// meeting it at its first corner (xmin for the horizontal sides, zmin for the
// right side, zmax for the left side). Intersections are rounded to float and
// compared with the bounds included.
bool SegmentMeetsBox(float x1, float z1, float x2, float z2, const SegmentBox& box, double eps);

}  // namespace common
