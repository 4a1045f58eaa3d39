#pragma once
// The stiffness of a fixed support: a support value s adds s times it to the
// diagonal of its degree of freedom.
#include "geometry/model/frame_model.h"

namespace kelmf {

// The largest E of the materials times the largest A of the cross sections
// (0 when either table is empty).
double SupportStiffness(const FrameModel& model);

}  // namespace kelmf
