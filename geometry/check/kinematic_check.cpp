#include "geometry/check/kinematic_check.h"

namespace kelmf {

void KinematicCheck(FrameModel& /*model*/, const common::Position& /*position*/, const mechanics::Matrix& /*k*/,
                    CheckReport& /*report*/) {}

}  // namespace kelmf
