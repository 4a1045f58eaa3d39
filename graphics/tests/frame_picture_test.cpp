// The frame's symbols and labels, the pen table and the small drawing routines on a RecordingDc.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graphics/picture/frame.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/pens.h"
#include "graphics/picture/text.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

common::ElementRecord Element(float xa, float za, float xb, float zb, int node_a, int node_b) {
  common::ElementRecord e;
  e.set_xa(xa), e.set_za(za), e.set_xb(xb), e.set_zb(zb);
  const float dx = xb - xa, dz = zb - za;
  e.set_length(std::sqrt(dx * dx + dz * dz));
  e.set_node_a(static_cast<std::int16_t>(node_a));
  e.set_node_b(static_cast<std::int16_t>(node_b));
  e.set_compression_flag(1);
  e.set_tension_flag(1);
  return e;
}

struct Scene {
  Scene() {
    viewer.drawing_scale = 100;
    viewer.extents = common::DrawingExtents::Box(0.0f, 0.0f, 10.0f, 5.0f);
  }
  Canvas canvas() { return Canvas{viewer, view, picture, dc}; }
  std::vector<const plat::DeviceOp*> Texts() const {
    std::vector<const plat::DeviceOp*> texts;
    for (const plat::DeviceOp& op : dc.ops()) {
      if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(&op);
    }
    return texts;
  }
  ViewerState viewer;
  ViewState view;
  PictureState picture;
  plat::RecordingDc dc;
};

TEST(SelectPen, ThePenTable) {
  ViewerState viewer;
  viewer.line_width = 2;
  viewer.second_line_width = 5;
  struct Case {
    int index;
    plat::Pen pen;
  };
  const Case cases[] = {
      {0, {plat::PS_SOLID, 2, plat::Rgb(0, 0, 0)}},        {7, {plat::PS_SOLID, 2, plat::Rgb(0, 0, 0)}},
      {2, {plat::PS_DASH, 2, plat::Rgb(0, 0, 0)}},         {3, {plat::PS_DOT, 2, plat::Rgb(0, 0, 0)}},
      {4, {plat::PS_DASHDOT, 2, plat::Rgb(0, 0, 0)}},      {-1, {plat::PS_SOLID, 2, plat::Rgb(255, 10, 10)}},
      {-2, {plat::PS_SOLID, 2, plat::Rgb(255, 255, 255)}}, {-4, {plat::PS_SOLID, 2, plat::Rgb(255, 255, 255)}},
      {-3, {plat::PS_SOLID, 5, plat::Rgb(0, 180, 0)}},     {-5, {plat::PS_SOLID, 2, plat::Rgb(200, 120, 120)}},
      {-6, {plat::PS_SOLID, 5, plat::Rgb(255, 10, 10)}},   {-7, {plat::PS_SOLID, 4, plat::Rgb(255, 10, 10)}},
  };
  ViewState view;
  PictureState picture;
  plat::RecordingDc dc;
  Canvas c{viewer, view, picture, dc};
  for (const Case& k : cases) {
    SelectPen(c, k.index);
    EXPECT_EQ(dc.GetCurrentPen(), k.pen) << k.index;
  }
}

TEST(DrawElementLabel, TextsByLengthAndFlags) {
  struct Case {
    float length;
    int compression, tension;
    const char* text;
  };
  const Case cases[] = {
      {0.005f, 1, 1, "4"},
      {0.005f, 0, 0, "4"},
      {3.0f, 1, 1, "4  l = 3.00 m"},
      {3.0f, 1, 0, "4  l = 3.00 m, T = 0"},
      {3.0f, 0, 1, "4  l = 3.00 m, C = 0"},
      {3.0f, 0, 0, "4  l = 3.00 m, C = 0, T = 0"},
  };
  for (const Case& k : cases) {
    Scene s;
    for (int e = 1; e <= 4; ++e) s.viewer.elements.Append(Element(0, 0, 3, 0, 1, 2));
    s.viewer.elements[4].set_compression_flag(static_cast<std::int16_t>(k.compression));
    s.viewer.elements[4].set_tension_flag(static_cast<std::int16_t>(k.tension));
    Canvas c = s.canvas();
    DrawElementLabel(c, 4, 0, 0, 3, 0, 0.85, k.length);
    ASSERT_EQ(s.Texts().size(), 1u);
    EXPECT_EQ(s.Texts()[0]->text, k.text);
    EXPECT_EQ(s.Texts()[0]->text_color, plat::Rgb(0, 0, 200));
  }
}

TEST(DrawElementLabel, AlongTheDrawnDirectionBesideTheMiddle) {
  Scene s;
  s.viewer.elements.Append(Element(0, 0, 4, 0, 1, 2));
  Canvas c = s.canvas();
  DrawElementLabel(c, 1, 0, 0, 4, 0, 1.0, 4.0);  // horizontal: below, 0.02 of the z span
  DrawElementLabel(c, 1, 0, 0, 0, 4, 1.0, 4.0);  // vertical: right, 0.02 of the x span, turned a right angle
  DrawElementLabel(c, 1, 0, 0, 3, 3, 1.0, 4.2);  // rising: turned 45 degrees counter-clockwise as seen
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0]->font.escapement, 0);
  EXPECT_EQ(texts[1]->font.escapement, -900);
  EXPECT_EQ(texts[2]->font.escapement, 450);
  // Baseline below the horizontal element's line (logical y 0 is device y 0 in MM_TEXT: z up is not set).
  EXPECT_NEAR(texts[0]->origin.x + texts[0]->text_width / 2.0, 200.0, 1.0);
}

TEST(DrawElementValue, TheValueInBlackAndThePrestressInRed) {
  Scene s;
  Canvas c = s.canvas();
  DrawElementValue(c, 0, 0, 4, 0, 0.0237);
  const common::ElementRecord element = Element(0, 0, 4, 0, 1, 2);
  DrawPrestressLabel(c, element, -125.5);
  const auto texts = s.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->text, "2.4E-02");
  EXPECT_EQ(texts[0]->text_color, plat::Rgb(0, 0, 0));
  EXPECT_EQ(texts[1]->text, "-1.255E+02 kN");
  EXPECT_EQ(texts[1]->text_color, plat::Rgb(200, 0, 0));
}

TEST(DrawHinges, CirclesAtTheHingedEndsOffTheNodeWhereItJoinsRigidEnds) {
  Scene s;
  common::NodeRecord plain, mixed;
  mixed.SetAt<std::int16_t, 194>(1);
  s.viewer.nodes.Append(plain);
  s.viewer.nodes.Append(mixed);
  common::ElementRecord slanted = Element(0, 0, 3, 4, 1, 2);  // 5 long
  slanted.set_hinge_a(1);
  slanted.set_hinge_b(1);
  s.viewer.elements.Append(slanted);
  s.picture.pixel_step_x = s.picture.pixel_step_y = 4;
  Canvas c = s.canvas();
  DrawHinges(c);
  ASSERT_EQ(s.dc.ops().size(), 2u);
  // Radius 3 pixel steps; the end at the mixed node 0.1 back along the element.
  EXPECT_EQ(s.dc.ops()[0].rect, (plat::Rect{-12, -12, 12, 12}));
  EXPECT_EQ(s.dc.ops()[0].brush.color, plat::Rgb(255, 255, 255));
  EXPECT_EQ(s.dc.ops()[1].rect, (plat::Rect{294 - 12, 392 - 12, 294 + 12, 392 + 12}));
  EXPECT_FLOAT_EQ(s.picture.hinge_offset, 0.1f);
  // An element along an axis makes the offset 0.05 for the rest of the picture.
  s.viewer.elements.Append(Element(3, 4, 8, 4, 2, 1));
  DrawHinges(c);
  EXPECT_FLOAT_EQ(s.picture.hinge_offset, 0.05f);
  s.dc.Clear();
  DrawHinges(c);
  ASSERT_EQ(s.dc.ops().size(), 2u);
  EXPECT_EQ(s.dc.ops()[1].rect, (plat::Rect{297 - 12, 396 - 12, 297 + 12, 396 + 12}));
}

TEST(DrawRigidJoints, AShortLineAlongEachRigidEndAtAMixedNode) {
  Scene s;
  common::NodeRecord mixed;
  mixed.SetAt<std::int16_t, 194>(1);
  mixed.SetAt<std::int16_t, 158>(2);
  mixed.SetAt<std::int16_t, 162>(1);
  mixed.SetAt<std::int16_t, 164>(2);
  s.viewer.nodes.Append(mixed);
  s.viewer.nodes.Append(common::NodeRecord{});
  s.viewer.nodes.Append(common::NodeRecord{});
  common::ElementRecord hinged = Element(0, 0, 0, 4, 1, 2);
  hinged.set_hinge_a(1);
  s.viewer.elements.Append(hinged);
  s.viewer.elements.Append(Element(5, 0, 0, 0, 3, 1));  // ends at the node
  Canvas c = s.canvas();
  DrawRigidJoints(c);
  ASSERT_EQ(s.dc.ops().size(), 1u);
  EXPECT_EQ(s.dc.ops()[0].points, (std::vector<plat::Point>{{0, 0}, {20, 0}}));
}

TEST(DrawNodeMark, KindsByColour) {
  struct Case {
    int kind;
    plat::ColorRef fill, pen;
  };
  const Case cases[] = {{4, plat::Rgb(255, 0, 0), plat::Rgb(255, 10, 10)},
                        {2, plat::Rgb(0, 180, 0), plat::Rgb(0, 0, 0)},
                        {9, plat::Rgb(255, 255, 255), plat::Rgb(0, 0, 0)}};
  for (const Case& k : cases) {
    Scene s;
    Canvas c = s.canvas();
    DrawNodeMark(c, k.kind, 1.0, 1.0);
    ASSERT_EQ(s.dc.ops().size(), 1u);
    EXPECT_EQ(s.dc.ops()[0].brush.color, k.fill) << k.kind;
    EXPECT_EQ(s.dc.ops()[0].pen.color, k.pen) << k.kind;
    EXPECT_EQ(s.dc.ops()[0].rect.right - s.dc.ops()[0].rect.left, 18);
  }
}

TEST(DrawArrow, ALineAndTwoHeadStrokesInRed) {
  Scene s;
  Canvas c = s.canvas();
  DrawArrow(c, 0, 0, 4, 0);
  ASSERT_EQ(s.dc.ops().size(), 3u);
  for (const plat::DeviceOp& op : s.dc.ops()) EXPECT_EQ(op.pen.color, plat::Rgb(255, 10, 10));
  EXPECT_EQ(s.dc.ops()[1].points, (std::vector<plat::Point>{{400, 0}, {300, 20}}));
  EXPECT_EQ(s.dc.ops()[2].points, (std::vector<plat::Point>{{400, 0}, {300, -20}}));
  EXPECT_EQ(s.dc.GetCurrentPen().color, plat::Rgb(0, 0, 0));
}

TEST(DrawDiagramBar, ClosingLinesRedWhenTheValuesSumBelowZero) {
  for (double second : {1.0, -3.0}) {
    Scene s;
    s.picture.base_points[1] = WorldPoint{0, 0};
    s.picture.base_points[2] = WorldPoint{1, 0};
    s.picture.curve_points[1] = WorldPoint{0, 0.5f};
    s.picture.curve_points[2] = WorldPoint{1, -1.5f};
    Canvas c = s.canvas();
    DrawDiagramBar(c, 2.0, second);
    ASSERT_EQ(s.dc.ops().size(), 3u);
    EXPECT_EQ(s.dc.ops()[0].pen.color, plat::Rgb(0, 0, 0));
    const plat::ColorRef closing = second < 0 ? plat::Rgb(255, 10, 10) : plat::Rgb(0, 0, 0);
    EXPECT_EQ(s.dc.ops()[1].pen.color, closing);
    EXPECT_EQ(s.dc.ops()[2].pen.color, closing);
    EXPECT_EQ(s.dc.ops()[2].points, (std::vector<plat::Point>{{100, 0}, {100, -150}}));
  }
}

TEST(DrawPolygonOutline, FilledInModeOneAndRoseInModeTwo) {
  Scene s;
  s.picture.curve_points[1] = WorldPoint{0, 0};
  s.picture.curve_points[2] = WorldPoint{1, 0};
  s.picture.curve_points[3] = WorldPoint{1, 1};
  Canvas c = s.canvas();
  DrawPolygonOutline(c, 3, 1);
  ASSERT_EQ(s.dc.ops().size(), 3u);
  EXPECT_EQ(s.dc.ops()[2].kind, plat::DeviceOp::Kind::kPolygon);
  EXPECT_EQ(s.dc.ops()[2].points, (std::vector<plat::Point>{{0, 0}, {100, 0}, {100, 100}}));
  EXPECT_EQ(s.dc.ops()[2].brush.color, plat::Rgb(230, 230, 230));
  s.dc.Clear();
  DrawPolygonOutline(c, 3, 2);
  ASSERT_EQ(s.dc.ops().size(), 2u);
  EXPECT_EQ(s.dc.ops()[0].pen.color, plat::Rgb(200, 120, 120));
  EXPECT_EQ(s.dc.GetCurrentPen().color, plat::Rgb(0, 0, 0));
}

TEST(DrawLegendText, AtFractionsOfTheDeviceAndTheMappingKept) {
  Scene s;
  s.dc.SetMapMode(plat::MM_ISOTROPIC);
  s.dc.SetWindowExt(100, 100);
  s.dc.SetViewportExt(500, -500);
  Canvas c = s.canvas();
  DrawLegendText(c, "Legend", 0.1, 0.9);
  ASSERT_EQ(s.dc.ops().size(), 1u);
  EXPECT_EQ(s.dc.ops()[0].font.escapement, 1);
  EXPECT_EQ(s.dc.GetMapMode(), plat::MM_ISOTROPIC);
  EXPECT_EQ(s.Texts()[0]->text, "Legend");
}

}  // namespace
}  // namespace revuzavi
