#pragma once
// The moment and shear lines of an element held at both ends under a unit
// dislocation at `position` metres from its start node: what the Green-function
// pictures and the influence values add on the Green point's element. They are
// the load curves of the unit dislocation, so they equal the composed curves.
#include "mechanics/curves/curve_line.h"

namespace revuzavi {

// A unit moment (the moment line does not depend on EI).
mechanics::CurveLine MomentLineUnitMoment(double length, double position);
mechanics::CurveLine ShearLineUnitMoment(double length, double position);
// A unit jump of the deflection.
mechanics::CurveLine MomentLineUnitJump(double length, double ei, double position);
mechanics::CurveLine ShearLineUnitJump(double length, double ei, double position);
// A unit kink (a jump of the rotation).
mechanics::CurveLine MomentLineUnitKink(double length, double ei, double position);
mechanics::CurveLine ShearLineUnitKink(double length, double ei, double position);

}  // namespace revuzavi
