// The world window of the geometry editor on a recording device context.
#include <gtest/gtest.h>

#include "geometry/editor/world_drawing.h"
#include "geometry/editor/world_window.h"
#include "geometry/tests/drawing_fixture.h"
#include "platform/dc/recording_dc.h"
#include "platform/testing/testing.h"

namespace kelmf {
namespace {

const DrawArea kArea{plat::Rect{0, 0, 1000, 800}, 900, 720};

TEST(SetUpMapping, MapsTheWorldWindowIntoTheDrawingAreaWithZUp) {
  ViewState view;
  ASSERT_TRUE(DefineWorld(view, 0, 0, 50, 30));
  plat::RecordingDc dc;
  SetUpMapping(dc, view, kArea, 50, 80);
  EXPECT_EQ(dc.GetWindowExt(), (plat::Size{2500, 1500}));
  EXPECT_EQ(dc.GetViewportExt(), (plat::Size{900, -540}));
  EXPECT_EQ(dc.GetViewportOrg(), (plat::Point{50, 670}));
  EXPECT_EQ(dc.GetWindowOrg(), (plat::Point{0, 0}));
  EXPECT_EQ(dc.LPtoDP(plat::Point{50 * 50, 30 * 50}), (plat::Point{950, 130}));
  const plat::PointD world = DeviceToWorld(view, 50, plat::Point{500, 400});
  EXPECT_NEAR(world.x, 25.0, 0.005);
  EXPECT_NEAR(world.y, 15.0, 0.005);
  EXPECT_EQ(view.marker_half_size, 9);
  EXPECT_NEAR(PixelsToLogical(view.mapping, 4.0) / 50, 0.22, 0.005);
}

TEST(SetUpMapping, KeyboardZoomAndWindowScaleWidenTheWindow) {
  ViewState view;
  ASSERT_TRUE(DefineWorld(view, 0, 0, 50, 30));
  view.keyboard_zoom = 1.2;
  view.window_scale = 1.5;
  plat::RecordingDc dc;
  SetUpMapping(dc, view, kArea, 50, 80);
  // 60 x 36 m about the centre (25, 15), at 75 units per metre.
  EXPECT_EQ(dc.GetWindowExt(), (plat::Size{4500, 2700}));
  EXPECT_EQ(dc.GetWindowOrg(), (plat::Point{-250, -150}));
}

TEST(DefineWorld, AnEmptySideGetsOneMetre) {
  ViewState view;
  ASSERT_TRUE(DefineWorld(view, 0, 0, 0, 0));
  EXPECT_EQ(view.world.x2, 1.0);
  EXPECT_EQ(view.world.z2, 1.0);
  EXPECT_TRUE(view.world_defined);
}

TEST(DefineWorld, AWindowThatStaysEmptyIsRefusedWithItsMessageAndTheFormerOneKept) {
  ViewState view;
  ASSERT_TRUE(DefineWorld(view, 0, 0, 6, 4));
  plat::testing::MessageBoxScript boxes;
  EXPECT_FALSE(DefineWorld(view, 1e17, 0, 1e17, 5));
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Error in DefineWorld");
  EXPECT_EQ(boxes.shown()[0].text.rfind("x1 = 100000000000000000.00 y1 = 0.00 x2 = 100000000000000000.00", 0), 0u);
  EXPECT_EQ(view.world.x2, 6.0);  // the last picture stays
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

TEST(DrawPositionLine, FramesThePageAndWritesThePositionInItsHead) {
  plat::DeviceCaps caps;
  caps.horz_res = 3383 * 2;  // a landscape page: two device pixels per unit of the layout
  caps.vert_res = 2363 * 2;
  caps.log_pixels_x = caps.log_pixels_y = 600;
  caps.technology = plat::DT_RASPRINTER;
  plat::RecordingDc dc(caps);
  DrawPositionLine(dc, "PORTAL", "Portal frame", 100);
  const auto frames = testing::Calls(dc, "Rectangle");
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->rect.left, 4 + 200);  // the margin, shifted right on a landscape page
  EXPECT_EQ(frames[0]->rect.top, 4);
  EXPECT_EQ(frames[0]->rect.right, 6766 - 4);
  EXPECT_TRUE(testing::HasLine(dc, {204, 4 + 300}, {6762, 4 + 300}));
  const plat::DeviceOp* text = testing::TextCall(dc, "Pos. PORTAL  Portal frame");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->origin.y - text->ascent, 100);  // its top 50 units down
  EXPECT_NEAR(text->origin.x + text->text_width / 2.0, 3300, 30);  // centred about 1650 units
}

}  // namespace
}  // namespace kelmf
