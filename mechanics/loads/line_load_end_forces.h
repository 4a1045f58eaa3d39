#pragma once
// Line loads on a beam element: the equivalent end forces of a load that varies
// linearly over a stretch of an element clamped at both ends, and the resultant
// of such a load. Plain numbers in, plain numbers out; x runs from the element's
// start node, t is the load along the axis and n the load across it (along the
// left normal).
namespace mechanics {

// q(x) = at_start + slope * x, x measured from the element's start node.
struct LinearLoad {
  double at_start = 0.0;
  double slope = 0.0;

  double At(double x) const { return at_start + slope * x; }
};

// The load with the values q_start at s0 and q_end at s1, extended linearly to
// the whole element; a stretch of zero length gives the constant q_start.
LinearLoad LoadThrough(double s0, double q_start, double s1, double q_end);

// The integrals over the loaded stretch [s0, s1] of the shape functions of an
// element of length l times the load:
//   na = int (1 - x/l) t,                    nb = int (x/l) t,
//   va = int (1 - 3x^2/l^2 + 2x^3/l^3) n,    vb = int (3x^2/l^2 - 2x^3/l^3) n,
//   ma = int (x - 2x^2/l + x^3/l^2) n,       mb = int (-x^2/l + x^3/l^2) n.
// na, va are the forces the clamped start takes, nb, vb those of the end; ma is
// the start moment and -mb the end moment of the clamped element, both
// counter-clockwise positive for a load along the left normal.
struct ClampedEndForces {
  double na = 0.0;
  double nb = 0.0;
  double va = 0.0;
  double vb = 0.0;
  double ma = 0.0;
  double mb = 0.0;
};

ClampedEndForces ClampedLineLoadEndForces(double length, double s0, double s1, const LinearLoad& along,
                                          const LinearLoad& across);

// The resultant of a load that runs linearly from q_start to q_end over a
// stretch of the given length, and its distance from the stretch's start
// (the centroid of the trapezoid; 0 when the two values cancel).
struct Resultant {
  double value = 0.0;
  double offset = 0.0;
};

Resultant TrapezoidResultant(double q_start, double q_end, double stretch);

}  // namespace mechanics
