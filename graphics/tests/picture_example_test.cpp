// The frame picture of PORTAL and the element values and curves of BEAM2, both computed by the
// real programs: the viewer's curves are the solver's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/frame.h"
#include "graphics/picture/world.h"
#include "graphics/tests/computed_example.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/dc/recording_dc.h"
#include "platform/testing/testing.h"

namespace revuzavi {
namespace {

std::vector<std::string> TextsIn(const plat::RecordingDc& dc, plat::ColorRef colour) {
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText && op.text_color == colour) texts.push_back(op.text);
  }
  return texts;
}

// The calls of a kind whose points all lie within `radius` device pixels of the point.
int CallsNear(const plat::RecordingDc& dc, plat::DeviceOp::Kind kind, plat::Point at, double radius) {
  int n = 0;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind != kind || op.points.empty()) continue;
    bool near = true;
    for (const plat::Point& p : op.points) near = near && std::hypot(p.x - at.x, p.y - at.y) <= radius;
    n += near ? 1 : 0;
  }
  return n;
}

constexpr char kPortal[] = "PORTAL";
constexpr char kBeam2[] = "BEAM2";
using PortalFrame = testing::ComputedExampleTest<kPortal>;
using Beam2 = testing::ComputedExampleTest<kBeam2>;

TEST_F(PortalFrame, LabelsAndSupportSymbols) {
  ViewerState state = testing::ViewerOn(*position_, 0);
  ASSERT_EQ(state.elements.count(), 3);
  ViewState view;
  PictureState picture;
  plat::RecordingDc dc;
  Canvas c{state, view, picture, dc};
  testing::MapFrame(c);
  FrameOptions options;
  options.labels = true;
  EXPECT_EQ(DrawFrame(c, options), 3);
  EXPECT_EQ(TextsIn(dc, plat::Rgb(0, 0, 200)),
            (std::vector<std::string>{"1  l = 4.00 m", "2  l = 6.00 m", "3  l = 4.00 m"}));

  const double symbol = 4.0 * FrameUnit(state) * state.drawing_scale * std::fabs(double(dc.GetViewportExt().cx)) /
                        dc.GetWindowExt().cx;
  const plat::Point node1 = dc.LPtoDP(plat::Point{0, 0});
  const plat::Point node4 = dc.LPtoDP(plat::Point{6 * state.drawing_scale, 0});
  using Kind = plat::DeviceOp::Kind;
  // Clamped at node 1: a grey square and a line across; hinged at node 4: two sloping lines and one
  // base line, no roller line.
  EXPECT_EQ(CallsNear(dc, Kind::kPolygon, node1, symbol), 1);
  EXPECT_EQ(CallsNear(dc, Kind::kPolyline, node1, symbol), 1);
  EXPECT_EQ(CallsNear(dc, Kind::kPolygon, node4, symbol), 0);
  EXPECT_EQ(CallsNear(dc, Kind::kPolyline, node4, symbol), 3);

  // Neither compression nor tension: the label says so, and the details draw it red dash-dot.
  state.elements[2].set_compression_flag(0);
  state.elements[2].set_tension_flag(0);
  state.elements[3].set_tension_flag(0);
  dc.Clear();
  options.details = true;
  DrawFrame(c, options);
  EXPECT_EQ(TextsIn(dc, plat::Rgb(0, 0, 200)),
            (std::vector<std::string>{"1  l = 4.00 m", "2  l = 6.00 m, C = 0, T = 0", "3  l = 4.00 m, T = 0"}));
  int red_dash_dot = 0;
  for (const plat::DeviceOp& op : dc.ops()) {
    red_dash_dot += op.call == std::string("LineTo") && op.pen.style == plat::PS_DASHDOT &&
                    op.pen.color == plat::Rgb(255, 10, 10);
  }
  EXPECT_EQ(red_dash_dot, 1);
}

TEST_F(PortalFrame, DrawnOnABitmap) {
  ViewerState state = testing::ViewerOn(*position_, 0);
  ViewState view;
  PictureState picture;
  plat::Bitmap bitmap(1000, 700);
  {
    plat::PainterDc dc(bitmap);
    Canvas c{state, view, picture, dc};
    testing::MapFrame(c, 1.0f);
    FrameOptions options;
    options.labels = true;
    DrawFrame(c, options);
    DrawHinges(c);
    DrawRigidJoints(c);
    DrawDimensions(c, 80);
  }
  const std::string png = plat::testing::TestFolder() + "PORTAL.png";
  EXPECT_TRUE(bitmap.Save(png).ok());
  // The frame is drawn: black pixels on the left column, at x = 0.
  plat::RecordingDc recording;
  Canvas c{state, view, picture, recording};
  testing::MapFrame(c, 1.0f);
  const plat::Point middle = recording.LPtoDP(plat::Point{0, 2 * state.drawing_scale});
  EXPECT_EQ(bitmap.Pixel(middle.x, middle.y), plat::Rgb(0, 0, 0));
}

TEST_F(Beam2, EnergiesAreTheSolvers) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  ASSERT_EQ(state.current_load_case, 1);
  const std::vector<float> energies = testing::Floats(position_->LoadCaseFile("ENERGIES", 1));
  ASSERT_EQ(energies.size(), 3u);
  std::vector<float> recorded(3, 0.0f);
  for (int e = 1; e <= 2; ++e) {
    const ElementValues v = ElementValuesAlong(state, e);
    EXPECT_EQ(static_cast<float>(v.energy), energies[static_cast<std::size_t>(e)]) << e;
    EXPECT_NEAR(v.energy, 0.02370, 0.000005) << e;
    RecordEnergy(recorded, e, v.energy);
  }
  EXPECT_EQ(recorded, energies);
}

struct CurveFile {
  char letter;
  double absolute;  // near zero
};

TEST_F(Beam2, ComposedCurvesAreTheSolversFiles) {
  ViewerState first = testing::ViewerOn(*position_, 0);
  ASSERT_GT(first.diary.count(), 0);
  const CurveFile files[] = {{'U', 1e-9}, {'W', 1e-9}, {'M', 1e-4}, {'V', 1e-4}, {'N', 1e-4}};
  for (int k = 1; k <= first.diary.count(); ++k) {
    const int lc = first.diary.load_case(k);
    const ViewerState state = testing::ViewerOn(*position_, lc);
    ASSERT_TRUE(state.results_present) << lc;
    for (int e = 1; e <= state.elements.count(); ++e) {
      const mechanics::ElementCurves c = PictureElementCurves(state, ViewState{}, e, PictureCurveSwitches{});
      const mechanics::CurveLine* lines[] = {&c.u, &c.w, &c.m, &c.v, &c.n};
      for (std::size_t f = 0; f < 5; ++f) {
        const std::string name = std::string(1, files[f].letter) + common::CurrentLoadCaseText(lc) + "E" +
                                 std::to_string(e);
        const std::vector<float> solver = testing::Floats(position_->File(name));
        ASSERT_EQ(solver.size(), 51u) << name;
        for (int i = 1; i <= 51; ++i) {
          const double s = solver[static_cast<std::size_t>(i - 1)];
          EXPECT_NEAR((*lines[f])(i), s, std::max(files[f].absolute, 1e-5 * std::fabs(s))) << name << " " << i;
        }
      }
    }
  }
}

// The pictures' switches: loads off leave the end part; in the reanalysis a modified element takes
// its own EA and EI, or its factor k times them; a switched-off element is not drawn.
TEST_F(Beam2, TheSwitchesOfThePicturesCurves) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  const common::ElementRecord& element = state.elements[1];
  const ElementValues v = ElementValuesAlong(state, 1);
  const common::CrossSectionRecord& section = state.sections[element.cross_section()];
  const double e_modulus = state.materials[element.material()].modulus();
  EXPECT_DOUBLE_EQ(v.ei, static_cast<double>(e_modulus) * section.inertia());
  EXPECT_DOUBLE_EQ(v.ea, static_cast<double>(e_modulus) * section.area());
  const mechanics::SampleTable g = UnitLoadDeflections(state, 1);
  EXPECT_FLOAT_EQ(g(26, 26), static_cast<float>(std::pow(v.length, 3) / (192.0 * v.ei)));

  const mechanics::ElementCurves ends =
      mechanics::EndDisplacementCurves(v.local, v.length, mechanics::Rigidity{v.ea, v.ei});
  const mechanics::ElementCurves loaded = PictureElementCurves(state, ViewState{}, 1, PictureCurveSwitches{});
  const mechanics::ElementCurves bare = PictureElementCurves(state, ViewState{}, 1, PictureCurveSwitches{false, false});
  double load_part = 0.0;
  for (int i = 1; i <= 51; ++i) {
    EXPECT_DOUBLE_EQ(bare.m(i), ends.m(i)) << i;
    EXPECT_DOUBLE_EQ(bare.w(i), ends.w(i)) << i;
    load_part = std::max(load_part, std::fabs(loaded.m(i) - bare.m(i)));
  }
  EXPECT_GT(load_part, 1.0);

  ViewState reanalysis;
  reanalysis.reanalysis_mode = true;
  state.elements[1].set_modified_flag(1);
  state.elements[1].set_stiffness_factor(2.0f);
  const mechanics::ElementCurves doubled = PictureElementCurves(state, reanalysis, 1, PictureCurveSwitches{false, false});
  state.elements[1].set_own_stiffness_flag(1);
  state.elements[1].set_ei(static_cast<float>(3.0 * v.ei));
  state.elements[1].set_ea(static_cast<float>(v.ea));
  const mechanics::ElementCurves own = PictureElementCurves(state, reanalysis, 1, PictureCurveSwitches{false, false});
  const mechanics::ElementCurves plain = PictureElementCurves(state, ViewState{}, 1, PictureCurveSwitches{false, false});
  for (int i = 1; i <= 51; ++i) {
    EXPECT_NEAR(doubled.m(i), 2.0 * ends.m(i), 1e-9 * (1.0 + std::fabs(ends.m(i)))) << i;
    EXPECT_NEAR(own.m(i), 3.0 * ends.m(i), 1e-6 * (1.0 + std::fabs(ends.m(i)))) << i;
    EXPECT_DOUBLE_EQ(plain.m(i), ends.m(i)) << "not in the reanalysis " << i;
  }

  EXPECT_TRUE(ElementShown(state, ViewState{}, 2));
  state.elements[2].set_switched_off_flag(1);
  EXPECT_FALSE(ElementShown(state, ViewState{}, 2));
  ViewState show;
  show.show_switched_off = true;
  EXPECT_TRUE(ElementShown(state, show, 2));
}

// The Green point's unit dislocations give the moment lines of the held element.
TEST_F(Beam2, GreenDislocationsGiveTheHeldElementsMomentLines) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  const double l = state.elements[1].length();
  const double ei = ElementValuesAlong(state, 1).ei;
  const int n = 15;
  const double p = n * 0.02 * l;
  struct Case {
    int kind;
    double (*moment)(double x, double p, double l, double ei);
  };
  const Case cases[] = {
      {2, [](double x, double p, double l, double) {
         return x <= p + 1e-9 ? (l - p) * (l - p) * (l * x - l * p + 2 * p * x) / (l * l * l)
                              : -p * p * (3 * l * x + l * p - 2 * x * p - 2 * l * l) / (l * l * l);
       }},
      {3, [](double x, double p, double l, double) {
         return x < p ? -((6 / (l * l) - 12 * x / (l * l * l)) * (l - p) * (l - p) / 2 - (2 / l - 6 * x / (l * l)) * (l - p))
                      : -((12 * x / (l * l * l) - 6 / (l * l)) * (-p * p / 2) - (4 / l - 6 * x / (l * l)) * p);
       }},
      {5, [](double x, double, double l, double ei) { return -ei * (12 * x / (l * l * l) - 6 / (l * l)); }},
      {6, [](double x, double p, double l, double ei) {
         return x < p ? -ei * ((6 / (l * l) - 12 * x / (l * l * l)) * (l - p) - (2 / l - 6 * x / (l * l)))
                      : -ei * ((12 * x / (l * l * l) - 6 / (l * l)) * p + (4 / l - 6 * x / (l * l)));
       }},
  };
  for (const Case& k : cases) {
    ViewState view;
    view.green = GreenPoint{1, static_cast<float>(p), n, k.kind};
    const mechanics::ElementCurves c = PictureElementCurves(state, view, 1, PictureCurveSwitches{false, true});
    for (int i = 1; i <= 51; ++i) {
      if (i == n + 1) continue;  // the jump itself
      const double x = (i - 1) * l / 50;
      const double expected = k.moment(x, p, l, ei);
      EXPECT_NEAR(c.m(i), expected, 1e-5 * (1.0 + std::fabs(expected))) << "kind " << k.kind << " sample " << i;
    }
    const mechanics::ElementCurves off = PictureElementCurves(state, view, 2, PictureCurveSwitches{false, true});
    for (int i = 1; i <= 51; ++i) EXPECT_EQ(off.m(i), 0.0) << "not the Green element";
  }
}

}  // namespace
}  // namespace revuzavi
