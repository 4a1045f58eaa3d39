#include "mechanics/curves/element_curves.h"

#include <algorithm>

#include "mechanics/curves/beam_shapes.h"
#include "mechanics/curves/line_load_deflection.h"
#include "mechanics/curves/state_lines.h"
#include "mechanics/element_loads.h"

namespace mechanics {
namespace {

double LengthOf(double length) { return std::max(length, kShortestElementLength); }

// The end forces of the held element in its own axes (cosine 1, sine 0): 1 axial force and
// 3 moment at the start, 6 moment at the end, as the load vector takes them.
NodalForces HeldEndForces(const PointLoadOnElement& load, double l, const Rigidity& rigidity) {
  const LoadAxes own{l, 1.0, 0.0};
  switch (static_cast<PointLoadKind>(load.kind)) {
    case PointLoadKind::kForce:
      return PointForceForces(own, load.a, load.across, load.along);
    case PointLoadKind::kMoment:
      return PointMomentForces(own, load.a, load.moment);
    case PointLoadKind::kKink:
      return KinkForces(own, load.a, load.value, rigidity.ei);
    case PointLoadKind::kTransverseDislocation:
      return TransverseDislocationForces(own, load.value, rigidity.ei);
    case PointLoadKind::kAxialDislocation:
      return AxialDislocationForces(own, load.value, rigidity.ea);
  }
  return NodalForces{};
}

// The moment of the load on the simply supported span and its slope, at x.
struct SpanMoment {
  double m = 0.0, slope = 0.0;
};

SpanMoment SimplySupported(const PointLoadOnElement& load, double l, double x) {
  const double a = load.a;
  switch (static_cast<PointLoadKind>(load.kind)) {
    case PointLoadKind::kForce:
      return x <= a ? SpanMoment{load.across * x * (l - a) / l, load.across * (l - a) / l}
                    : SpanMoment{load.across * (l - x) * a / l, -load.across * a / l};
    case PointLoadKind::kMoment:
      return x <= a ? SpanMoment{-load.moment * x / l, -load.moment / l}
                    : SpanMoment{load.moment * (l - x) / l, -load.moment / l};
    default:
      return SpanMoment{};  // kinks and dislocations leave a simply supported span free of moment
  }
}

// The local deflection and axial displacement at x.
double Deflection(const PointLoadOnElement& load, double l, double ei, double x) {
  const double a = load.a, d = load.value;
  switch (static_cast<PointLoadKind>(load.kind)) {
    case PointLoadKind::kForce:
      return load.across * ClampedForceDeflection(x, a, l, ei);
    case PointLoadKind::kMoment:
      return load.moment * ClampedMomentDeflection(x, a, l, ei);
    case PointLoadKind::kKink: {
      const CubicShapes h = ShapesAt(x, l);
      return x <= a ? -(h.h4 - (l - a) * h.h3) * d : (a * h.h1 + h.h2) * d;
    }
    case PointLoadKind::kTransverseDislocation: {
      const CubicShapes h = ShapesAt(x, l);
      return x <= a ? -h.h3 * d : h.h1 * d;
    }
    default:
      return 0.0;
  }
}

double AxialDisplacement(const PointLoadOnElement& load, double l, double ea, double x) {
  const double a = load.a;
  switch (static_cast<PointLoadKind>(load.kind)) {
    case PointLoadKind::kForce: {
      // The stretch of the part before the force; the part beyond is shortened as much.
      const double f = ea > 1e-6 ? (l - a) * load.along / (l * ea) : 0.0;
      if (x <= a) return x * f;
      return l - a > 0.0 ? a * f * (l - x) / (l - a) : 0.0;
    }
    case PointLoadKind::kAxialDislocation:
      return x <= a ? -x / l * load.value : (1.0 - x / l) * load.value;
    default:
      return 0.0;
  }
}

// The axial displacement of the held element under the line load's axial part: the integral of
// its normal force over EA, back to 0 at the end by the start value of the normal force.
CurveLine HeldAxialDisplacement(const LineLoadOnElement& load, double ea) {
  CurveLine u;
  if (!(ea > 1e-6)) return u;
  const double l = LengthOf(load.length);
  const double s0 = load.start, s1 = std::max(load.end, load.start);
  const double p0 = load.along_at_start, p1 = load.along_slope;
  // The axial load from s0 up to y, and its integral from s0 up to y.
  auto loaded = [&](double y) { return p0 * (y - s0) + p1 * (y * y - s0 * s0) / 2.0; };
  auto integral = [&](double y) {
    return p0 * (y - s0) * (y - s0) / 2.0 + p1 * ((y * y * y - s0 * s0 * s0) / 6.0 - s0 * s0 * (y - s0) / 2.0);
  };
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, l);
    double taken = 0.0;
    if (x > s0) taken = integral(std::min(x, s1)) + (x > s1 ? loaded(s1) * (x - s1) : 0.0);
    u(i) = (load.normal_force_at_start * x - taken) / ea;
  }
  return u;
}

// N, M and V at x of the element held at both ends with the end forces `held` of the load: M the
// simply supported line plus the straight line between the held end moments, V = dM/dx except
// for a force or moment within kShearFreeDistance of the start node.
SectionForces HeldForcesAt(const PointLoadOnElement& load, double l, const NodalForces& held, double x) {
  const bool on_node = (load.kind == static_cast<int>(PointLoadKind::kForce) ||
                        load.kind == static_cast<int>(PointLoadKind::kMoment)) &&
                       !(load.a > kShearFreeDistance);
  const double along = load.kind == static_cast<int>(PointLoadKind::kForce) ? load.along : 0.0;
  const double r = x / l;
  const SpanMoment span = SimplySupported(load, l, x);
  SectionForces f;
  f.m = span.m + (1.0 - r) * held(3) - r * held(6);
  f.v = on_node ? 0.0 : span.slope - (held(3) + held(6)) / l;
  f.n = x <= load.a ? held(1) : held(1) - along;
  return f;
}

}  // namespace

ElementCurves EndDisplacementCurves(const EndValues& ends, double length, const Rigidity& rigidity) {
  const double l = LengthOf(length);
  ElementCurves c;
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, l);
    const CubicShapes h = ShapesAt(x, l);
    c.u(i) = (1.0 - x / l) * ends.axial_a + x / l * ends.axial_b;
    c.w(i) = h.h1 * ends.transverse_a + h.h2 * ends.rotation_a + h.h3 * ends.transverse_b + h.h4 * ends.rotation_b;
    const SectionForces f = EndDisplacementForcesAt(ends, l, rigidity, x);
    c.m(i) = f.m;
    c.v(i) = f.v;
    c.n(i) = f.n;
  }
  return c;
}

SectionForces EndDisplacementForcesAt(const EndValues& ends, double length, const Rigidity& rigidity, double x) {
  const double l = LengthOf(length);
  const CubicShapes k = ShapeCurvaturesAt(x, l);
  SectionForces f;
  f.m = -rigidity.ei *
        (k.h1 * ends.transverse_a + k.h2 * ends.rotation_a + k.h3 * ends.transverse_b + k.h4 * ends.rotation_b);
  f.v = -rigidity.ei * (12.0 / (l * l * l) * (ends.transverse_a - ends.transverse_b) -
                        6.0 / (l * l) * (ends.rotation_a + ends.rotation_b));
  f.n = rigidity.ea * (ends.axial_b - ends.axial_a) / l;
  return f;
}

ElementCurves PointLoadCurves(const PointLoadOnElement& load, double length, const Rigidity& rigidity) {
  ElementCurves c;
  if (!(load.a >= 0.0)) return c;
  const double l = LengthOf(length);
  const NodalForces held = HeldEndForces(load, l, rigidity);
  for (int i = 1; i <= kSamples; ++i) {
    const double x = SampleX(i, l);
    c.u(i) = AxialDisplacement(load, l, rigidity.ea, x);
    c.w(i) = Deflection(load, l, rigidity.ei, x);
    const SectionForces f = HeldForcesAt(load, l, held, x);
    c.m(i) = f.m;
    c.v(i) = f.v;
    c.n(i) = f.n;
  }
  return c;
}

SectionForces PointLoadForcesAt(const PointLoadOnElement& load, double length, const Rigidity& rigidity, double x) {
  if (!(load.a >= 0.0)) return SectionForces{};
  const double l = LengthOf(length);
  return HeldForcesAt(load, l, HeldEndForces(load, l, rigidity), x);
}

ElementCurves LineLoadCurves(const LineLoadOnElement& load, const Rigidity& rigidity) {
  StateLines state = FixedEndStateLines(load);
  ElementCurves c;
  c.n = state.n;
  c.m = state.m;
  c.v = state.v;
  c.w = LineLoadDeflection(load, rigidity.ei);
  c.u = HeldAxialDisplacement(load, rigidity.ea);
  return c;
}

ElementCurves TemperatureCurves(double alpha, double t, double dt, double h, const Rigidity& rigidity) {
  const SectionForces f = TemperatureSectionForces(alpha, t, dt, h, rigidity);
  ElementCurves c;
  c.n.AddConstant(f.n);
  c.m.AddConstant(f.m);
  return c;
}

SectionForces TemperatureSectionForces(double alpha, double t, double dt, double h, const Rigidity& rigidity) {
  SectionForces f;
  f.n = -alpha * t * rigidity.ea;
  f.m = -alpha * dt * rigidity.ei / h;
  return f;
}

}  // namespace mechanics
