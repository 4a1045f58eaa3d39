#pragma once
// Snapping a click to the nearer end of an element near it, so that elements
// entered by clicks join exactly.
#include <cstdint>

#include "common/segment_box.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// A point in model coordinates: x and the user's vertical z.
struct ClickPoint {
  float x = 0.0f;
  float z = 0.0f;
};

// A box in model coordinates, min <= max, and whether a line meets it.
using SnapBox = common::SegmentBox;
using common::SegmentMeetsBox;

// With d = 1.2 sqrt(2 r^2) for the pick radius r, the elements are searched
// from the last to the first for one whose x and z ranges come within d of
// the box click +- d and whose line meets that box (eps = FrameParams 512).
// The first found moves `click` to its nearer end (by float distances; a tie
// goes to end b) and its number is returned; 0 when none is found and `click`
// stays.
std::int16_t SnapToElementEnd(const FrameModel& model, float pick_radius, ClickPoint& click);

}  // namespace kelmf
