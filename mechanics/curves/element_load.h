#pragma once
// The loads that act on an element between its ends, in the element's own axes (x from the start
// node along the axis, "across" along the left normal), as plain numbers.
namespace mechanics {

// A line load over the stretch [start, end] (0 and l for a whole-element load) with the load
// across the axis q(x) = across_at_start + across_slope x and along it p(x) = along_at_start +
// along_slope x, x from the start node; and what the load input integrated for the element
// clamped at both ends: the normal force at its start and the bending moments at its two ends.
struct LineLoadOnElement {
  double length = 1.0;
  double start = 0.0, end = 1.0;
  double across_at_start = 0.0, across_slope = 0.0;
  double along_at_start = 0.0, along_slope = 0.0;
  double normal_force_at_start = 0.0;
  double moment_at_start = 0.0, moment_at_end = 0.0;
};

enum class PointLoadKind {
  kForce = 0,                  // across and along
  kMoment = 1,                 // moment, with the sign of the load vector
  kKink = 2,                   // value: a jump of the rotation
  kTransverseDislocation = 4,  // value: a jump of w
  kAxialDislocation = 5,       // value: a jump of u
};

// A point load at distance a from the start node. A kind outside the list acts on nothing.
struct PointLoadOnElement {
  int kind = 0;
  double a = 0.0;
  double across = 0.0, along = 0.0;
  double moment = 0.0;
  double value = 0.0;
};

}  // namespace mechanics
