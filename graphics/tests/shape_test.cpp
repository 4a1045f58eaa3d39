// The displacement pictures on the solver's small beams: the viewer's U and W files are the
// solver's, the labels, the Green-function curves, the eigenmodes and the unit displacements.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "Quon/tests/support/solver_fixture.h"
#include "graphics/app/green_pictures.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/diagrams/deflected_shape.h"
#include "graphics/diagrams/eigenmode.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/picture/element_values.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/solved_beam.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

using zedir::testing::LoadCaseFiles;
using zedir::testing::SolverFixture;
using T = common::PointLoadRecord;

using testing::SolvedBeam;
using testing::UniformLoad;

// A point load of `kind` on element 1 at a: a force across it, or a moment, kink or jump.
LoadCaseFiles PointOnBeam(std::uint8_t kind, float a, float value) {
  LoadCaseFiles files;
  if (kind == T::kForce) {
    files.point_loads.Append(zedir::testing::ForceAcross(1, a, value));
  } else {
    T load = zedir::testing::ElementLoad(1, kind, a);
    load.set_value(value);
    load.set_kind_value(value);
    files.point_loads.Append(load);
  }
  return files;
}

struct Recorded {
  explicit Recorded(ViewerState& s) : picture(s, 1.0f) {}
  testing::RecordedPicture picture;
  Canvas& c() { return picture.canvas; }
  std::vector<const plat::DeviceOp*> Texts() const {
    std::vector<const plat::DeviceOp*> texts;
    for (const plat::DeviceOp& op : picture.dc.ops()) {
      if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(&op);
    }
    return texts;
  }
};

DeflectionOptions Scaled(double scale) {
  DeflectionOptions o;
  o.shape.scale = scale;
  return o;
}

// Checks that the "W" file of element 1 holds the end part of its displacements alone; returns it.
mechanics::ElementCurves EndPartOnly(const ViewerState& state) {
  const ElementValues v = ElementValuesAlong(state, 1);
  const mechanics::ElementCurves ends =
      mechanics::EndDisplacementCurves(v.local, v.length, mechanics::Rigidity{v.ea, v.ei});
  const std::vector<float> w = testing::Floats(ElementCurveFileName(state, 'W', 1));
  EXPECT_EQ(w.size(), 51u);
  for (std::size_t i = 0; i < w.size(); ++i) EXPECT_FLOAT_EQ(w[i], static_cast<float>(ends.w(static_cast<int>(i) + 1))) << i;
  return ends;
}

TEST(DeflectedShape, CurveFilesAndLabelsAreTheSolvers) {
  struct Case {
    const char* name;
    zedir::testing::FrameBuilder (*frame)();
    LoadCaseFiles (*loads)(const SolverFixture&);
    double middle;       // W(26), 0 for no check
    const char* label;   // of the largest value, nullptr for no check
  };
  const Case cases[] = {
      {"simple beam, q = 10", zedir::testing::SimpleBeam,
       [](const SolverFixture& f) { return UniformLoad(f, 10.0f); }, 5.2734e-3, "5.27"},
      {"fixed beam, q = 10", zedir::testing::FixedBeam,
       [](const SolverFixture& f) { return UniformLoad(f, 10.0f); }, 1.0547e-3, "1.05"},
      {"point moment 12 at midspan", zedir::testing::SimpleBeam,
       [](const SolverFixture&) { return PointOnBeam(T::kMoment, 3.0f, 12.0f); }, 0.0, nullptr},
      {"force 20 at 1.5", zedir::testing::SimpleBeam,
       [](const SolverFixture&) { return PointOnBeam(T::kForce, 1.5f, 20.0f); }, 0.0, nullptr},
  };
  for (const Case& k : cases) {
    SolverFixture f(k.frame());
    ViewerState state = SolvedBeam(f, k.loads(f));
    Recorded r(state);
    EXPECT_EQ(DrawDeflectedShape(r.c(), Scaled(100.0)), 1) << k.name;
    for (char letter : {'W', 'U'}) {
      const std::vector<float> viewer = testing::Floats(ElementCurveFileName(state, letter, 1));
      const std::vector<float> solver = f.Curve(letter, 1);
      ASSERT_EQ(viewer.size(), 51u) << k.name;
      ASSERT_EQ(solver.size(), 51u) << k.name;
      for (std::size_t i = 0; i < 51; ++i) {
        EXPECT_NEAR(viewer[i], solver[i], std::max(1e-9, 1e-6 * std::fabs(solver[i]))) << k.name << letter << i + 1;
      }
    }
    if (k.middle != 0.0) {
      const std::vector<float> w = testing::Floats(ElementCurveFileName(state, 'W', 1));
      EXPECT_NEAR(w[25], k.middle, 1e-7) << k.name;
      const std::vector<const plat::DeviceOp*> texts = r.Texts();
      ASSERT_EQ(texts.size(), 1u) << k.name;
      EXPECT_EQ(texts[0]->text, k.label) << k.name;
      // At sample 26: the label's remembered place above the drawn middle of the curve.
      const LabelPosition at = r.c().picture.labels.deflection.At(1);
      EXPECT_EQ(at.placed, 1);
      EXPECT_NEAR(at.x, 3.0, 1e-5) << k.name;
      EXPECT_NEAR(at.z, -0.99 * 100.0 * k.middle + 0.1, 1e-5) << k.name << ": drawn down, z up";
    }
  }
}

TEST(DeflectedShape, ALabelAtTheListedSample) {
  SolverFixture f(zedir::testing::SimpleBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  Recorded r(state);
  r.picture.view.label_samples = {0, 13};
  DrawDeflectedShape(r.c(), Scaled(100.0));
  std::vector<std::string> texts;
  for (const plat::DeviceOp* op : r.Texts()) texts.push_back(op->text);
  // q x (l^3 - 2 l x^2 + x^3) / 24 EI at x = 1.44.
  EXPECT_EQ(texts, (std::vector<std::string>{"5.27", "3.64"}));
  EXPECT_NEAR(r.c().picture.labels.deflection.At(2).x, 1.44, 1e-5);
}

TEST(DeflectedShape, TransverseJumpOfTheSimpleBeam) {
  SolverFixture f(zedir::testing::SimpleBeam());
  const double d = 0.004;
  ViewerState state = SolvedBeam(f, PointOnBeam(T::kVerticalDislocation, 3.0f, static_cast<float>(d)));
  Recorded r(state);
  DrawDeflectedShape(r.c(), Scaled(100.0));
  // Two rigid halves: -D x / l before the jump, D (1 - x / l) after it.
  const std::vector<float> w = testing::Floats(ElementCurveFileName(state, 'W', 1));
  ASSERT_EQ(w.size(), 51u);
  for (int k = 1; k <= 51; ++k) {
    const double x = (k - 1) * 6.0 / 50;
    const double expected = x <= 3.0 + 1e-9 ? -d * x / 6 : d * (1 - x / 6);
    EXPECT_NEAR(w[static_cast<std::size_t>(k - 1)], expected, 1e-7) << k;
  }
  const std::vector<const plat::DeviceOp*> texts = r.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->text, "-2.00");
}

TEST(DeflectedShape, WithoutLoadsOnlyTheEndDisplacements) {
  SolverFixture f(zedir::testing::SimpleBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  Recorded r(state);
  DeflectionOptions o = Scaled(100.0);
  o.without_loads = true;
  DrawDeflectedShape(r.c(), o);
  const mechanics::ElementCurves ends = EndPartOnly(state);
  EXPECT_GT(std::fabs(ends.w(26) - 5.2734e-3), 1e-3) << "the load's own part is left out";
}

TEST(DeflectedShape, UnitDisplacementLabelInPlaceOfTheExtremes) {
  SolverFixture f(zedir::testing::SimpleBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  Recorded r(state);
  DeflectionOptions o = Scaled(100.0);
  o.unit_dof = 3;  // the rotation of node 1
  DrawDeflectedShape(r.c(), o);
  const std::vector<const plat::DeviceOp*> texts = r.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->text, "f 3 = " + FormatValue("%.2f", state.right_hand_side[3]));
  // The node's mark and the unit force's arrow are drawn at the node: the
  // label stands clear of it, below it and towards the frame's middle.
  const common::NodeRecord& node = state.nodes[1];
  const plat::Point at = r.picture.dc.LPtoDP(plat::Point{r.c().Logical(node.x()), r.c().Logical(node.z())});
  const plat::Rect box = texts[0]->bounds;
  EXPECT_GT(box.left, at.x) << box.left << ".." << box.right << " node " << at.x;
  EXPECT_GT(box.top, at.y) << box.top << ".." << box.bottom << " node " << at.y;
}

TEST(DeflectedShape, AMovedLabelKeepsItsPlaceUntilTheTableIsCleared) {
  SolverFixture f(zedir::testing::SimpleBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  Recorded r(state);
  auto text_point = [&r]() {
    r.picture.dc.Clear();
    DrawDeflectedShape(r.c(), Scaled(100.0));
    const std::vector<const plat::DeviceOp*> texts = r.Texts();
    EXPECT_EQ(texts.size(), 1u);
    return texts.empty() ? plat::Point{} : texts[0]->origin;
  };
  const plat::Point first = text_point();
  EXPECT_EQ(text_point(), first) << "a repaint";
  const LabelPosition at = r.c().picture.labels.deflection.At(1);
  ASSERT_TRUE(r.c().picture.labels.deflection.Move(1, at.x + 1.0f, at.z));
  const plat::Point moved = text_point();
  const plat::Point one_metre = r.picture.dc.LPtoDP(plat::Point{state.drawing_scale, 0});
  const plat::Point origin = r.picture.dc.LPtoDP(plat::Point{0, 0});
  EXPECT_NEAR(moved.x - first.x, one_metre.x - origin.x, 1);
  EXPECT_EQ(moved.y, first.y);
  EXPECT_EQ(text_point(), moved) << "a repaint keeps the moved place";
  r.c().picture.labels.Clear();
  EXPECT_EQ(text_point(), first);
}

TEST(ShapeLabels, Texts) {
  struct Case {
    std::string text;
    std::string expected;
  };
  GreenCurveOptions mm;
  GreenCurveOptions plain;
  plain.label_unit = 1;
  GreenCurveOptions exponent = mm;
  exponent.exponent_labels = true;
  const Case cases[] = {
      {DeflectionLabel(4e-6, false, false), ""},
      {DeflectionLabel(1e-5, false, false), "0.01"},
      {DeflectionLabel(-5.2734e-3, false, false), "-5.27"},
      {DeflectionLabel(5.2734e-3, false, true), "5.27e+00"},
      {DeflectionLabel(1.23456e-3, true, true), "1.23"},
      {GreenCurveLabel(1.4063e-4, GreenPoint::kW, mm), "0.14"},
      {GreenCurveLabel(1e-5, GreenPoint::kW, mm), ""},
      {GreenCurveLabel(1.4063e-4, GreenPoint::kW, exponent), "1.41e-01"},
      {GreenCurveLabel(0.72, GreenPoint::kMoment, plain), "0.72"},
      {GreenCurveLabel(0.01, GreenPoint::kMoment, plain), ""},
      {GreenCurveLabel(0.004, GreenPoint::kRotation, plain), "0.00400"},
      {GreenCurveLabel(0.25, GreenPoint::kRotation, plain), "0.25000"},
  };
  for (const Case& k : cases) EXPECT_EQ(k.text, k.expected);
}

// The Green functions of the simple beam at its middle: the displacements are those of the unit
// action solved as a load case; the viewer adds the action's own part on the element.
TEST(GreenFunctionCurve, SimpleBeamAtItsMiddle) {
  struct Case {
    int kind;
    std::uint8_t load;
    std::vector<std::pair<int, double>> w;  // sample, W
  };
  const Case cases[] = {
      {GreenPoint::kW, T::kForce, {{26, 6.0 * 6 * 6 / (48 * 32000.0)}}},
      {GreenPoint::kMoment, T::kKink, {{26, 1.5}, {13, 0.72}}},
      {GreenPoint::kShear, T::kVerticalDislocation, {{25, -0.48}, {27, 0.48}}},
  };
  for (const Case& k : cases) {
    SolverFixture f(zedir::testing::SimpleBeam());
    ViewerState state = SolvedBeam(f, PointOnBeam(k.load, 3.0f, 1.0f));
    std::vector<std::vector<float>> fields;
    for (bool at_point : {true, false}) {
      Recorded r(state);
      r.picture.view.green = GreenPoint{1, 3.0f, 25, k.kind};
      GreenCurveOptions o;
      o.shape.scale = 1.0;
      o.at_point = at_point;
      plat::RemoveFile(ElementCurveFileName(state, 'W', 1));
      EXPECT_EQ(DrawGreenFunctionCurve(r.c(), o), 1);
      EXPECT_FALSE(plat::FileExists(ElementCurveFileName(state, 'W', 1))) << "the curve files hold the load case's";
      const mechanics::ElementCurves curves = GreenElementCurves(state, r.picture.view, 1, at_point);
      fields.emplace_back();
      for (int s = 1; s <= 51; ++s) fields.back().push_back(static_cast<float>(curves.w(s)));
    }
    const std::vector<float>& w = fields[0];
    for (const auto& [sample, value] : k.w) {
      EXPECT_NEAR(w[static_cast<std::size_t>(sample - 1)], value, 1e-6 * std::max(1.0, std::fabs(value) * 1e3))
          << "kind " << k.kind << " sample " << sample;
    }
    if (k.kind == GreenPoint::kW) {
      for (int s = 1; s <= 51; ++s) {
        EXPECT_NEAR(w[static_cast<std::size_t>(s - 1)], w[static_cast<std::size_t>(51 - s)], 1e-10) << s;
      }
    }
    for (std::size_t i = 0; i < 51; ++i) EXPECT_FLOAT_EQ(fields[1][i], w[i]) << "middle case, kind " << k.kind << " " << i;
    // The field is the solver's curve of the unit action.
    const std::vector<float> solver = f.Curve('W', 1);
    for (std::size_t i = 0; i < 51; ++i) EXPECT_NEAR(w[i], solver[i], 1e-9 + 1e-6 * std::fabs(solver[i])) << i;
  }
}

// A frame whose middle case differs from the mirrored one: the Green element's ends move.
TEST(GreenFunctionCurve, MiddleCaseIsThePointCaseAtTheMiddle) {
  SolverFixture f(zedir::testing::Cantilever());
  ViewerState state = SolvedBeam(f, PointOnBeam(T::kForce, 3.0f, 1.0f));
  ViewState view;
  view.green = GreenPoint{1, 1.2f, 10, GreenPoint::kW};
  const mechanics::ElementCurves middle = GreenElementCurves(state, view, 1, false);
  view.green.position = 3.0f;
  const mechanics::ElementCurves point = GreenElementCurves(state, view, 1, true);
  for (int k = 1; k <= 51; ++k) EXPECT_DOUBLE_EQ(middle.w(k), point.w(k)) << k;
  EXPECT_GT(std::fabs(point.w(51) - point.w(1)), 1e-4) << "not symmetric";
  // An axial force stays at the point.
  view.green = GreenPoint{1, 1.2f, 10, GreenPoint::kU};
  const mechanics::ElementCurves axial_middle = GreenElementCurves(state, view, 1, false);
  const mechanics::ElementCurves axial_point = GreenElementCurves(state, view, 1, true);
  for (int k = 1; k <= 51; ++k) EXPECT_DOUBLE_EQ(axial_middle.u(k), axial_point.u(k)) << k;
}

void WriteDoubles(const std::string& path, const std::vector<double>& values) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(values.data()), static_cast<std::streamsize>(values.size() * sizeof(double)));
}

TEST(Eigenmode, ModesOfEvAndEigv) {
  SolverFixture f(zedir::testing::TwoSpans());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  ASSERT_EQ(state.equation_count(), 9);
  const std::string ev = state.position.File("EV"), eigv = state.position.File("EIGV");
  ModeValues values{7.0, 8.0, 9.0};
  const common::Result missing = ReadEigenmode(state, 1, values);
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(missing.text(), "File " + ev + " not found. See manual for how to calculate eigenvectors with MatLab!");

  std::vector<double> two_modes(18);
  for (std::size_t i = 0; i < 18; ++i) two_modes[i] = 0.001 * static_cast<double>(i + 1);
  WriteDoubles(ev, two_modes);
  ASSERT_TRUE(ReadEigenmode(state, 2, values).ok());
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(state.displacements[static_cast<std::size_t>(d)], 0.001 * (9 + d)) << "byte 72 on";
  EXPECT_EQ(values.mode, 7.0) << "no EIGV: the values stay";
  EXPECT_EQ(values.first, 8.0);

  std::vector<double> eigenvalues(9);
  for (std::size_t i = 0; i < 9; ++i) eigenvalues[i] = 10.0 * static_cast<double>(i + 1);
  WriteDoubles(eigv, eigenvalues);
  ASSERT_TRUE(ReadEigenmode(state, 2, values).ok());
  EXPECT_EQ(values.mode, 20.0);
  EXPECT_EQ(values.first, 10.0);
  EXPECT_EQ(values.last, 90.0);

  // Files shorter than the mode asked for refuse it, naming the file; nothing changes.
  WriteDoubles(ev, std::vector<double>(two_modes.begin(), two_modes.begin() + 9));
  const std::vector<double> before = state.displacements;
  const ModeValues shown = values;
  common::Result refused = ReadEigenmode(state, 2, values);
  EXPECT_FALSE(refused.ok());
  EXPECT_NE(refused.text().find(ev), std::string::npos) << refused.text();
  WriteDoubles(ev, two_modes);
  WriteDoubles(eigv, {10.0});
  refused = ReadEigenmode(state, 2, values);
  EXPECT_FALSE(refused.ok());
  EXPECT_NE(refused.text().find(eigv), std::string::npos) << refused.text();
  EXPECT_FALSE(ReadEigenmode(state, 0, values).ok());
  EXPECT_EQ(state.displacements, before);
  EXPECT_EQ(values.mode, shown.mode);

  // The mode is drawn without the loads of the load case, and its field written to no curve file.
  WriteDoubles(eigv, eigenvalues);
  ASSERT_TRUE(ReadEigenmode(state, 1, values).ok());
  for (const char letter : {'W', 'U'}) plat::RemoveFile(ElementCurveFileName(state, letter, 1));
  Recorded mode(state);
  EXPECT_EQ(DrawEigenmode(mode.c(), Scaled(10.0)), 2);
  for (const char letter : {'W', 'U'}) EXPECT_FALSE(plat::FileExists(ElementCurveFileName(state, letter, 1))) << letter;
  Recorded ends(state);
  DeflectionOptions o = Scaled(10.0);
  o.without_loads = true;
  DrawDeflectedShape(ends.c(), o);
  EndPartOnly(state);
  const auto lines = [](const Recorded& r) {
    std::vector<std::vector<plat::Point>> points;
    for (const plat::DeviceOp& op : r.picture.dc.ops()) {
      if (op.kind == plat::DeviceOp::Kind::kPolyline) points.push_back(op.points);
    }
    return points;
  };
  EXPECT_EQ(lines(mode), lines(ends));
}

TEST(SupportDofShape, LabelOfTheSupportAndArrows) {
  SolverFixture f(zedir::testing::SimpleBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  state.displacements[2] = 0.985;  // node 1 down by one unit
  state.support_dofs = {SupportDof{2, 1, SupportDof::kZ}};
  Recorded r(state);
  SupportShapeOptions o;
  o.shape.scale = 1.0;
  o.arrows = true;
  o.support_index = 1;
  EXPECT_EQ(DrawSupportDofShape(r.c(), o), 1);
  std::vector<const plat::DeviceOp*> texts = r.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->text, "support moved by 1: node moves 0.985");
  const LabelPosition at = r.c().picture.labels.deflection.At(1);
  EXPECT_NEAR(at.z, -0.985 + 0.1, 1e-6) << "below the node, z up";
  int red = 0;
  for (const plat::DeviceOp& op : r.picture.dc.ops()) red += op.call == std::string("LineTo") && op.pen.color == plat::Rgb(255, 10, 10);
  EXPECT_EQ(red, 3) << "one arrow and its head";

  // Vertical components: every node labelled with its own.
  Recorded nodes(state);
  o.shape.vertical_only = true;
  o.arrows = false;
  DrawSupportDofShape(nodes.c(), o);
  texts = nodes.Texts();
  ASSERT_EQ(texts.size(), 1u) << "node 2 does not move";
  EXPECT_EQ(texts[0]->text, "0.98");
}

// The support's Green's function is the influence function of its reaction: its foot moved by 1,
// an elastic rotational support of c = 0.29 / 0.71 3EI/l at the end of a propped beam lets the
// node turn c / (c + 3EI/l) = 0.29; title and label say so.
TEST(SupportDofShape, AnElasticRotationalSupportNamesHowFarTheNodeMoves) {
  constexpr double kThreeEiOverL = 3.0 * 32000.0 / 6.0;
  const double c = 0.29 / 0.71 * kThreeEiOverL;
  zedir::testing::FrameBuilder beam;
  beam.AddNode(0, 0, 1, 1, static_cast<float>(c / 3e10));
  beam.AddNode(6, 0, 0, 1);
  beam.AddElement(1, 2);
  SolverFixture f(beam);
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  int index = 0;
  for (std::size_t i = 0; i < state.support_dofs.size(); ++i) {
    if (state.support_dofs[i].direction == SupportDof::kRotation) index = static_cast<int>(i) + 1;
  }
  ASSERT_NE(index, 0);
  const double spring = static_cast<double>(state.nodes[1].support(3)) * state.params.support_stiffness();
  const double turn = spring / (spring + kThreeEiOverL);
  ASSERT_NEAR(turn, 0.29, 1e-6);

  testing::RecordedPicture p(state, 2.0f);
  PictureMemory memory;
  PictureRequest r;
  r.client_width = 1000;
  r.client_height = 700;
  r.support_green = true;
  r.support_dof_index = index;
  DrawPicture(state, p.view, p.picture, memory, r, p.dc);
  const SupportDof& entry = state.support_dofs[static_cast<std::size_t>(index - 1)];
  EXPECT_NEAR(state.displacements[static_cast<std::size_t>(entry.dof)], turn, 1e-6);
  int labels = 0;
  for (const plat::DeviceOp& op : p.dc.ops()) labels += op.text == "support moved by 1: node moves 0.29";
  EXPECT_EQ(labels, 1);
  EXPECT_EQ(SupportGreenTitle(state, index), "support phi at node 1 moved by 1: the node moves 0.29");
}

TEST(UnitDisplacementMarker, ArrowsArcAndTheLabelNumber) {
  SolverFixture f(zedir::testing::SimpleBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  struct Case {
    int dof;
    double size;
    double tip_x, tip_z;  // metres from node 1; an arc when both are 0
  };
  const Case cases[] = {
      {1, 2.0, 0.6, 0.0},   // to the right, 0.3 of the size
      {2, 2.0, 0.0, -0.6},  // down, z up
      {2, 0.0, 0.0, -0.3},  // a size of 0 counts as 1
      {3, 1.0, 0.0, 0.0},   // the rotation
  };
  for (const Case& k : cases) {
    Recorded r(state);
    DrawUnitDisplacementMarker(r.c(), 1, k.dof, k.size, 5);
    const std::vector<const plat::DeviceOp*> texts = r.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]->text, "4");
    const plat::Dc& dc = r.picture.dc;
    const plat::Point node = dc.LPtoDP(plat::Point{0, 0});
    int arrows = 0, arcs = 0;
    for (const plat::DeviceOp& op : r.picture.dc.ops()) {
      if (op.call == std::string("Polyline") && op.points.size() > 10) ++arcs;
      if (op.call != std::string("LineTo") || op.points.size() < 2 || op.points[0] != node) continue;
      const plat::Point tip = dc.LPtoDP(plat::Point{r.c().Logical(k.tip_x), r.c().Logical(k.tip_z)});
      arrows += std::abs(op.points[1].x - tip.x) <= 1 && std::abs(op.points[1].y - tip.y) <= 1;
    }
    const bool arc = k.tip_x == 0.0 && k.tip_z == 0.0;
    EXPECT_EQ(arrows, arc ? 0 : 1) << "dof " << k.dof << " size " << k.size;
    EXPECT_EQ(arcs, arc ? 1 : 0) << "dof " << k.dof;
  }
  Recorded none(state);
  DrawUnitDisplacementMarker(none.c(), 0, 1, 1.0, 5);
  DrawUnitDisplacementMarker(none.c(), 9, 1, 1.0, 5);
  DrawUnitDisplacementMarker(none.c(), 1, 5, 1.0, 5);
  EXPECT_TRUE(none.picture.dc.ops().empty()) << "no node, or a dof that is not the node's";
}

}  // namespace
}  // namespace revuzavi
