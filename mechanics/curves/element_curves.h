#pragma once
// The curves of an element in its own axes as the sum of the part its end displacements impose
// and the local part of the loads between its ends, taken with both ends held. Each function
// gives one part; the caller adds them.
#include "mechanics/curves/curve_line.h"
#include "mechanics/curves/element_load.h"
#include "mechanics/element_stiffness.h"

namespace mechanics {

// A point force or moment this close to the start node leaves the shear force alone: it acts on
// the node.
inline constexpr double kShearFreeDistance = 0.01;

// Displacements of the element's ends in its own axes: along the axis, across it, rotation.
struct EndValues {
  double axial_a = 0, transverse_a = 0, rotation_a = 0;
  double axial_b = 0, transverse_b = 0, rotation_b = 0;
};

// u linear, w the cubic interpolation, M = -EI w'', V = -EI w''' and N = EA (u_b - u_a) / l.
ElementCurves EndDisplacementCurves(const EndValues& ends, double length, const Rigidity& rigidity);
// Its N, M and V at one place x (0 <= x <= l); the curves' samples are these.
SectionForces EndDisplacementForcesAt(const EndValues& ends, double length, const Rigidity& rigidity, double x);

// A point load at a >= 0 (a negative distance acts on nothing). M is the simply supported line of
// the load plus the straight line between the held element's end moments, which are those of the
// load vector (mechanics/element_loads.h); V = dM/dx, except for a force or moment within
// kShearFreeDistance of the start node. w and u are exact.
ElementCurves PointLoadCurves(const PointLoadOnElement& load, double length, const Rigidity& rigidity);
// Its N, M and V at one place x (0 <= x <= l); at x = a they are those just before the load.
SectionForces PointLoadForcesAt(const PointLoadOnElement& load, double length, const Rigidity& rigidity, double x);

// The state lines of the load (N, M, V), its deflection and its axial displacement.
ElementCurves LineLoadCurves(const LineLoadOnElement& load, const Rigidity& rigidity);

// A uniform change t and a difference dt between the faces of a section of height h: the
// restraint force -alpha t EA in N and the restraint moment -alpha dt EI / h in M; the held
// element neither moves nor deflects.
ElementCurves TemperatureCurves(double alpha, double t, double dt, double h, const Rigidity& rigidity);
// Its N and M, the same everywhere.
SectionForces TemperatureSectionForces(double alpha, double t, double dt, double h, const Rigidity& rigidity);

}  // namespace mechanics
