// The force diagrams of the solver's small beams: labels, values at a station, the shear of line and
// point loads, the unit-dislocation lines of the Green mode and the energy band.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "Quon/tests/support/solver_fixture.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/diagrams/force_diagrams.h"
#include "graphics/diagrams/unit_dislocation_lines.h"
#include "graphics/picture/world.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/section_forces.h"
#include "graphics/tests/solved_beam.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

using zedir::testing::SolverFixture;

using testing::SolvedBeam;
using testing::UniformLoad;

// A picture on a recording device; returns its texts.
template <typename Draw>
std::vector<std::string> TextsOf(ViewerState& state, const ViewState& view, PictureState& picture, Draw draw) {
  plat::RecordingDc dc;
  Canvas c{state, view, picture, dc};
  const common::DrawingExtents& e = state.extents;
  EXPECT_EQ(DefineWorld(picture, kFrameWorld, e.xmin() - 1, e.zmin() - 1, e.xmax() + 1, e.zmax() + 1), 1);
  SetClipRegion(c, dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES), PictureMargins{});
  draw(c);
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  return texts;
}

bool Holds(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(MomentDiagram, FixedBeamLabelsAndValues) {
  SolverFixture f(zedir::testing::FixedBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  ViewState view;
  PictureState picture;
  DiagramScale scale{0.02f, true};
  const std::vector<std::string> texts =
      TextsOf(state, view, picture, [&](Canvas& c) { EXPECT_EQ(DrawMomentDiagram(c, scale, DiagramOptions{}), 1); });
  EXPECT_TRUE(Holds(texts, "15.00 kNm"));
  EXPECT_TRUE(Holds(texts, "-30.00 kNm"));
  EXPECT_EQ(texts.size(), 2u);

  EXPECT_NEAR(testing::ForcesAt(state, view, 1, 0.5).m, 15.0, 1e-3);
  EXPECT_NEAR(testing::ForcesAt(state, view, 1, 0.0).m, -30.0, 1e-3);
  EXPECT_NEAR(testing::ForcesAt(state, view, 1, 1.0).v, -30.0, 1e-3);
}

// Values at a station are computed in memory: the curve files keep the load case's own moments
// and shears, whatever field is asked for (the Green point's kink added, the loads left out), and
// asking creates no file.
TEST(MomentDiagram, ValuesAtAStationLeaveTheCurveFilesAsTheyAre) {
  SolverFixture f(zedir::testing::FixedBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  ViewState view;
  view.green = GreenPoint{1, 3.0f, 25, GreenPoint::kMoment};
  const PictureCurveSwitches green{false, true};
  const PictureCurveSwitches no_loads{false, false};
  const std::string m_file = ElementCurveFileName(state, 'M', 1);
  const std::string s_file = ElementCurveFileName(state, 'S', 1);

  for (const PictureCurveSwitches& s : {green, no_loads, PictureCurveSwitches{}}) {
    (void)testing::ForcesAt(state, view, 1, 0.5, s);
  }
  EXPECT_FALSE(plat::FileExists(m_file));
  EXPECT_FALSE(plat::FileExists(s_file));

  PictureState picture;
  DiagramScale scale{0.02f, true};
  TextsOf(state, view, picture, [&](Canvas& c) {
    DrawMomentDiagram(c, scale, DiagramOptions{});
    DrawShearDiagram(c, scale, DiagramOptions{});
  });
  const std::string moments = testing::ReadBytes(m_file);
  const std::string shears = testing::ReadBytes(s_file);
  ASSERT_EQ(moments.size(), 51u * 4u);
  ASSERT_EQ(shears.size(), 51u * 4u);
  for (const PictureCurveSwitches& s : {green, no_loads}) {
    EXPECT_GT(std::fabs(testing::ForcesAt(state, view, 1, 0.5, s).m - 15.0), 1.0) << "a field other than the load case's";
    EXPECT_EQ(testing::ReadBytes(m_file), moments);
    EXPECT_EQ(testing::ReadBytes(s_file), shears);
  }
}

TEST(MomentDiagram, WithTheExtremeLabelSwitchOffOnlyTheListedLabels) {
  SolverFixture f(zedir::testing::FixedBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  state.print_scales.set_text_scale(0.0);
  ViewState view;
  view.label_samples = {0, 26};
  PictureState picture;
  DiagramScale scale{0.02f, true};
  EXPECT_EQ(TextsOf(state, view, picture, [&](Canvas& c) { DrawMomentDiagram(c, scale, DiagramOptions{}); }),
            std::vector<std::string>{"15.00 kNm"});
  DiagramOptions exponent;
  exponent.exponent_labels = true;
  EXPECT_EQ(TextsOf(state, view, picture, [&](Canvas& c) { DrawMomentDiagram(c, scale, exponent); }),
            std::vector<std::string>{"1.50E+01 kNm"});
}

TEST(ShearDiagram, SimplySupportedBeam) {
  {
    SolverFixture f(zedir::testing::SimpleBeam());
    ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
    PictureState picture;
    DiagramScale scale{0.02f, true};
    const std::vector<std::string> texts =
        TextsOf(state, ViewState{}, picture, [&](Canvas& c) { DrawShearDiagram(c, scale, DiagramOptions{}); });
    const std::vector<float> v = testing::Floats(ElementCurveFileName(state, 'S', 1));
    ASSERT_EQ(v.size(), 51u);
    EXPECT_NEAR(v[0], 30.0f, 1e-3f);
    EXPECT_NEAR(v[25], 0.0f, 1e-3f);
    EXPECT_NEAR(v[50], -30.0f, 1e-3f);
    EXPECT_EQ(texts, std::vector<std::string>{"30.0 kN"});
  }
  SolverFixture f(zedir::testing::SimpleBeam());
  zedir::testing::LoadCaseFiles files;
  files.point_loads.Append(zedir::testing::ForceAcross(1, 2.0f, 20.0f));
  ViewerState state = SolvedBeam(f, files);
  PictureState picture;
  DiagramScale scale{0.02f, true};
  DiagramOptions exponent;
  exponent.exponent_labels = true;
  EXPECT_EQ(TextsOf(state, ViewState{}, picture, [&](Canvas& c) { DrawShearDiagram(c, scale, DiagramOptions{}); }),
            std::vector<std::string>{"13.3 kN"});
  EXPECT_EQ(TextsOf(state, ViewState{}, picture, [&](Canvas& c) { DrawShearDiagram(c, scale, exponent); }),
            std::vector<std::string>{"1.33E+01 kN"});
}

// The shear picture is drawn unscaled while its scale does not exceed the frame's lower bound,
// which the stored scale is then raised to.
TEST(ShearDiagram, ScaleBelowTheLowerBound) {
  SolverFixture f(zedir::testing::SimpleBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  state.params.set_tolerance(0.5);
  PictureState picture;
  DiagramScale scale{0.02f, true};
  TextsOf(state, ViewState{}, picture, [&](Canvas& c) { DrawShearDiagram(c, scale, DiagramOptions{}); });
  EXPECT_EQ(scale.value, 0.5f);
}

// Green mode at the middle of the fixed beam, without displacements: each moment line is -EI w''
// of the shape of its dislocation and each shear line the slope of its moment line.
TEST(UnitDislocationLines, MomentIsMinusEIWSecondAndShearItsSlope) {
  SolverFixture f(zedir::testing::FixedBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  const double l = state.elements[1].length();
  const double ei = ElementValuesAlong(state, 1).ei;
  const double h = l / 50.0;
  const int n = 25;
  const double at = n * 0.02 * l;
  struct Kind {
    int green;
    mechanics::CurveLine m, v;
  };
  const Kind kinds[] = {
      {GreenPoint::kRotation, MomentLineUnitMoment(l, at), ShearLineUnitMoment(l, at)},
      {GreenPoint::kShear, MomentLineUnitJump(l, ei, at), ShearLineUnitJump(l, ei, at)},
      {GreenPoint::kMoment, MomentLineUnitKink(l, ei, at), ShearLineUnitKink(l, ei, at)},
  };
  for (const Kind& k : kinds) {
    ViewState view;
    view.green = GreenPoint{1, static_cast<float>(at), n, k.green};
    DiagramOptions green;
    green.green = true;
    const mechanics::ElementCurves shape = PictureElementCurves(state, view, 1, PictureCurveSwitches{false, true});
    double largest = 0.0;
    for (int i = 1; i <= 51; ++i) largest = std::max(largest, std::fabs(k.m(i)));
    for (int i = 2; i <= 50; ++i) {
      if (std::abs(i - (n + 1)) <= 1) continue;  // the dislocation itself
      const double w2 = (shape.w(i + 1) - 2.0 * shape.w(i) + shape.w(i - 1)) / (h * h);
      EXPECT_NEAR(k.m(i), -ei * w2, 1e-4 * largest) << "kind " << k.green << " sample " << i;
      const double slope = (k.m(i + 1) - k.m(i - 1)) / (2.0 * h);
      EXPECT_NEAR(k.v(i), slope, 1e-4 * largest / l) << "kind " << k.green << " sample " << i;
    }
    // The pictures in Green mode draw these lines on the Green element.
    PictureState picture;
    DiagramScale scale{1e-6f, true};
    TextsOf(state, view, picture, [&](Canvas& c) { DrawMomentDiagram(c, scale, green); });
    const std::vector<float> drawn = testing::Floats(ElementCurveFileName(state, 'M', 1));
    ASSERT_EQ(drawn.size(), 51u);
    for (int i = 1; i <= 51; ++i) {
      EXPECT_NEAR(drawn[static_cast<std::size_t>(i - 1)], k.m(i), 1e-5 * largest) << k.green << " " << i;
    }
    EXPECT_NEAR(testing::ForcesAt(state, view, 1, 0.0, PictureCurveSwitches{false, true}).v, k.v(1), 1e-5 * largest);
  }
}

TEST(EnergyBand, SumsTheEnergiesAndClearsTheNormalForceExtremes) {
  SolverFixture f(zedir::testing::FixedBeam());
  ViewerState state = SolvedBeam(f, UniformLoad(f, 10.0f));
  state.energies.assign(3, 0.0f);
  state.energies[1] = 0.25f;
  state.elements[1].set_min_normal_force(-3.0f);
  PictureState picture;
  DiagramScale scale{1.0f, false};
  int drawn = 0;
  TextsOf(state, ViewState{}, picture, [&](Canvas& c) {
    drawn = DrawEnergyBand(c, state.elements, state.energies, scale, DiagramOptions{});
  });
  EXPECT_EQ(drawn, 1);
  EXPECT_FLOAT_EQ(state.energies[0], 0.25f);
  EXPECT_EQ(state.elements[1].min_normal_force(), 1e10f);
  EXPECT_EQ(state.elements[1].max_normal_force(), -1e10f);
  EXPECT_EQ(picture.diagram_kind, 2);
  // The band's height, 100 times the energy, is fitted to a tenth of the drawing's span.
  const common::DrawingExtents& e = state.extents;
  const double span = std::max(e.xmax() - e.xmin(), e.zmax() - e.zmin());
  EXPECT_TRUE(scale.fitted);
  EXPECT_NEAR(scale.value * 100.0 * 0.25, 0.1 * span, 1e-5 * span);
}

}  // namespace
}  // namespace revuzavi
