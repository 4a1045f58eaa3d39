#pragma once
// The stiffness of a fixed support: a support value s adds |s| times it to the
// diagonal of its degree of freedom. It stands in FrameParams (byte 704) for the
// solver and the results viewer, so Store computes it before PARAMR is written,
// and the model check uses the same value.
#include "geometry/model/frame_model.h"

namespace kelmf {

// The largest E of the materials times the largest A of the cross sections, in
// single precision as FrameParams holds it; both start at 0, so an empty table
// (or one of only negative values) gives 0.
float SupportStiffness(const FrameModel& model);

}  // namespace kelmf
