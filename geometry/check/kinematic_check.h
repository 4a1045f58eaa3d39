#pragma once
// The kinematic check of a Store: from K it finds a mechanism of the frame and
// the poles of its elements, and writes its listings into the position folder
// (kinematic_listings.h). K itself is not changed: the check transforms a copy.
#include "common/position/position.h"
#include "geometry/check/check_report.h"
#include "geometry/model/frame_model.h"
#include "geometry/model/kinematic_result.h"
#include "mechanics/dense_matrix.h"

namespace kelmf {

// K is kept in this matrix file while the check runs and deleted at its end.
inline constexpr const char* kKinematicSaveFile = "MTEMP";

// Called by SupportCheck once K holds the elements and the support springs,
// before the translation tests. Saves K in MTEMP, lists K, eliminates forward
// (listed as the triangular form), backward and normalises the rows (listed as
// the reduced echelon form). A free row makes a mechanism: its column, its
// vector and the pole of every element are listed and kept in
// model.kinematics. Without one, model.kinematics is cleared (column 0, no
// vector, no poles) and no mechanism listing is left in the folder.
// When MTEMP cannot be written the check stops after MatrixFileError and sets
// report.end_program. Returns what model.kinematics now holds.
KinematicResult KinematicCheck(FrameModel& model, const common::Position& position, const mechanics::Matrix& k,
                               CheckReport& report);

}  // namespace kelmf
