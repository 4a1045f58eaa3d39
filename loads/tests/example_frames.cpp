#include "loads/tests/example_frames.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/model/point_load_values.h"
#include "loads/model/whole_element_load.h"
#include "loads/store/store_load_case.h"
#include "loads/tests/frame_fixture.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace pundf::testing {
namespace fn = common::file_names;

namespace {

void AddSupport(Geometry& g, int node, bool u, bool v, bool phi) {
  common::NodeRefRecord s;
  s.set_node(static_cast<std::int16_t>(node));
  const bool fixed[] = {u, v, phi};
  for (int d = 1; d <= 3; ++d) {
    s.set_support_flag(d, fixed[d - 1] ? 1 : 0);
    s.set_support(d, fixed[d - 1] ? 1.0f : 0.0f);
  }
  g.supports.Append(s);
  g.params.set_support_count(static_cast<std::int16_t>(g.supports.count()));
}

}  // namespace

Geometry TwoSpanBeam() {
  Geometry g = MakeGeometry({Bar{{0, 0}, {6, 0}}, Bar{{6, 0}, {12, 0}}});
  AddSupport(g, 1, true, true, false);
  AddSupport(g, 2, false, true, false);
  AddSupport(g, 3, false, true, false);
  return g;
}

Geometry HingedPortal() {
  Geometry g = PortalFrame(6.0f, 4.0f);
  AddSupport(g, 1, true, true, true);
  AddSupport(g, 4, true, true, false);
  return g;
}

Geometry CircularArch() {
  const double pi = 4.0 * std::atan(1.0);
  // To the centimetre, as the geometry echo text holds the points.
  auto centimetres = [](double v) { return static_cast<float>(std::round(100.0 * v) / 100.0); };
  std::vector<Point> points;
  for (int k = 0; k <= 8; ++k) {
    const double angle = pi - k * pi / 8.0;
    points.push_back({centimetres(10.0 + 10.0 * std::cos(angle)), centimetres(10.0 * std::sin(angle))});
  }
  std::vector<Bar> bars;
  for (int k = 0; k < 8; ++k) bars.push_back(Bar{points[k], points[k + 1]});
  Geometry g = MakeGeometry(bars);
  AddSupport(g, 1, true, true, false);
  AddSupport(g, 9, true, true, false);
  return g;
}

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples{
      {"BEAM2", &TwoSpanBeam}, {"PORTAL", &HingedPortal}, {"ARCH", &CircularArch}};
  return examples;
}

LoadModel StoredExample(const std::string& name, const std::string& ext) {
  const common::Position position(plat::testing::TestFolder() + "data/", ext);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  const std::string echo = plat::testing::SourceFolder() + "examples/ECHO_G." + name + ".TXT";
  EXPECT_TRUE(plat::CopyFile(echo, position.TextFile("ECHO_G"), true)) << echo;
  const auto run = plat::testing::RunProgram("store-position", {position.data_path(), position.name()});
  EXPECT_EQ(run.exit_code, 0) << run.start_error << run.messages;
  return ReadModel(position);
}

common::PointLoadRecord ForceAtNode(const Geometry& g, int node, float value, char direction, int element) {
  common::PointLoadRecord p;
  p.set_kind(common::PointLoadRecord::kForce);
  p.set_placement(common::PointLoadRecord::kAtNode);
  p.set_node(static_cast<std::int16_t>(node));
  p.set_element(static_cast<std::int16_t>(element));
  p.set_x(g.nodes[node].x());
  p.set_y(g.nodes[node].y());
  p.set_z(-g.nodes[node].y());
  const float cos = element > 0 ? g.elements[element].cosine() : 0.0f;
  const float sin = element > 0 ? g.elements[element].sine() : 0.0f;
  SetPointLoadValue(p, value, direction, cos, sin);
  return p;
}

common::PointLoadRecord LoadOnElement(const Geometry& g, int kind, int element, float distance, float value,
                                      char direction) {
  common::PointLoadRecord p;
  p.set_kind(static_cast<std::uint8_t>(kind));
  p.set_placement(common::PointLoadRecord::kOnElement);
  p.set_element(static_cast<std::int16_t>(element));
  p.set_distance(distance);
  const PlanePoint at = PointOnElement(g.elements[element], distance);
  p.set_x(at.x);
  p.set_y(at.y);
  p.set_z(-at.y);
  SetPointLoadValue(p, value, direction, g.elements[element].cosine(), g.elements[element].sine());
  return p;
}

common::NoteRecord NoteOf(const std::string& text) {
  common::NoteRecord n;
  n.set_text(text);
  return n;
}

void BeginLoadCase(LoadModel& model, int number, const std::string& title) {
  model.load_case = EmptyLoadCase(model.geometry, number);
  model.load_case.params.set_title(title);
  model.load_case.params.set_origin(1);
}

void SetTemperature(LoadModel& model, float t, double delta_t, double alpha_t) {
  auto& lc = model.load_case;
  lc.params.set_temperature_flag(1);
  lc.params.set_uniform_temperature(t);
  lc.params.set_delta_t(delta_t);
  lc.params.set_alpha_t(alpha_t);
  for (auto& r : lc.temperatures.used()) {
    r.set_uniform_t(t);
    r.set_delta_t(static_cast<float>(delta_t));
    r.set_alpha_t(static_cast<float>(alpha_t));
    r.set_loaded(1);
  }
}

void Settle(LoadModel& model, int support, float u, float v, float phi) {
  auto& lc = model.load_case;
  auto& s = lc.settlements[support];
  s.set_settlement(1, u);
  s.set_settlement(2, v);
  s.set_settlement(3, phi);
  s.set_settled(1);
  lc.params.set_settlement_flag(1);
  lc.params.set_settled_support_count(static_cast<std::int16_t>(lc.params.settled_support_count() + 1));
}

void SetPrestress(LoadModel& model, const std::vector<std::pair<int, float>>& entries) {
  auto& lc = model.load_case;
  for (const auto& [element, force] : entries) {
    common::PrestressEntry e;
    e.set_element(element);
    e.set_force(force);
    lc.prestress.Append(e);
  }
  lc.params.set_prestress_flag(1);
  lc.params.set_prestress_count(static_cast<std::int16_t>(lc.prestress.count()));
}

void Store(LoadModel& model) {
  const StoreReport report = StoreLoadCase(model);
  ASSERT_TRUE(report.ok()) << report.refused.text();
  for (const auto& m : report.messages) ADD_FAILURE() << m.text();
}

namespace {

using PL = common::PointLoadRecord;

void AddLine(LoadModel& m, const common::LineLoadRecord& q, const std::string& note) {
  m.load_case.line_loads.Append(q);
  m.load_case.line_notes.Append(NoteOf(note));
}
void AddPoint(LoadModel& m, const common::PointLoadRecord& p, const std::string& note) {
  m.load_case.point_loads.Append(p);
  m.load_case.point_notes.Append(NoteOf(note));
}

void Beam2(LoadModel& m) {
  const Geometry& g = m.geometry;
  BeginLoadCase(m, 1, "Uniform load q = 10 kN/m on both spans");
  AddLine(m, WholeElementLoad(g.elements[1], 1, 'Y', 10.0f, 10.0f), "q span 1");
  AddLine(m, WholeElementLoad(g.elements[2], 2, 'Y', 10.0f, 10.0f), "q span 2");
  Store(m);

  BeginLoadCase(m, 2, "Point loads and a partial trapezoidal load");
  AddLine(m, StretchLoad(g.elements[2], 2, 'Y', 1.5f, 4.5f, 4.0f, 8.0f), "trapezoid on span 2");
  AddLine(m, WholeElementLoad(g.elements[1], 1, 'T', 2.0f, 2.0f), "axial load");
  AddLine(m, StretchLoad(g.elements[1], 1, 'N', 0.0f, 2.5f, 3.0f, 3.0f), "normal load from the start");
  AddPoint(m, LoadOnElement(g, PL::kForce, 1, 3.0f, 20.0f, 'Y'), "force in span 1");
  AddPoint(m, LoadOnElement(g, PL::kForce, 2, 2.0f, 5.0f, 'N'), "normal force in span 2");
  AddPoint(m, LoadOnElement(g, PL::kForce, 2, 4.0f, 6.0f, 'T'), "");
  AddPoint(m, ForceAtNode(g, 3, 7.5f, 'X'), "horizontal force at the end");
  common::PointLoadRecord moment = ForceAtNode(g, 3, 0.0f, 'X');
  moment.set_kind(PL::kMoment);
  SetPointLoadValue(moment, 15.0f, '0', 0.0f, 0.0f);
  AddPoint(m, moment, "end moment");
  Store(m);

  BeginLoadCase(m, 3, "Temperature and settlement");
  SetTemperature(m, 10.0f, 20.0, 1.2e-05);
  Settle(m, 2, 0.0f, 0.01f, 0.0f);
  Store(m);

  BeginLoadCase(m, 4, "Self weight and prestress");
  m.load_case.params.set_gravity_flag(1);
  m.load_case.params.set_gamma(25.0);
  m.load_case.params.set_covering(1.5);
  SetPrestress(m, {{1, 500.0f}, {2, 500.0f}});
  Store(m);

  BeginLoadCase(m, 5, "Kink and dislocations");
  AddPoint(m, LoadOnElement(g, PL::kKink, 1, 3.0f, 1.0f, '0'), "kink in span 1");
  AddPoint(m, LoadOnElement(g, PL::kVerticalDislocation, 2, 3.0f, 1.0f, '0'), "vertical jump");
  AddPoint(m, LoadOnElement(g, PL::kHorizontalDislocation, 2, 1.5f, 0.001f, '0'), "axial jump");
  Store(m);
}

void Portal(LoadModel& m) {
  const Geometry& g = m.geometry;
  BeginLoadCase(m, 1, "Roof load");
  AddLine(m, WholeElementLoad(g.elements[2], 2, 'Y', 12.0f, 12.0f), "roof");
  Store(m);

  BeginLoadCase(m, 2, "Wind from the left");
  AddLine(m, WholeElementLoad(g.elements[1], 1, 'X', 1.5f, 1.5f), "wind on the left column");
  AddLine(m, WholeElementLoad(g.elements[3], 3, 'X', 0.75f, 0.75f), "suction on the right column");
  AddPoint(m, ForceAtNode(g, 2, 10.0f, 'X'), "wind on the roof edge");
  Store(m);

  BeginLoadCase(m, 3, "Temperature, settlement of the hinged foot, prestress");
  SetTemperature(m, 15.0f, 0.0, 1.0e-05);
  Settle(m, 2, 0.005f, 0.01f, 0.0f);
  SetPrestress(m, {{2, 800.0f}});
  Store(m);

  BeginLoadCase(m, 4, "Self weight and a crane load");
  m.load_case.params.set_gravity_flag(1);
  m.load_case.params.set_gamma(25.0);
  AddPoint(m, LoadOnElement(g, PL::kForce, 2, 2.0f, 40.0f, 'Y'), "crane");
  common::PointLoadRecord moment = ForceAtNode(g, 3, 0.0f, 'X');
  moment.set_kind(PL::kMoment);
  SetPointLoadValue(moment, -12.0f, '0', 0.0f, 0.0f);
  AddPoint(m, moment, "bracket moment");
  AddPoint(m, ForceAtNode(g, 2, 8.0f, 'N', 1), "force across the left column");
  Store(m);
}

void Arch(LoadModel& m) {
  const Geometry& g = m.geometry;
  BeginLoadCase(m, 1, "Snow on the arch");
  for (int e = 1; e <= 8; ++e) AddLine(m, WholeElementLoad(g.elements[e], e, 'Y', 2.0f, 2.0f), "snow");
  Store(m);

  BeginLoadCase(m, 2, "Point load at the crown");
  AddPoint(m, ForceAtNode(g, 5, 50.0f, 'Y'), "crown load");
  AddLine(m, StretchLoad(g.elements[3], 3, 'N', 0.5f, 2.0f, 1.0f, 3.0f), "pressure on element 3");
  AddLine(m, WholeElementLoad(g.elements[6], 6, 'T', 0.5f, 0.5f), "friction on element 6");
  Store(m);

  BeginLoadCase(m, 3, "Temperature and a yielding abutment");
  SetTemperature(m, -20.0f, 5.0, 1.0e-05);
  Settle(m, 2, 0.002f, 0.0f, 0.0f);
  Store(m);
}

}  // namespace

void StoreExampleLoadCases(const std::string& name, LoadModel& model) {
  if (name == "BEAM2") Beam2(model);
  if (name == "PORTAL") Portal(model);
  if (name == "ARCH") Arch(model);
}

}  // namespace pundf::testing
