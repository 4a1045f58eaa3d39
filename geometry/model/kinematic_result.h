#pragma once
// What the kinematic check of the last Store found, for the editor's drawing
// of a mechanism: the mechanism column, the mechanism vector and the poles.
#include "geometry/model/pole_table.h"
#include "mechanics/dense_vector.h"

namespace kelmf {

struct KinematicResult {
  // The kinematic degree of freedom: the column of the reduced echelon form
  // that the mechanism comes from, 1..n; 0 when there is no mechanism.
  int column = 0;
  // The mechanism: a displacement per equation 1..n, 1 at `column`; empty
  // when there is no mechanism.
  mechanics::Vector mechanism;
  // One pole per element of the frame (count = element count) with a
  // mechanism; cleared without one.
  PoleTable poles;

  bool found() const { return column > 0; }
};

}  // namespace kelmf
