#pragma once
// Whether the frame can move as a rigid body along x or y: K times the unit
// translation of every node gives (nearly) no force.
#include "geometry/model/frame_model.h"
#include "mechanics/dense_matrix.h"

namespace kelmf {

enum class Translation { kSideways, kVertical };

// t = 1 at every node's u equation (sideways) or v equation (vertical), else 0;
// true when the sum over the rows of |K t|, accumulated in single precision,
// is below 0.1. Equations outside 1..n are left out of t.
bool TranslatesFreely(const mechanics::Matrix& k, const FrameModel& model, Translation direction);

}  // namespace kelmf
