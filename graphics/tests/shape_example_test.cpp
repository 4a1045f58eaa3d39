// The deflected shapes of the PORTAL and ARCH examples computed by the real programs: the frame
// stands upright and deflects the way its loads push it; the pictures are saved for the eye.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/diagrams/deflected_shape.h"
#include "graphics/picture/element_values.h"
#include "graphics/picture/frame.h"
#include "graphics/tests/computed_example.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

constexpr char kPortal[] = "PORTAL";
constexpr char kArch[] = "ARCH";
using PortalShapes = testing::ComputedExampleTest<kPortal>;
using ArchShapes = testing::ComputedExampleTest<kArch>;

// A scale that draws the largest displacement of the load case `drawn` metres long.
DeflectionOptions ScaledTo(const ViewerState& state, double drawn) {
  double largest = 1e-12;
  for (int d = 1; d <= state.equation_count(); ++d) {
    largest = std::max(largest, std::fabs(state.displacements[static_cast<std::size_t>(d)]));
  }
  DeflectionOptions o;
  o.shape.scale = drawn / largest;
  return o;
}

std::vector<std::string> TextsOf(const plat::RecordingDc& dc) {
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  return texts;
}

// The frame and its deflected shape on a bitmap, saved as `file`; returns the labels.
std::vector<std::string> SaveShape(const common::Position& position, int load_case, const std::string& file,
                                   bool horizontal_only = false) {
  ViewerState state = testing::ViewerOn(position, load_case);
  EXPECT_TRUE(state.results_present) << file;
  DeflectionOptions o = ScaledTo(state, 1.0);
  o.shape.horizontal_only = horizontal_only;
  testing::SaveBitmapPicture(state, file, 2.0f, [&](Canvas& c) {
    DrawFrame(c, FrameOptions{});
    EXPECT_EQ(DrawDeflectedShape(c, o), state.elements.count());
  });
  testing::RecordedPicture recorded(state, 2.0f);
  DrawDeflectedShape(recorded.canvas, o);
  return TextsOf(recorded.dc);
}

// Where sample k of element e is drawn, moved from its place on the axis.
WorldPoint DrawnMove(const ViewerState& state, int e, int k) {
  const ViewState view;
  PictureState picture;
  plat::RecordingDc dc;
  const Canvas c{state, view, picture, dc};
  const mechanics::ElementCurves curves = PictureElementCurves(state, view, e, PictureCurveSwitches{});
  return ShapeOf(c, e, curves.u, curves.w, ScaledTo(state, 1.0).shape).offset[static_cast<std::size_t>(k - 1)];
}

TEST_F(PortalShapes, RoofLoadPushesTheBeamDownAndWindPushesTheFrameRight) {
  SaveShape(*position_, 1, "PORTAL_deflection_1.png");
  EXPECT_EQ(SaveShape(*position_, 2, "PORTAL_deflection_2.png"), (std::vector<std::string>{"2.26", "-2.26"}));
  // The horizontal component: the roof's label at its start meets the column's at the corner
  // and is left out; the right column's is written.
  EXPECT_EQ(SaveShape(*position_, 2, "PORTAL_horizontal_2.png", true), (std::vector<std::string>{"2.26", "2.26"}));
  const ViewerState roof = testing::ViewerOn(*position_, 1);
  EXPECT_LT(DrawnMove(roof, 2, 26).y, -0.5) << "the middle of the roof beam goes down";
  const ViewerState wind = testing::ViewerOn(*position_, 2);
  EXPECT_GT(DrawnMove(wind, 2, 1).x, 0.5) << "the roof moves along the wind";
  EXPECT_GT(DrawnMove(wind, 2, 51).x, 0.5);
  EXPECT_NEAR(DrawnMove(wind, 1, 1).x, 0.0, 0.01) << "the clamped foot stays (a spring of the support stiffness)";
}

TEST_F(ArchShapes, SnowPushesTheCrownDown) {
  SaveShape(*position_, 1, "ARCH_deflection_1.png");
  const ViewerState snow = testing::ViewerOn(*position_, 1);
  // The crown is the highest node.
  int crown = 1;
  for (int n = 2; n <= snow.nodes.count(); ++n) {
    if (snow.nodes[n].z() > snow.nodes[crown].z()) crown = n;
  }
  int e = 1;
  while (e <= snow.elements.count() && snow.elements[e].node_b() != crown) ++e;
  ASSERT_LE(e, snow.elements.count());
  EXPECT_LT(DrawnMove(snow, e, 51).y, -0.1) << "element " << e << " ends at the crown " << crown;
}

// The unit displacement of the hinged foot: the inverse column of its vertical equation times
// the support's spring, as the Green-function picture of a support loads it.
TEST_F(PortalShapes, UnitDisplacementOfTheHingedFoot) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  const int n = state.equation_count();
  int index = 0;
  for (std::size_t i = 0; i < state.support_dofs.size(); ++i) {
    if (state.support_dofs[i].node == 4 && state.support_dofs[i].direction == SupportDof::kZ) {
      index = static_cast<int>(i) + 1;
    }
  }
  ASSERT_NE(index, 0);
  const SupportDof entry = state.support_dofs[static_cast<std::size_t>(index - 1)];
  ASSERT_TRUE(ReadInverseColumn(state, entry.dof, n, state.displacements).ok());
  const double spring = static_cast<double>(state.nodes[4].support(2)) * state.params.support_stiffness();
  for (int d = 1; d <= n; ++d) state.displacements[static_cast<std::size_t>(d)] *= spring;
  EXPECT_NEAR(state.displacements[static_cast<std::size_t>(entry.dof)], 1.0, 0.02);

  SupportShapeOptions o;
  o.shape.scale = 0.5;
  o.arrows = true;
  o.support_index = index;
  testing::SaveBitmapPicture(state, "PORTAL_unit_foot.png", 2.0f, [&](Canvas& c) {
    DrawFrame(c, FrameOptions{});
    EXPECT_EQ(DrawSupportDofShape(c, o), 3);
    DrawUnitDisplacementMarker(c, 4, entry.dof, 1.0, 2);
  });
  testing::RecordedPicture recorded(state, 2.0f);
  DrawSupportDofShape(recorded.canvas, o);
  EXPECT_EQ(TextsOf(recorded.dc), std::vector<std::string>{"support moved by 1: node moves 1"});
  // The foot is drawn moved down by half a metre, the label above it.
  const LabelPosition at = recorded.picture.labels.deflection.At(1);
  EXPECT_NEAR(at.x, 6.0, 0.01);
  EXPECT_NEAR(at.z, -0.5 + 0.1, 0.01);
  const mechanics::ElementCurves column = PictureElementCurves(state, recorded.view, 3, PictureCurveSwitches{false, false});
  const WorldPoint foot = ShapeOf(recorded.canvas, 3, column.u, column.w, o.shape).Drawn(51);
  EXPECT_NEAR(foot.x, 6.0, 0.01);
  EXPECT_NEAR(foot.y, -0.5, 0.01) << "the column's curve ends at the moved foot";
}

}  // namespace
}  // namespace revuzavi
