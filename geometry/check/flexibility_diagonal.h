#pragma once
// The last step of a Store: the model check, then the inverse of K and its
// files.
#include "common/position/position.h"
#include "geometry/check/check_report.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// The largest number of equations that can be inverted.
inline constexpr int kMaxInvertedEquations = 600;

// SupportCheck, then MATRIX, MATRIXP and MATRIXORI, the factors of K (LU), and
// its inverse column by column (INVERSE, FLEXDIA, FLEXMAX, FLEXMAX.TXT).
// INVERSE, FLEXDIA and FLEXMAX are deleted first and whenever the store does
// not complete, so they only ever belong to the model stored. The result is 0
// after the complete inversion, the row of "Singularity in row %d", or
// kModelCheckFailed (a model of more than 600 equations, the message of the
// model check, a file that could not be written; see CheckReport).
CheckReport FlexibilityDiagonal(FrameModel& model, const common::Position& position);

}  // namespace kelmf
