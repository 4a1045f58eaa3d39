#pragma once
// The model check of a Store before the inversion: K with the support springs,
// the kinematic check and the two translation tests.
#include <optional>

#include "common/position/position.h"
#include "geometry/check/check_report.h"
#include "geometry/model/frame_model.h"
#include "mechanics/dense_matrix.h"

namespace kelmf {

// The listing of the support stiffness in the position folder.
inline constexpr const char* kSupportListing = "DEFSUP.TXT";

// For the model's n equations (FrameParams byte 38): sets the support stiffness
// of FrameParams, writes it into DEFSUP.TXT ("Support stiffness = %.3E"),
// assembles K (AssembleStiffness), runs KinematicCheck, then warns "Frame can
// roll sideways!" and "Frame is not anchored at the ground!" (caption "Error")
// when the frame translates freely; a model without equations is not tested.
// Returns K, or nothing after the message of an element (or node) that stops
// the store, or after the kinematic check could not save K (end_program).
std::optional<mechanics::Matrix> SupportCheck(FrameModel& model, const common::Position& position,
                                              CheckReport& report);

}  // namespace kelmf
