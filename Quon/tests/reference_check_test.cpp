// Whole passes of the solver on small frames, checked against an independent solver
// (support/reference_frame.h) and, where a textbook gives them, against hand values: the
// displacements (UT8), the five curves of every element at all 51 samples, the support reactions
// (KLAGER) with the equilibrium of reactions and loads, and the Green's functions of the elements.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "Quon/elements/node_rotation.h"
#include "Quon/tests/support/reference_frame.h"
#include "Quon/tests/support/solver_fixture.h"
#include "common/position/output_list.h"
#include "loads/model/point_load_values.h"

namespace zedir {
namespace {

using testing::FrameBuilder;
using testing::FrameModel;
using testing::LoadCaseFiles;
using testing::RefLoads;
using testing::RefSolution;
using testing::SolverFixture;

constexpr float kHeight = 0.4f;  // of the fixture's cross section

struct NodeSpec {
  float x, y, sx = 0, sy = 0, sphi = 0;  // support values
};

struct ElementSpec {
  int a, b;
  bool hinge_a = false, hinge_b = false;
};

struct Load {
  enum class Type { kNodeForce, kNodeMoment, kPoint, kLine, kTemperature, kPrestress, kSettlement };
  Type type;
  int target;  // node or element
  int kind = 0;
  char direction = '0';
  float v1 = 0, v2 = 0, v3 = 0;
  float xa = 0, xb = 0;
  bool whole = true;
};

Load NodeForce(int node, float fx, float fy) { return {Load::Type::kNodeForce, node, 0, '0', fx, fy}; }
// The moment as the user types it.
Load NodeMoment(int node, float m) { return {Load::Type::kNodeMoment, node, 1, '0', m}; }
// A point load of the kind with its value as the user types it, `a` from the element's start.
Load Point(int element, int kind, float a, float value, char direction = '0') {
  Load l{Load::Type::kPoint, element, kind, direction, value};
  l.xa = a;
  return l;
}
Load Line(int element, char direction, float a, float b) { return {Load::Type::kLine, element, 0, direction, a, b}; }
Load Partial(int element, char direction, float a, float b, float xa, float xb) {
  Load l{Load::Type::kLine, element, 0, direction, a, b};
  l.xa = xa;
  l.xb = xb;
  l.whole = false;
  return l;
}
Load Temperature(int element, float t, float dt) { return {Load::Type::kTemperature, element, 0, '0', t, dt}; }
Load Prestress(int element, float p) { return {Load::Type::kPrestress, element, 0, '0', p}; }
Load Settlement(int node, float u, float v, float phi) { return {Load::Type::kSettlement, node, 0, '0', u, v, phi}; }

// A value a textbook gives: curve letter (or 'R' for the KLAGER entry of equation `sample`).
struct Hand {
  int element;
  char curve;
  int sample;
  double expected;
};

struct Case {
  const char* name;
  std::vector<NodeSpec> nodes;
  std::vector<ElementSpec> elements;
  std::vector<Load> loads;
  std::vector<Hand> hand = {};
  bool green = false;  // check the Green's functions too
  double alpha = 1e-5;
};

// Spans of 6 m, EI = 32000, EA = 2.4e6, supports of value 1 near rigid (3e10).
std::vector<Case> Cases() {
  using T = common::PointLoadRecord;
  return {
      {"propped cantilever, uniform load and a nodal moment",
       {{0, 0, 1, 1, 1}, {6, 0, 0, 1}},
       {{1, 2}},
       {Line(1, 'Y', -10, -10)},
       // q l^2 / 8 at the clamp, 5 q l / 8 and 3 q l / 8 at the supports.
       {{1, 'M', 1, 45}, {1, 'M', 51, 0}, {1, 'V', 1, -37.5}, {1, 'V', 51, 22.5}, {1, 'R', 2, -37.5},
        {1, 'R', 5, -22.5}},
       true},
      {"propped cantilever with a moment at the roller",
       {{0, 0, 1, 1, 1}, {6, 0, 0, 1}},
       {{1, 2}},
       {NodeMoment(2, 12), Point(1, T::kForce, 2.1f, -7, 'Y')}},
      {"fixed-fixed beam, point load off centre",
       {{0, 0, 1, 1, 1}, {6, 0, 1, 1, 1}},
       {{1, 2}},
       {Point(1, T::kForce, 2, -24, 'Y')},
       // -P a b^2 / l^2 and -P a^2 b / l^2 for a load P upward: here P = -24, a = 2, b = 4.
       {{1, 'M', 1, 21.333333}, {1, 'M', 51, 10.666667}, {1, 'V', 1, -24 * 20.0 / 27}},
       true},
      {"fixed-fixed beam, axial force, element moment and trapezoid",
       {{0, 0, 1, 1, 1}, {6, 0, 1, 1, 1}},
       {{1, 2}},
       {Point(1, T::kForce, 4.5f, 15, 'T'), Point(1, T::kMoment, 1.7f, 9), Partial(1, 'Y', -4, 8, 0.5f, 3.3f)}},
      {"two-bay portal, horizontal loads",
       {{0, 0, 1, 1, 1}, {0, 4}, {6, 4}, {12, 4}, {6, 0, 1, 1, 1}, {12, 0, 1, 1}},
       {{1, 2}, {2, 3}, {3, 4}, {5, 3}, {6, 4}},
       {NodeForce(2, 20, 0), Line(1, 'X', 3, 3), Partial(5, 'X', 2, 1, 1, 4), Line(2, 'Y', -10, -10),
        Point(3, T::kForce, 2.5f, 12, 'X')},
       {},
       true},
      {"inclined member rising, uniform load in global Y",
       {{0, 0, 1, 1}, {4, 3, 0, 1}},
       {{1, 2}},
       {Line(1, 'Y', -8, -8), Point(1, T::kForce, 1.33f, 5, 'X')},
       // 40 kN down at x = 2 and 5 kN sideways at a height of 0.798: 19.0025 and 20.9975 up.
       {{1, 'R', 2, -19.0025}, {1, 'R', 5, -20.9975}, {1, 'R', 1, -5}}},
      {"inclined member falling, loads in every direction",
       {{0, 3, 1, 1, 1}, {4, 0, 1, 1}},
       {{1, 2}},
       {Line(1, 'Y', -6, -2), Partial(1, 'N', 3, 3, 1, 2.5f), Partial(1, 'T', 2, -1, 0.4f, 4.6f),
        Point(1, T::kForce, 3.05f, 9, 'N')}},
      {"Gerber beam: a hinge at the middle support of two spans",
       {{0, 0, 1, 1, 1}, {6, 0, 0, 1}, {9, 0, 0, 1}},
       {{1, 2}, {2, 3, true, false}},
       {Line(1, 'Y', -10, -10), Line(2, 'Y', -10, -10), Point(2, T::kForce, 1.1f, -6, 'Y'), NodeMoment(2, 5)}},
      {"portal with a beam hinged at both columns",
       {{0, 0, 1, 1, 1}, {0, 4}, {6, 4}, {6, 0, 1, 1, 1}},
       {{1, 2}, {2, 3, true, true}, {4, 3}},
       {Line(2, 'Y', -12, -12), NodeForce(3, 8, 0)},
       {{2, 'M', 1, 0}, {2, 'M', 51, 0}, {2, 'M', 26, -54}}},
      {"beam on springs, a rotational spring at the foot",
       {{0, 0, 1, 1, 1e-6f}, {5, 0, 0, 2e-6f}, {11, 0, 0, 1}},
       {{1, 2}, {2, 3}},
       {Line(1, 'Y', -10, -10), Point(2, T::kForce, 3.2f, -15, 'Y')}},
      {"settlements: middle support and a clamp's rotation, with load",
       {{0, 0, 1, 1, 1}, {6, 0, 0, 1}, {12, 0, 0, 1}},
       {{1, 2}, {2, 3}},
       {Settlement(2, 0, -0.01f, 0), Settlement(1, 0, 0, 0.002f), Line(2, 'Y', -5, -5)}},
      {"settlement of a portal foot sideways and down",
       {{0, 0, 1, 1, 1}, {0, 4}, {6, 4}, {6, 0, 1, 1}},
       {{1, 2}, {2, 3}, {4, 3}},
       {Settlement(4, 0.005f, 0.01f, 0)}},
      {"temperature: gradient and uniform change in a portal",
       {{0, 0, 1, 1, 1}, {0, 4}, {6, 4}, {6, 0, 1, 1, 1}},
       {{1, 2}, {2, 3}, {4, 3}},
       {Temperature(2, 20, 10), Temperature(1, -5, 4)},
       {},
       false,
       1.2e-5},
      {"prestress of a portal beam and a simple beam's load",
       {{0, 0, 1, 1, 1}, {0, 4}, {6, 4}, {6, 0, 1, 1}},
       {{1, 2}, {2, 3}, {4, 3}},
       {Prestress(2, 500), Line(2, 'Y', -10, -10)}},
      {"kink and dislocations in a fixed-fixed beam",
       {{0, 0, 1, 1, 1}, {6, 0, 1, 1, 1}},
       {{1, 2}},
       {Point(1, T::kKink, 2.3f, 0.01f), Point(1, T::kVerticalDislocation, 4.1f, 0.005f),
        Point(1, T::kHorizontalDislocation, 1.7f, 0.002f)}},
      {"kink in a simple beam moves it without moments",
       {{0, 0, 1, 1}, {6, 0, 0, 1}},
       {{1, 2}},
       {Point(1, T::kKink, 2.4f, 0.01f)},
       // Two straight parts: the kink point lies 0.01 * 2.4 * 3.6 / 6 above the supports.
       {{1, 'M', 11, 0}, {1, 'M', 40, 0}, {1, 'W', 21, 0.0144}}},
      {"kink and dislocations in an inclined portal leg",
       {{0, 0, 1, 1, 1}, {3, 4}, {9, 4}, {9, 0, 1, 1}},
       {{1, 2}, {2, 3}, {4, 3}},
       {Point(1, T::kKink, 2.2f, -0.004f), Point(2, T::kVerticalDislocation, 2.5f, 0.003f),
        Point(3, T::kHorizontalDislocation, 1.5f, 0.001f), Point(2, T::kMoment, 4.25f, -7)}},
      {"hinged beam ends under temperature, prestress, kink and loads at its ends",
       {{0, 4}, {0, 0, 1, 1, 1}, {6, 4}, {6, 0, 1, -1, 1}},
       {{2, 1}, {1, 3, true, true}, {4, 3}},
       {Temperature(2, 15, -6), Prestress(2, 300), Point(2, T::kKink, 2.6f, 0.003f), Point(2, T::kForce, 0, -10, 'Y'),
        Point(2, T::kForce, 6, 4, 'N'), Point(1, T::kForce, 4, 7, 'Y'), Line(1, 'T', 2, 2)},
       {},
       true},
      {"columns drawn from the top, a negative support value and a spring foot",
       {{0, 4}, {0, 0, 1, 1, 1}, {5, 4}, {5, 0, -1, 1, 5e-7f}},
       {{2, 1}, {1, 3}, {4, 3}},
       {Line(2, 'Y', -9, -9), Partial(1, 'X', 4, 0, 0.5f, 3.5f), Point(3, T::kMoment, 2.5f, 6)}},
  };
}

// The production side: the frame and the load-case files as the geometry and load inputs store them.
FrameBuilder FrameOf(const Case& c) {
  FrameBuilder f;
  for (const NodeSpec& n : c.nodes) f.AddNode(n.x, n.y, n.sx, n.sy, n.sphi);
  for (const ElementSpec& e : c.elements) f.AddElement(e.a, e.b, e.hinge_a, e.hinge_b);
  return f;
}

LoadCaseFiles FilesOf(const Case& c, const FrameModel& model) {
  LoadCaseFiles lc;
  lc.params.set_alpha_t(c.alpha);
  common::NodeRefTable settlements = model.supports;
  bool settled = false;
  common::TemperatureTable temperatures;
  for (int e = 1; e <= model.elements.count(); ++e) temperatures.Append(common::TemperatureLoadRecord{});
  for (const Load& l : c.loads) {
    switch (l.type) {
      case Load::Type::kNodeForce:
        lc.point_loads.Append(testing::NodeLoad(l.target, l.v1, l.v2));
        break;
      case Load::Type::kNodeMoment: {
        common::PointLoadRecord r = testing::NodeLoad(l.target, 0, 0);
        r.set_kind(common::PointLoadRecord::kMoment);
        pundf::SetPointLoadValue(r, l.v1, '0', 0, 0);
        lc.point_loads.Append(r);
        break;
      }
      case Load::Type::kPoint: {
        common::PointLoadRecord r = testing::ElementLoad(l.target, static_cast<std::uint8_t>(l.kind), l.xa);
        const common::ElementRecord& e = model.elements[l.target];
        pundf::SetPointLoadValue(r, l.v1, l.direction, e.cosine(), e.sine());
        lc.point_loads.Append(r);
        break;
      }
      case Load::Type::kLine:
        lc.line_loads.Append(l.whole ? testing::StoredLineLoad(model, l.target, l.direction, l.v1, l.v2)
                                     : testing::StoredPartialLoad(model, l.target, l.direction, l.v1, l.v2, l.xa, l.xb));
        break;
      case Load::Type::kTemperature:
        temperatures[l.target].set_uniform_t(l.v1);
        temperatures[l.target].set_delta_t(l.v2);
        temperatures[l.target].set_loaded(1);
        break;
      case Load::Type::kPrestress: {
        common::PrestressEntry p;
        p.set_element(l.target);
        p.set_force(l.v1);
        lc.prestress.Append(p);
        break;
      }
      case Load::Type::kSettlement:
        for (common::NodeRefRecord& s : settlements.used()) {
          if (s.node() != l.target) continue;
          s.set_settlement(1, l.v1);
          s.set_settlement(2, l.v2);
          s.set_settlement(3, l.v3);
          s.set_settled(1);
          settled = true;
        }
        break;
    }
  }
  if (std::any_of(c.loads.begin(), c.loads.end(), [](const Load& l) { return l.type == Load::Type::kTemperature; })) {
    lc.temperatures = temperatures;
  }
  if (settled) lc.settlements = settlements;
  return lc;
}

// The reference side, in its own terms: counter-clockwise rotations and moments; a moment the user
// types acts clockwise, a kink is a clockwise turn of the part beyond it.
struct Reference {
  std::vector<testing::RefNode> nodes;
  std::vector<testing::RefElement> elements;
  RefLoads loads;
};

// Cosine, sine and length of an element.
std::array<double, 3> Direction(const Case& c, int element) {
  const ElementSpec& e = c.elements[static_cast<std::size_t>(element - 1)];
  const NodeSpec& a = c.nodes[static_cast<std::size_t>(e.a - 1)];
  const NodeSpec& b = c.nodes[static_cast<std::size_t>(e.b - 1)];
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y, l = std::hypot(dx, dy);
  return {dx / l, dy / l, l};
}

// A force of `value` in the direction letter as global components.
std::array<double, 2> Global(const Case& c, int element, char direction, double value) {
  const auto [cs, sn, l] = Direction(c, element);
  (void)l;
  switch (direction) {
    case 'X': return {value, 0};
    case 'Y': return {0, value};
    case 'N': return {-sn * value, cs * value};
    default: return {cs * value, sn * value};  // 'T'
  }
}

Reference ReferenceOf(const Case& c, double support_stiffness) {
  Reference r;
  for (const NodeSpec& n : c.nodes) {
    // A negative support value counts as its absolute value.
    r.nodes.push_back({n.x, n.y, {std::fabs(n.sx) * support_stiffness, std::fabs(n.sy) * support_stiffness,
                                  std::fabs(n.sphi) * support_stiffness}});
  }
  const double ea = double(testing::kE) * double(testing::kA), ei = double(testing::kE) * double(testing::kI);
  for (const ElementSpec& e : c.elements) r.elements.push_back({e.a, e.b, e.hinge_a, e.hinge_b, ea, ei});
  RefLoads& q = r.loads;
  for (const Load& l : c.loads) {
    switch (l.type) {
      case Load::Type::kNodeForce: q.nodal.push_back({l.target, l.v1, l.v2, 0}); break;
      case Load::Type::kNodeMoment: q.nodal.push_back({l.target, 0, 0, -double(l.v1)}); break;
      case Load::Type::kPoint: {
        const double a = l.xa, v = l.v1;
        switch (l.kind) {
          case 0: {
            const auto f = Global(c, l.target, l.direction, v);
            q.points.push_back({l.target, a, f[0], f[1], 0});
            break;
          }
          case 1: q.points.push_back({l.target, a, 0, 0, -v}); break;
          case 2: q.jumps.push_back({l.target, a, 0, 0, -v}); break;
          case 4: q.jumps.push_back({l.target, a, 0, v, 0}); break;
          case 5: q.jumps.push_back({l.target, a, v, 0, 0}); break;
        }
        break;
      }
      case Load::Type::kLine: {
        const double length = Direction(c, l.target)[2];
        const auto f0 = Global(c, l.target, l.direction, l.v1), f1 = Global(c, l.target, l.direction, l.v2);
        q.lines.push_back({l.target, l.whole ? 0.0 : double(l.xa), l.whole ? length : double(l.xb), f0[0], f0[1], f1[0],
                           f1[1]});
        break;
      }
      case Load::Type::kTemperature:
        q.strains.push_back({l.target, c.alpha * l.v1, -c.alpha * l.v2 / double(kHeight)});
        break;
      case Load::Type::kPrestress: {
        // A force that shortens the element: it pulls its two ends together.
        const auto [cs, sn, length] = Direction(c, l.target);
        (void)length;
        const ElementSpec& e = c.elements[static_cast<std::size_t>(l.target - 1)];
        q.nodal.push_back({e.a, l.v1 * cs, l.v1 * sn, 0});
        q.nodal.push_back({e.b, -l.v1 * cs, -l.v1 * sn, 0});
        break;
      }
      case Load::Type::kSettlement: {
        const float values[3] = {l.v1, l.v2, -l.v3};
        for (int d = 0; d < 3; ++d) {
          if (std::fabs(values[d]) > 1e-5f) q.prescribed.push_back({l.target, d, values[d]});
        }
        break;
      }
    }
  }
  return r;
}

// The largest magnitude, at least `floor`.
double Scale(const std::vector<double>& values, double floor) {
  double s = floor;
  for (double v : values) s = std::max(s, std::fabs(v));
  return s;
}

const std::array<double, 51>& RefCurve(const testing::RefCurves& c, char letter) {
  switch (letter) {
    case 'U': return c.u;
    case 'W': return c.w;
    case 'M': return c.m;
    case 'V': return c.v;
    default: return c.n;
  }
}

void CheckDisplacements(const Case& c, const SolverFixture& solver, const RefSolution& ref) {
  const std::vector<double> ut8 = solver.Ut8();
  ASSERT_EQ(ut8.size(), 1001u) << c.name;
  std::vector<double> translations, rotations;
  for (const auto& n : ref.nodes) {
    translations.insert(translations.end(), {n[0], n[1]});
    rotations.push_back(n[2]);
  }
  for (const auto& e : ref.end_rotations) rotations.insert(rotations.end(), {e[0], e[1]});
  const double tt = 1e-6 * Scale(translations, 1e-6), tr = 1e-6 * Scale(rotations, 1e-6);
  for (int k = 1; k <= solver.model.nodes.count(); ++k) {
    const common::NodeRecord& node = solver.model.nodes[k];
    const auto& want = ref.nodes[static_cast<std::size_t>(k - 1)];
    EXPECT_NEAR(ut8[static_cast<std::size_t>(node.dof_u())], want[0], tt) << c.name << ": u of node " << k;
    EXPECT_NEAR(ut8[static_cast<std::size_t>(node.dof_v())], want[1], tt) << c.name << ": v of node " << k;
    if (ref.node_rotates[static_cast<std::size_t>(k - 1)]) {
      EXPECT_NEAR(ut8[static_cast<std::size_t>(NodeRotation(node))], -want[2], tr) << c.name << ": rotation of node " << k;
    }
  }
  for (int e = 1; e <= solver.model.elements.count(); ++e) {
    const common::ElementRecord& element = solver.model.elements[e];
    const auto& want = ref.end_rotations[static_cast<std::size_t>(e - 1)];
    EXPECT_NEAR(ut8[static_cast<std::size_t>(element.dof(3))], -want[0], tr) << c.name << ": start rotation of " << e;
    EXPECT_NEAR(ut8[static_cast<std::size_t>(element.dof(6))], -want[1], tr) << c.name << ": end rotation of " << e;
  }
}

void CheckCurves(const Case& c, const SolverFixture& solver, const RefSolution& ref) {
  for (char letter : {'U', 'W', 'M', 'V', 'N'}) {
    std::vector<double> all;
    for (const auto& curves : ref.curves) {
      const auto& line = RefCurve(curves, letter);
      all.insert(all.end(), line.begin(), line.end());
    }
    const bool displacement = letter == 'U' || letter == 'W';
    const double tolerance = 2e-5 * Scale(all, displacement ? 1e-6 : 1e-2);
    for (int e = 1; e <= solver.model.elements.count(); ++e) {
      const std::vector<float> curve = solver.Curve(letter, e);
      ASSERT_EQ(curve.size(), 51u) << c.name << ": " << letter << " of element " << e;
      const auto& want = RefCurve(ref.curves[static_cast<std::size_t>(e - 1)], letter);
      for (std::size_t i = 0; i < 51; ++i) {
        EXPECT_NEAR(curve[i], want[i], tolerance) << c.name << ": " << letter << " of element " << e << " at sample "
                                                  << i + 1;
      }
    }
  }
}

// ENERGIES: of an element without loads between its ends, the strain energy of its moment and
// normal force, integrated by Simpson's rule (exact for the squares of a straight moment line).
void CheckEnergies(const Case& c, const SolverFixture& solver, const RefSolution& ref) {
  const std::vector<float> energies = testing::FileFloats(solver.pos.LoadCaseFile("ENERGIES", 1));
  ASSERT_EQ(energies.size(), c.elements.size() + 1) << c.name;
  const double ea = double(testing::kE) * double(testing::kA), ei = double(testing::kE) * double(testing::kI);
  EXPECT_EQ(energies[0], std::max(0.0f, *std::max_element(energies.begin() + 1, energies.end()))) << c.name;
  for (int e = 1; e <= static_cast<int>(c.elements.size()); ++e) {
    const bool loaded = std::any_of(c.loads.begin(), c.loads.end(), [&](const Load& l) {
      return l.target == e && (l.type == Load::Type::kPoint || l.type == Load::Type::kLine ||
                               l.type == Load::Type::kTemperature);
    });
    if (loaded) continue;
    const testing::RefCurves& curves = ref.curves[static_cast<std::size_t>(e - 1)];
    const double h = Direction(c, e)[2] / 50;
    double energy = 0;
    for (std::size_t i = 0; i < 51; ++i) {
      const double weight = (i == 0 || i == 50) ? 1 : (i % 2 == 1 ? 4 : 2);
      energy += weight * (curves.m[i] * curves.m[i] / ei + curves.n[i] * curves.n[i] / ea);
    }
    energy *= h / 3 / 2;
    EXPECT_NEAR(energies[static_cast<std::size_t>(e)], energy, 1e-5 * energy + 1e-12) << c.name << ": energy of " << e;
  }
}

// KLAGER against the reference, and the equilibrium of the reactions with the loads.
void CheckReactions(const Case& c, const SolverFixture& solver, const RefSolution& ref) {
  const std::vector<float> klager = solver.Reactions();
  ASSERT_EQ(static_cast<int>(klager.size()), solver.run.equation_count()) << c.name;
  std::vector<double> all;
  for (const auto& f : ref.support_forces) all.insert(all.end(), f.begin(), f.end());
  const double scale = Scale(all, 1.0);
  std::array<double, 3> sum = ref.applied, ref_sum = ref.applied;
  for (int k = 1; k <= solver.model.nodes.count(); ++k) {
    const common::NodeRecord& node = solver.model.nodes[k];
    const auto& want = ref.support_forces[static_cast<std::size_t>(k - 1)];
    const int dofs[3] = {node.dof_u(), node.dof_v(), NodeRotation(node)};
    // KLAGER holds the x force on the frame, the y force the support takes and the moment on the
    // frame taken counter-clockwise.
    const double sign[3] = {1, -1, 1};
    std::array<double, 3> force{};
    for (int d = 0; d < 3; ++d) {
      if (node.support(d + 1) == 0) continue;
      force[static_cast<std::size_t>(d)] = sign[d] * klager[static_cast<std::size_t>(dofs[d] - 1)];
      EXPECT_NEAR(force[static_cast<std::size_t>(d)], want[static_cast<std::size_t>(d)], 1e-5 * scale)
          << c.name << ": reaction " << d << " of node " << k;
    }
    const double x = node.x(), y = node.y();
    sum[0] += force[0];
    sum[1] += force[1];
    sum[2] += x * force[1] - y * force[0] + force[2];
    ref_sum[0] += want[0];
    ref_sum[1] += want[1];
    ref_sum[2] += x * want[1] - y * want[0] + want[2];
  }
  for (int d = 0; d < 3; ++d) {
    EXPECT_NEAR(ref_sum[static_cast<std::size_t>(d)], 0.0, 1e-7 * scale * 20) << c.name << ": reference equilibrium " << d;
    EXPECT_NEAR(sum[static_cast<std::size_t>(d)], 0.0, 1e-5 * scale * 20) << c.name << ": equilibrium " << d;
  }
}

void CheckHand(const Case& c, const SolverFixture& solver, const RefSolution& ref) {
  for (const Hand& h : c.hand) {
    if (h.curve == 'R') {
      EXPECT_NEAR(solver.Reactions()[static_cast<std::size_t>(h.sample - 1)], h.expected, 1e-4 * std::fabs(h.expected) + 1e-4)
          << c.name << ": KLAGER at equation " << h.sample;
      continue;
    }
    const double tolerance = 1e-4 * std::fabs(h.expected) + (h.curve == 'W' || h.curve == 'U' ? 1e-8 : 1e-4);
    EXPECT_NEAR(solver.Curve(h.curve, h.element)[static_cast<std::size_t>(h.sample - 1)], h.expected, tolerance)
        << c.name << ": " << h.curve << " of element " << h.element << " at sample " << h.sample;
    EXPECT_NEAR(RefCurve(ref.curves[static_cast<std::size_t>(h.element - 1)], h.curve)[static_cast<std::size_t>(h.sample - 1)],
                h.expected, tolerance)
        << c.name << ": reference " << h.curve << " of element " << h.element << " at sample " << h.sample;
  }
}

// The two pages of the pass: the result page's supports, sums and the 51 lines of every element
// against the reference, the displacement page against UT8, each to its printed digits.
void CheckPages(const Case& c, const SolverFixture& solver, const RefSolution& ref) {
  const common::PageCount last = common::ReadPageCounter(solver.pos.position());
  ASSERT_TRUE(last.status.ok()) << c.name;
  std::istringstream results(solver.FolderText("D" + std::to_string(last.value - 1) + ".TXT"));
  std::string line;
  std::array<double, 3> sums{};
  int element = 0, sample = 0;
  std::array<double, 5> scale{};  // w, u in mm, then N, M, V
  for (const auto& curves : ref.curves) {
    for (std::size_t i = 0; i < 51; ++i) {
      scale[0] = std::max(scale[0], 1000 * std::fabs(curves.w[i]));
      scale[1] = std::max(scale[1], 1000 * std::fabs(curves.u[i]));
      scale[2] = std::max(scale[2], std::fabs(curves.n[i]));
      scale[3] = std::max(scale[3], std::fabs(curves.m[i]));
      scale[4] = std::max(scale[4], std::fabs(curves.v[i]));
    }
  }
  bool sums_read = false;
  while (std::getline(results, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    int i = 0;
    double x, w, u, n, m, v;
    if (std::sscanf(line.c_str(), "Sum X = %lf  Sum Y = %lf  Sum of moments at supports = %lf", &sums[0], &sums[1],
                    &sums[2]) == 3) {
      sums_read = true;
    } else if (std::sscanf(line.c_str(), "Element %d between", &i) == 1) {
      element = i;
      sample = 0;
    } else if (std::sscanf(line.c_str(), "%d x = %lf  w = %lf [mm]  u = %lf [mm]  N = %lf kN  M = %lf kNm  V = %lf kN", &i,
                           &x, &w, &u, &n, &m, &v) == 7) {
      ASSERT_GE(element, 1) << c.name;
      ASSERT_EQ(i, ++sample) << c.name;
      const testing::RefCurves& want = ref.curves[static_cast<std::size_t>(element - 1)];
      const std::size_t at = static_cast<std::size_t>(i - 1);
      const std::string where = std::string(c.name) + ": page, element " + std::to_string(element) + " sample " +
                                std::to_string(i);
      EXPECT_NEAR(x, (i - 1) * Direction(c, element)[2] / 50, 0.006) << where;
      EXPECT_NEAR(w, 1000 * want.w[at], 6e-6 + 2e-5 * scale[0]) << where;
      EXPECT_NEAR(u, 1000 * want.u[at], 6e-6 + 2e-5 * scale[1]) << where;
      EXPECT_NEAR(n, want.n[at], 0.006 + 2e-5 * scale[2]) << where;
      EXPECT_NEAR(m, want.m[at], 0.006 + 2e-5 * scale[3]) << where;
      EXPECT_NEAR(v, want.v[at], 0.006 + 2e-5 * scale[4]) << where;
    }
  }
  EXPECT_EQ(element, static_cast<int>(c.elements.size())) << c.name;
  EXPECT_EQ(sample, 51) << c.name;
  ASSERT_TRUE(sums_read) << c.name;
  // Sum X adds the x reactions on the frame, Sum Y the y forces the supports take: they balance the loads.
  EXPECT_NEAR(sums[0], -ref.applied[0], 0.006 + 1e-5 * std::fabs(ref.applied[0])) << c.name << ": Sum X";
  EXPECT_NEAR(sums[1], ref.applied[1], 0.006 + 1e-5 * std::fabs(ref.applied[1])) << c.name << ": Sum Y";

  std::istringstream displacements(solver.FolderText("D" + std::to_string(last.value) + ".TXT"));
  const std::vector<double> ut8 = solver.Ut8();
  int listed = 0;
  while (std::getline(displacements, line)) {
    int d = 0;
    double value = 0;
    if (line.rfind("Node", 0) == 0 || std::sscanf(line.c_str(), "%d    %lf", &d, &value) != 2) continue;
    ASSERT_EQ(d, ++listed) << c.name;
    EXPECT_NEAR(value, ut8[static_cast<std::size_t>(d)], 6e-5 * std::fabs(ut8[static_cast<std::size_t>(d)])) << c.name;
  }
  EXPECT_EQ(listed, solver.run.equation_count()) << c.name;
}

// NODDISPGFELM: per element the x, y and rotation displacements of the six unit actions, summed
// over the nodes without a horizontal support, against the reference under the same actions.
void CheckGreen(const Case& c, const SolverFixture& solver, const Reference& reference) {
  const std::vector<float> green = testing::FileFloats(solver.pos.LoadCaseFile("NODDISPGFELM", 1));
  ASSERT_EQ(green.size(), 24u * c.elements.size()) << c.name;
  for (int e = 1; e <= static_cast<int>(c.elements.size()); ++e) {
    const auto [cs, sn, l] = Direction(c, e);
    for (int k = 1; k <= 6; ++k) {
      RefLoads unit;
      switch (k) {
        case 1: unit.points.push_back({e, l / 2, cs, sn, 0}); break;
        case 2: unit.points.push_back({e, l / 2, -sn, cs, 0}); break;
        case 3: unit.points.push_back({e, l / 2, 0, 0, 1}); break;
        case 4: unit.jumps.push_back({e, l / 2, 1, 0, 0}); break;
        case 5: unit.jumps.push_back({e, l / 2, 0, 1, 0}); break;
        case 6: unit.jumps.push_back({e, l / 2, 0, 0, -1}); break;
      }
      const RefSolution r = testing::SolveReference(reference.nodes, reference.elements, unit);
      double h = 0, v = 0, rot = 0, scale = 1e-9;
      for (int p = 1; p <= solver.model.nodes.count(); ++p) {
        const auto& n = r.nodes[static_cast<std::size_t>(p - 1)];
        scale = std::max({scale, std::fabs(n[0]), std::fabs(n[1]), std::fabs(n[2])});
        if (solver.model.nodes[p].support_flag(1) != 0) continue;
        h += n[0];
        v += n[1];
        rot -= n[2];
      }
      const std::size_t at = static_cast<std::size_t>(24 * (e - 1) + 4 * (k - 1));
      const double tolerance = 1e-5 * scale;
      EXPECT_EQ(green[at], 0.0f);
      EXPECT_NEAR(green[at + 1], h, tolerance) << c.name << ": H of case " << k << " of element " << e;
      EXPECT_NEAR(green[at + 2], v, tolerance) << c.name << ": V of case " << k << " of element " << e;
      EXPECT_NEAR(green[at + 3], rot, tolerance) << c.name << ": R of case " << k << " of element " << e;
    }
  }
}

TEST(ReferenceCheck, WholePassesAgreeWithAnIndependentSolver) {
  for (const Case& c : Cases()) {
    SolverFixture solver(FrameOf(c));
    const common::Result pass = solver.ComputePass(FilesOf(c, solver.model));
    ASSERT_TRUE(pass.ok()) << c.name << ": " << pass.text();
    const Reference reference = ReferenceOf(c, solver.model.params.support_stiffness());
    const RefSolution ref = testing::SolveReference(reference.nodes, reference.elements, reference.loads);
    CheckDisplacements(c, solver, ref);
    CheckCurves(c, solver, ref);
    CheckReactions(c, solver, ref);
    CheckEnergies(c, solver, ref);
    CheckPages(c, solver, ref);
    CheckHand(c, solver, ref);
    if (c.green) CheckGreen(c, solver, reference);
  }
}

}  // namespace
}  // namespace zedir
