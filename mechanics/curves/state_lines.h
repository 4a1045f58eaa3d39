#pragma once
// The state lines of a line load: the normal force, bending moment and shear force that the load
// causes on its element with both ends held, at the samples of the element. The element's curves
// add them to the part that its end displacements impose.
#include "mechanics/curves/curve_line.h"
#include "mechanics/curves/element_load.h"

namespace mechanics {

struct StateLines {
  CurveLine n, m, v;
};

// N: the start value less the axial load up to x. M: the straight line between the two end
// moments plus the moment of the load on the simply supported span. V = dM/dx. The simply
// supported part follows from the first moments of the load, so a load whose values cancel or
// change sign has its part too. A stretch that ends before it starts carries no load.
StateLines FixedEndStateLines(const LineLoadOnElement& load);

// The same three at one place x of the element (0 <= x <= l); the state lines are these at the
// samples.
SectionForces FixedEndForcesAt(const LineLoadOnElement& load, double x);

}  // namespace mechanics
