#pragma once
// The kinematic check of a Store: from K it finds a mechanism of the frame and
// the poles of its elements, writes its listings into the position folder and
// fills model.poles. It leaves K as it is.
#include "common/position/position.h"
#include "geometry/check/check_report.h"
#include "geometry/model/frame_model.h"
#include "mechanics/dense_matrix.h"

namespace kelmf {

// Called by SupportCheck once K holds the elements and the support springs,
// before the translation tests. Does nothing yet.
void KinematicCheck(FrameModel& model, const common::Position& position, const mechanics::Matrix& k,
                    CheckReport& report);

}  // namespace kelmf
