#pragma once
// Equivalent nodal forces of the loads that act on one element: the forces at its six equations
// that the element, clamped at both ends, passes to its nodes (the fixed-end forces with the sign
// of the load vector).
//
// Global axes, in the element matrix's order 1 u start, 2 v start, 3 rotation start, 4 u end,
// 5 v end, 6 rotation end. The element runs from its start to its end node with the direction
// cosine and sine of the element record (sine = dy / l, y upward); "across" is the left normal
// (-sine, cosine). Rotations and moments follow phi = -w', M = -EI w''.
#include <array>

namespace mechanics {

struct LoadAxes {
  double length = 1.0;  // taken as at least kShortestElementLength
  double cosine = 1.0;
  double sine = 0.0;
};

// 6 values, 1-based like ElementMatrix.
class NodalForces {
 public:
  double& operator()(int k) { return values_[k - 1]; }
  double operator()(int k) const { return values_[k - 1]; }

 private:
  std::array<double, 6> values_{};
};

// A force at distance a from the start: `across` along the left normal, `along` the axis.
NodalForces PointForceForces(const LoadAxes& axes, double a, double across, double along);
// A moment m0 at distance a, with the sign the solver computes with (the stored value negated).
NodalForces PointMomentForces(const LoadAxes& axes, double a, double m0);
// A kink (jump of the rotation) delta at distance a.
NodalForces KinkForces(const LoadAxes& axes, double a, double delta, double ei);
// A transverse dislocation (jump of w) of the given amount; the forces do not depend on its place.
NodalForces TransverseDislocationForces(const LoadAxes& axes, double amount, double ei);
// An axial dislocation (jump of u) delta.
NodalForces AxialDislocationForces(const LoadAxes& axes, double delta, double ea);
// A uniform temperature change t and a difference dt between the faces of a section of height h:
// the restraint force alpha t EA and the restraint moment alpha dt EI / h.
NodalForces TemperatureForces(const LoadAxes& axes, double alpha, double t, double dt, double ea, double ei,
                              double h);
// A prestressing force p that shortens the element.
NodalForces PrestressForces(const LoadAxes& axes, double p);

}  // namespace mechanics
