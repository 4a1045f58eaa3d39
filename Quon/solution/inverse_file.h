#pragma once
// The inverse stiffness matrix of the position, INVERSE: n x n doubles, column
// by column, exactly 8 n^2 bytes (K^-1 is symmetric: column r is also row r).
#include "Quon/run/run.h"
#include "common/position/file_names.h"
#include "common/result.h"

namespace zedir {

inline constexpr const char* kInverseFile = common::file_names::kInverse;

// "The inverse stiffness matrix is not found. Click on the button Frame in the
// main menu and store the shape!"
common::Result InverseMissing();

// Reads INVERSE into run.inverse. A missing file fails with InverseMissing; one
// that does not hold exactly 8 n^2 bytes (an inversion that stopped early,
// another model), cannot be read whole or holds a value that is not finite is
// damaged (named). Either ends the run.
common::Result ReadInverse(Run& run);

}  // namespace zedir
