#pragma once
// TWO: two spans of 4 m with the material and section of BEAM2, q = 10 on span 1, node 1 held in
// x and y, nodes 2 and 3 in y; stored and computed by the real programs in the test's folder.
#include "common/position/position.h"

namespace revuzavi::testing {

common::Position ComputedTwoSpans();

}  // namespace revuzavi::testing
