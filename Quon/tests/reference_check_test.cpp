// Whole passes of the solver, on small frames and on the example positions stored by the input
// programs, checked against an independent solver (support/reference_frame.h) and, where a
// textbook gives them, against hand values: the displacements (UT8), the five curves of every
// element at all 51 samples, the support reactions (KLAGER) with the equilibrium of reactions and
// loads, the energies, both pages and the Green's functions of the elements.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "Quon/elements/node_rotation.h"
#include "Quon/input/setup_run.h"
#include "Quon/run/compute_load_case.h"
#include "Quon/tests/support/reference_frame.h"
#include "Quon/tests/support/solver_fixture.h"
#include "common/position/file_names.h"
#include "common/position/output_list.h"
#include "common/records/load_case_diary.h"
#include "common/records/record_files.h"
#include "common/records/solver_job.h"
#include "common/settings_files.h"
#include "loads/model/point_load_values.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace zedir {
namespace {

using testing::FrameBuilder;
using testing::FrameModel;
using testing::LoadCaseFiles;
using testing::RefLoads;
using testing::RefSolution;
using testing::SolverFixture;

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
      {"a clamp where a hinged and a rigid end meet holds the rigid one",
       {{0, 0, 1, 1}, {6, 0, 1, 1, 1}, {10, 0, 0, 1}},
       {{1, 2}, {2, 3, true, false}},
       {Line(1, 'Y', -10, -10), Line(2, 'Y', -6, -6), NodeMoment(2, 4)}},
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
      {"a settled support whose settlements are all below 1e-5",
       {{0, 0, 1, 1, 1}, {6, 0, 0, 1}, {12, 0, 0, 1}},
       {{1, 2}, {2, 3}},
       {Settlement(2, 0, 5e-6f, 0), Line(1, 'Y', -5, -5)}},
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

// The reference side, read from the files the pass computed with, by what their fields mean:
// counter-clockwise rotations and moments; a moment the user types acts clockwise, a kink is a
// clockwise turn of the part beyond it; a line load is a force per metre of element.
struct Reference {
  std::vector<testing::RefNode> nodes;
  std::vector<testing::RefElement> elements;
  std::vector<std::array<double, 3>> directions;  // cosine, sine, length by element
  RefLoads loads;
};

template <class Tab>
Tab Records(const std::string& path, int count) {
  if (count <= 0) return Tab{};
  auto read = common::ReadRecords<Tab>(path, count);
  EXPECT_TRUE(read.status.ok()) << path;
  return read.table;
}

Reference ReferenceOf(const common::Position& position, int load_case) {
  namespace names = common::file_names;
  Reference r;
  const common::FrameParams params = common::ReadBlockRecord<common::FrameParams>(position.File(names::kFrameParams)).record;
  const common::NodeTable nodes = common::ReadTable<common::NodeTable>(position.File(names::kNodes)).table;
  const common::ElementTable elements = common::ReadTable<common::ElementTable>(position.File(names::kElements)).table;
  const common::MaterialTable materials = common::ReadTable<common::MaterialTable>(position.File(names::kMaterials)).table;
  const common::CrossSectionTable sections =
      common::ReadTable<common::CrossSectionTable>(position.File(names::kCrossSections)).table;
  const double stiffness = params.support_stiffness();
  for (const common::NodeRecord& n : nodes.used()) {
    // A negative support value counts as its absolute value.
    r.nodes.push_back({n.x(), n.y(),
                       {std::fabs(n.support(1)) * stiffness, std::fabs(n.support(2)) * stiffness,
                        std::fabs(n.support(3)) * stiffness}});
  }
  for (const common::ElementRecord& e : elements.used()) {
    const common::CrossSectionRecord& section = sections[e.cross_section()];
    const double modulus = materials[e.material()].modulus();
    r.elements.push_back({e.node_a(), e.node_b(), e.hinge_a() != 0, e.hinge_b() != 0, modulus * section.area(),
                          modulus * section.inertia()});
    const testing::RefNode& a = r.nodes[static_cast<std::size_t>(e.node_a() - 1)];
    const testing::RefNode& b = r.nodes[static_cast<std::size_t>(e.node_b() - 1)];
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    r.directions.push_back({(b.x - a.x) / l, (b.y - a.y) / l, l});
  }
  auto direction = [&](int e) { return r.directions[static_cast<std::size_t>(e - 1)]; };

  const common::LoadCaseParams lc =
      common::ReadBlockRecord<common::LoadCaseParams>(position.LoadCaseFile(names::kLoadCaseParams, load_case)).record;
  RefLoads& q = r.loads;
  const auto point_loads =
      Records<common::PointLoadTable>(position.LoadCaseFile(names::kPointLoads, load_case), lc.point_load_count());
  for (const common::PointLoadRecord& p : point_loads.used()) {
    const int kind = p.kind();
    if (p.placement() == common::PointLoadRecord::kAtNode) {
      if (kind == 0) q.nodal.push_back({p.node(), p.force_x(), p.force_y(), 0});
      if (kind == 1) q.nodal.push_back({p.node(), 0, 0, -double(p.kind_value())});
      continue;
    }
    const double a = p.distance(), v = p.value();
    switch (kind) {
      case 0: q.points.push_back({p.element(), a, p.force_x(), p.force_y(), 0}); break;
      case 1: q.points.push_back({p.element(), a, 0, 0, -double(p.kind_value())}); break;
      case 2: q.jumps.push_back({p.element(), a, 0, 0, -v}); break;
      case 4: q.jumps.push_back({p.element(), a, 0, v, 0}); break;
      case 5: q.jumps.push_back({p.element(), a, v, 0, 0}); break;
    }
  }
  const auto line_loads =
      Records<common::LineLoadTable>(position.LoadCaseFile(names::kLineLoads, load_case), lc.line_load_record_count());
  for (const common::LineLoadRecord& line : line_loads.used()) {
    const auto [cs, sn, l] = direction(line.element());
    auto global = [&, cs = cs, sn = sn](double value) -> std::array<double, 2> {
      switch (line.direction()) {
        case 'X': case 'x': return {value, 0};
        case 'Y': case 'y': return {0, value};
        case 'N': return {-sn * value, cs * value};
        default: return {cs * value, sn * value};  // 'T'
      }
    };
    const auto f0 = global(line.value_a()), f1 = global(line.value_b());
    const bool whole = line.whole_element() != 0;
    q.lines.push_back({line.element(), whole ? 0.0 : double(line.xa()), whole ? l : double(line.xb()), f0[0], f0[1],
                       f1[0], f1[1]});
  }
  if (lc.temperature_flag() != 0) {
    const common::TemperatureTable temperatures =
        Records<common::TemperatureTable>(position.LoadCaseFile(names::kTemperatures, load_case), elements.count());
    for (int e = 1; e <= temperatures.count(); ++e) {
      const common::TemperatureLoadRecord& t = temperatures[e];
      if (t.loaded() == 0) continue;
      const float h = sections[elements[e].cross_section()].height();
      const double height = h < 0.01f ? 0.1 : double(h);  // a lower section counts as 0.1 m high
      q.strains.push_back({e, lc.alpha_t() * t.uniform_t(), -lc.alpha_t() * t.delta_t() / height});
    }
  }
  if (lc.prestress_flag() != 0) {
    const auto prestress = common::ReadPrestressFile(position.LoadCaseFile(names::kPrestress, load_case)).table;
    for (const common::PrestressEntry& p : prestress.used()) {
      if (!(p.force() > 0)) continue;
      // A force that shortens the element: it pulls its two ends together.
      const auto [cs, sn, l] = direction(p.element());
      const testing::RefElement& e = r.elements[static_cast<std::size_t>(p.element() - 1)];
      q.nodal.push_back({e.a, p.force() * cs, p.force() * sn, 0});
      q.nodal.push_back({e.b, -p.force() * cs, -p.force() * sn, 0});
    }
  }
  if (lc.settlement_flag() != 0) {
    const auto settlements = common::ReadTable<common::NodeRefTable>(position.LoadCaseFile(names::kSupports, load_case)).table;
    for (const common::NodeRefRecord& s : settlements.used()) {
      if (s.settled() == 0) continue;
      const double values[3] = {s.settlement(1), s.settlement(2), -double(s.settlement(3))};
      for (int d = 0; d < 3; ++d) {
        if (std::fabs(values[d]) > 1e-5) q.prescribed.push_back({s.node(), d, values[d]});
      }
    }
  }
  return r;
}

// What a pass left in its position folder.
struct Pass {
  std::string name;
  common::Position position;
  int load_case = 1;
  common::NodeTable nodes;
  common::ElementTable elements;
  int equations = 0;

  std::string LcFile(const std::string& base) const { return position.LoadCaseFile(base, load_case); }
  std::vector<float> Curve(char letter, int e) const {
    return testing::FileFloats(position.File(std::string(1, letter) + common::CurrentLoadCaseText(load_case) + "E" +
                                             std::to_string(e)));
  }
};

Pass PassOf(const std::string& name, const common::Position& position, int load_case) {
  namespace names = common::file_names;
  Pass p;
  p.name = name;
  p.position = position;
  p.load_case = load_case;
  p.nodes = common::ReadTable<common::NodeTable>(position.File(names::kNodes)).table;
  p.elements = common::ReadTable<common::ElementTable>(position.File(names::kElements)).table;
  p.equations = common::ReadBlockRecord<common::FrameParams>(position.File(names::kFrameParams)).record.equation_count();
  return p;
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

void CheckDisplacements(const Pass& p, const RefSolution& ref) {
  const std::vector<double> ut8 = testing::FileDoubles(p.LcFile("UT8"));
  ASSERT_EQ(ut8.size(), 1001u) << p.name;
  std::vector<double> translations, rotations;
  for (const auto& n : ref.nodes) {
    translations.insert(translations.end(), {n[0], n[1]});
    rotations.push_back(n[2]);
  }
  for (const auto& e : ref.end_rotations) rotations.insert(rotations.end(), {e[0], e[1]});
  // The loads' directions come from the records' single-precision direction terms; the arch under a
  // temperature change and a moved foot stays within 1.4e-6 of its largest translation.
  const double tt = 2e-6 * Scale(translations, 1e-6), tr = 1e-5 * Scale(rotations, 1e-6);
  for (int k = 1; k <= p.nodes.count(); ++k) {
    const common::NodeRecord& node = p.nodes[k];
    const auto& want = ref.nodes[static_cast<std::size_t>(k - 1)];
    EXPECT_NEAR(ut8[static_cast<std::size_t>(node.dof_u())], want[0], tt) << p.name << ": u of node " << k;
    EXPECT_NEAR(ut8[static_cast<std::size_t>(node.dof_v())], want[1], tt) << p.name << ": v of node " << k;
    if (ref.node_rotates[static_cast<std::size_t>(k - 1)]) {
      EXPECT_NEAR(ut8[static_cast<std::size_t>(NodeRotation(node))], -want[2], tr) << p.name << ": rotation of node " << k;
    }
  }
  for (int e = 1; e <= p.elements.count(); ++e) {
    const common::ElementRecord& element = p.elements[e];
    const auto& want = ref.end_rotations[static_cast<std::size_t>(e - 1)];
    EXPECT_NEAR(ut8[static_cast<std::size_t>(element.dof(3))], -want[0], tr) << p.name << ": start rotation of " << e;
    EXPECT_NEAR(ut8[static_cast<std::size_t>(element.dof(6))], -want[1], tr) << p.name << ": end rotation of " << e;
  }
}

void CheckCurves(const Pass& p, const RefSolution& ref) {
  for (char letter : {'U', 'W', 'M', 'V', 'N'}) {
    std::vector<double> all;
    for (const auto& curves : ref.curves) {
      const auto& line = RefCurve(curves, letter);
      all.insert(all.end(), line.begin(), line.end());
    }
    // Forces to 1e-4 kN at least: the element's direction terms are single floats, so a frame moved
    // as a whole by millimetres shows axial forces of some 1e-5 kN.
    const bool displacement = letter == 'U' || letter == 'W';
    const double tolerance = displacement ? 2e-5 * Scale(all, 1e-6) : 2e-5 * Scale(all, 1e-2) + 1e-4;
    for (int e = 1; e <= p.elements.count(); ++e) {
      const std::vector<float> curve = p.Curve(letter, e);
      ASSERT_EQ(curve.size(), 51u) << p.name << ": " << letter << " of element " << e;
      const auto& want = RefCurve(ref.curves[static_cast<std::size_t>(e - 1)], letter);
      for (std::size_t i = 0; i < 51; ++i) {
        EXPECT_NEAR(curve[i], want[i], tolerance) << p.name << ": " << letter << " of element " << e << " at sample "
                                                  << i + 1;
      }
    }
  }
}

// Elements with loads between their ends.
std::vector<bool> LoadedElements(const Reference& r) {
  std::vector<bool> loaded(r.elements.size() + 1, false);
  for (const auto& x : r.loads.points) loaded[static_cast<std::size_t>(x.element)] = true;
  for (const auto& x : r.loads.jumps) loaded[static_cast<std::size_t>(x.element)] = true;
  for (const auto& x : r.loads.lines) loaded[static_cast<std::size_t>(x.element)] = true;
  for (const auto& x : r.loads.strains) loaded[static_cast<std::size_t>(x.element)] = true;
  return loaded;
}

// ENERGIES: of an element without loads between its ends, the strain energy of its moment and
// normal force, integrated by Simpson's rule (exact for the squares of a straight moment line).
void CheckEnergies(const Pass& p, const Reference& reference, const RefSolution& ref) {
  const std::vector<float> energies = testing::FileFloats(p.LcFile("ENERGIES"));
  ASSERT_EQ(energies.size(), reference.elements.size() + 1) << p.name;
  EXPECT_EQ(energies[0], std::max(0.0f, *std::max_element(energies.begin() + 1, energies.end()))) << p.name;
  const std::vector<bool> loaded = LoadedElements(reference);
  for (std::size_t e = 1; e <= reference.elements.size(); ++e) {
    if (loaded[e]) continue;
    const testing::RefElement& element = reference.elements[e - 1];
    const testing::RefCurves& curves = ref.curves[e - 1];
    const double h = reference.directions[e - 1][2] / 50;
    double energy = 0;
    for (std::size_t i = 0; i < 51; ++i) {
      const double weight = (i == 0 || i == 50) ? 1 : (i % 2 == 1 ? 4 : 2);
      energy += weight * (curves.m[i] * curves.m[i] / element.ei + curves.n[i] * curves.n[i] / element.ea);
    }
    energy *= h / 3 / 2;
    EXPECT_NEAR(energies[e], energy, 1e-5 * energy + 1e-12) << p.name << ": energy of " << e;
  }
}

// KLAGER against the reference, and the equilibrium of the reactions with the loads.
void CheckReactions(const Pass& p, const RefSolution& ref) {
  const std::vector<float> klager = testing::FileFloats(p.LcFile("KLAGER"));
  ASSERT_EQ(static_cast<int>(klager.size()), p.equations) << p.name;
  std::vector<double> all;
  for (const auto& f : ref.support_forces) all.insert(all.end(), f.begin(), f.end());
  const double scale = Scale(all, 1.0);
  std::array<double, 3> sum = ref.applied, ref_sum = ref.applied;
  for (int k = 1; k <= p.nodes.count(); ++k) {
    const common::NodeRecord& node = p.nodes[k];
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
          << p.name << ": reaction " << d << " of node " << k;
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
    EXPECT_NEAR(ref_sum[static_cast<std::size_t>(d)], 0.0, 1e-7 * scale * 20) << p.name << ": reference equilibrium " << d;
    EXPECT_NEAR(sum[static_cast<std::size_t>(d)], 0.0, 1e-5 * scale * 20) << p.name << ": equilibrium " << d;
  }
}

void CheckHand(const Case& c, const Pass& p, const RefSolution& ref) {
  for (const Hand& h : c.hand) {
    if (h.curve == 'R') {
      EXPECT_NEAR(testing::FileFloats(p.LcFile("KLAGER"))[static_cast<std::size_t>(h.sample - 1)], h.expected,
                  1e-4 * std::fabs(h.expected) + 1e-4)
          << c.name << ": KLAGER at equation " << h.sample;
      continue;
    }
    const double tolerance = 1e-4 * std::fabs(h.expected) + (h.curve == 'W' || h.curve == 'U' ? 1e-8 : 1e-4);
    EXPECT_NEAR(p.Curve(h.curve, h.element)[static_cast<std::size_t>(h.sample - 1)], h.expected, tolerance)
        << c.name << ": " << h.curve << " of element " << h.element << " at sample " << h.sample;
    EXPECT_NEAR(RefCurve(ref.curves[static_cast<std::size_t>(h.element - 1)], h.curve)[static_cast<std::size_t>(h.sample - 1)],
                h.expected, tolerance)
        << c.name << ": reference " << h.curve << " of element " << h.element << " at sample " << h.sample;
  }
}

// The two pages of the pass: the result page's sums and the 51 lines of every element against
// the reference, the displacement page against UT8, each to its printed digits.
void CheckPages(const Pass& p, const Reference& reference, const RefSolution& ref) {
  const common::PageCount last = common::ReadPageCounter(p.position);
  ASSERT_TRUE(last.status.ok()) << p.name;
  std::istringstream results(testing::FileText(p.position.FolderFile("D" + std::to_string(last.value - 1) + ".TXT")));
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
      ASSERT_GE(element, 1) << p.name;
      ASSERT_EQ(i, ++sample) << p.name;
      const testing::RefCurves& want = ref.curves[static_cast<std::size_t>(element - 1)];
      const std::size_t at = static_cast<std::size_t>(i - 1);
      const std::string where = p.name + ": page, element " + std::to_string(element) + " sample " + std::to_string(i);
      EXPECT_NEAR(x, (i - 1) * reference.directions[static_cast<std::size_t>(element - 1)][2] / 50, 0.006) << where;
      EXPECT_NEAR(w, 1000 * want.w[at], 6e-6 + 2e-5 * scale[0]) << where;
      EXPECT_NEAR(u, 1000 * want.u[at], 6e-6 + 2e-5 * scale[1]) << where;
      EXPECT_NEAR(n, want.n[at], 0.006 + 2e-5 * scale[2]) << where;
      EXPECT_NEAR(m, want.m[at], 0.006 + 2e-5 * scale[3]) << where;
      EXPECT_NEAR(v, want.v[at], 0.006 + 2e-5 * scale[4]) << where;
    }
  }
  EXPECT_EQ(element, p.elements.count()) << p.name;
  EXPECT_EQ(sample, 51) << p.name;
  ASSERT_TRUE(sums_read) << p.name;
  // Sum X adds the x reactions on the frame, Sum Y the y forces the supports take: they balance the loads.
  EXPECT_NEAR(sums[0], -ref.applied[0], 0.006 + 1e-5 * std::fabs(ref.applied[0])) << p.name << ": Sum X";
  EXPECT_NEAR(sums[1], ref.applied[1], 0.006 + 1e-5 * std::fabs(ref.applied[1])) << p.name << ": Sum Y";

  std::istringstream displacements(testing::FileText(p.position.FolderFile("D" + std::to_string(last.value) + ".TXT")));
  const std::vector<double> ut8 = testing::FileDoubles(p.LcFile("UT8"));
  int listed = 0;
  while (std::getline(displacements, line)) {
    int d = 0;
    double value = 0;
    if (line.rfind("Node", 0) == 0 || std::sscanf(line.c_str(), "%d    %lf", &d, &value) != 2) continue;
    ASSERT_EQ(d, ++listed) << p.name;
    EXPECT_NEAR(value, ut8[static_cast<std::size_t>(d)], 6e-5 * std::fabs(ut8[static_cast<std::size_t>(d)])) << p.name;
  }
  EXPECT_EQ(listed, p.equations) << p.name;
}

// NODDISPGFELM: per element the x, y and rotation displacements of the six unit actions, summed
// over the nodes without a horizontal support, against the reference under the same actions.
void CheckGreen(const Pass& p, const Reference& reference) {
  const std::vector<float> green = testing::FileFloats(p.LcFile("NODDISPGFELM"));
  ASSERT_EQ(green.size(), 24u * reference.elements.size()) << p.name;
  for (int e = 1; e <= static_cast<int>(reference.elements.size()); ++e) {
    const auto [cs, sn, l] = reference.directions[static_cast<std::size_t>(e - 1)];
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
      for (int n = 1; n <= p.nodes.count(); ++n) {
        const auto& d = r.nodes[static_cast<std::size_t>(n - 1)];
        scale = std::max({scale, std::fabs(d[0]), std::fabs(d[1]), std::fabs(d[2])});
        if (p.nodes[n].support_flag(1) != 0) continue;
        h += d[0];
        v += d[1];
        rot -= d[2];
      }
      const std::size_t at = static_cast<std::size_t>(24 * (e - 1) + 4 * (k - 1));
      const double tolerance = 1e-5 * scale;
      EXPECT_EQ(green[at], 0.0f);
      EXPECT_NEAR(green[at + 1], h, tolerance) << p.name << ": H of case " << k << " of element " << e;
      EXPECT_NEAR(green[at + 2], v, tolerance) << p.name << ": V of case " << k << " of element " << e;
      EXPECT_NEAR(green[at + 3], rot, tolerance) << p.name << ": R of case " << k << " of element " << e;
    }
  }
}

// Everything a pass wrote that the reference can check.
void CheckPass(const Pass& p, bool green) {
  const Reference reference = ReferenceOf(p.position, p.load_case);
  const RefSolution ref = testing::SolveReference(reference.nodes, reference.elements, reference.loads);
  CheckDisplacements(p, ref);
  CheckCurves(p, ref);
  CheckReactions(p, ref);
  CheckEnergies(p, reference, ref);
  CheckPages(p, reference, ref);
  if (green) CheckGreen(p, reference);
}

TEST(ReferenceCheck, WholePassesAgreeWithAnIndependentSolver) {
  for (const Case& c : Cases()) {
    SolverFixture solver(FrameOf(c));
    const common::Result pass = solver.ComputePass(FilesOf(c, solver.model));
    ASSERT_TRUE(pass.ok()) << c.name << ": " << pass.text();
    const Pass p = PassOf(c.name, solver.pos.position(), 1);
    CheckPass(p, c.green);
    const Reference reference = ReferenceOf(p.position, 1);
    CheckHand(c, p, testing::SolveReference(reference.nodes, reference.elements, reference.loads));
  }
}

// The example positions as the input programs store them from their echo texts (the geometry
// with its inverse, every load case rebuilt), each load case computed in turn.
TEST(ReferenceCheck, ExamplePositionsAgreeWithAnIndependentSolver) {
  const std::string root = plat::testing::TestFolder();
  const std::string data_path = root + "data/";
  common::SettingsContext settings;
  settings.folder = root + "solver-settings";
  settings.found = plat::MakeFolder(settings.folder);
  common::WriteTextBlock(common::JoinSettingsPath(settings, "DPATH"), data_path);
  for (const std::string name : {"BEAM2", "PORTAL", "ARCH"}) {
    const common::Position position(data_path, "." + name);
    ASSERT_TRUE(common::EnsurePositionFolder(position));
    for (const char* echo : {"ECHO_G", "ECHO_L"}) {
      ASSERT_TRUE(plat::CopyFile(plat::testing::BinFolder() + "EXAMPLES/" + echo + "." + name + ".TXT",
                                 position.TextFile(echo), true));
    }
    const auto stored = plat::testing::RunProgram("store-position", {data_path, name});
    ASSERT_EQ(stored.exit_code, 0) << name << ": " << stored.start_error << stored.messages;
    const auto loads = plat::testing::RunProgram("PUNDF", {position.ext(), "@" + data_path, "@G"});
    ASSERT_EQ(loads.exit_code, 0) << name << ": " << loads.start_error << loads.messages;
    common::WriteTextBlock(common::JoinSettingsPath(settings, "EXTR"), position.ext());

    const common::LoadCaseDiary diary = common::ReadBlockRecord<common::LoadCaseDiary>(position.File("DIARY")).record;
    ASSERT_GT(diary.count(), 0) << name;
    for (int k = 1; k <= diary.count(); ++k) {
      const int load_case = diary.load_case(k);
      common::SolverJob job;
      job.set_count(1);
      job.set_load_case(1, static_cast<std::uint8_t>(load_case));
      common::WriteBlockRecord(position.File("BATCH"), job);
      zedir::Run run;
      RunNotifier notifier;
      const std::string what = name + " LC " + std::to_string(load_case);
      ASSERT_TRUE(SetupRun(run, settings, notifier).ok()) << what;
      const common::Result pass = ComputeLoadCase(run, notifier);
      ASSERT_TRUE(pass.ok()) << what << ": " << pass.text();
      CheckPass(PassOf(what, position, load_case), name == "PORTAL");
    }
  }
}

}  // namespace
}  // namespace zedir
