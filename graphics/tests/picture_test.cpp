// The result pictures' world windows, drawing primitives, tables and picking on a RecordingDc.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "graphics/picture/element_values.h"
#include "graphics/picture/lines.h"
#include "graphics/picture/picking.h"
#include "graphics/picture/text.h"
#include "graphics/picture/world.h"
#include "platform/binary_io.h"
#include "platform/dc/recording_dc.h"
#include "platform/testing/testing.h"

namespace revuzavi {
namespace {

struct Picture {
  Picture() { viewer.drawing_scale = 500; }
  Canvas canvas() { return Canvas{viewer, view, picture, dc}; }
  ViewerState viewer;
  ViewState view;
  PictureState picture;
  plat::RecordingDc dc;
};

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(DefineWorld, AnEmptyRangeIsWidenedAndABadIndexIsRefusedWithItsMessage) {
  PictureState picture;
  plat::testing::MessageBoxScript boxes;
  EXPECT_EQ(DefineWorld(picture, 1, 0, 0, 0, 0), 1);
  EXPECT_EQ(picture.worlds[1].x1, 0.0f);
  EXPECT_EQ(picture.worlds[1].x2, 1.0f);
  EXPECT_EQ(picture.worlds[1].y1, 0.0f);
  EXPECT_EQ(picture.worlds[1].y2, 1.0f);
  EXPECT_EQ(picture.world_defined, 1);
  EXPECT_TRUE(boxes.shown().empty());

  EXPECT_EQ(DefineWorld(picture, 5, 0, 0, 2, 2), 0);
  // 1e9 + 1 is 1e9 in single precision: the bounds stay equal.
  EXPECT_EQ(DefineWorld(picture, 2, 1e9f, 0, 1e9f, 2), 0);
  EXPECT_EQ(DefineWorld(picture, 2, 0, 0, std::nanf(""), 2), 0);
  ASSERT_EQ(boxes.shown().size(), 3u);
  EXPECT_EQ(boxes.shown()[0].caption, "Error in DefineWorld");
  EXPECT_EQ(boxes.shown()[0].text, "x1 = 0.00 y1 = 0.00 x2 = 2.00 y2 = 2.00");
  EXPECT_EQ(picture.worlds[2].x2, 0.0f);
}

TEST(SetViewport, TheDiagramUnitAndTheMapping) {
  Picture p;
  ASSERT_EQ(DefineWorld(p.picture, kDiagramWorld, 0, -5, 10, 5), 1);
  Canvas c = p.canvas();
  SetViewport(c, 1000, 700, PictureMargins{});
  EXPECT_EQ(p.picture.diagram_unit, 1000);
  EXPECT_EQ(p.dc.GetWindowExt().cx, 10000);
  EXPECT_EQ(p.dc.GetWindowExt().cy, 10000);
  EXPECT_EQ(p.dc.GetWindowOrg().x, 0);
  EXPECT_EQ(p.dc.GetWindowOrg().y, -5000);
  // The diagram's top lies above its bottom on the device.
  EXPECT_LT(p.dc.LPtoDP(plat::Point{0, 5000}).y, p.dc.LPtoDP(plat::Point{0, -5000}).y);
}

TEST(SetViewport, AnEmptyWorldLeavesTheUnitBoundedAndTheMappingAsItWas) {
  Picture p;
  Canvas c = p.canvas();
  SetViewport(c, 1000, 700, PictureMargins{});
  SetClipRegion(c, 1000, 700, PictureMargins{});
  EXPECT_GE(p.picture.diagram_unit, 1);
  EXPECT_EQ(p.picture.pixel_step(), 1);
}

TEST(SetClipRegion, TheFrameWorldIsMappedZUpWhateverTheAngleByteHolds) {
  for (std::uint8_t angle_byte : {1, 0}) {
    Picture p;
    p.viewer.params.SetAt<std::uint8_t, 679>(angle_byte);
    ASSERT_EQ(DefineWorld(p.picture, kFrameWorld, 0, 0, 10, 5), 1);
    Canvas c = p.canvas();
    SetClipRegion(c, 1000, 700, PictureMargins{});
    EXPECT_EQ(p.dc.GetMapMode(), plat::MM_ISOTROPIC);
    EXPECT_EQ(p.dc.GetWindowExt().cx, 5000) << int(angle_byte);
    EXPECT_EQ(p.dc.GetWindowExt().cy, 2750);
    EXPECT_EQ(p.dc.GetViewportExt().cx, 1000);
    EXPECT_EQ(p.dc.GetViewportExt().cy, -550);
    EXPECT_EQ(p.dc.GetViewportOrg().x, 0);
    EXPECT_EQ(p.dc.GetViewportOrg().y, 580);
    EXPECT_EQ(p.dc.LPtoDP(plat::Point{0, 5 * 500}).x, 0);
    EXPECT_EQ(p.dc.LPtoDP(plat::Point{0, 5 * 500}).y, 80);
    EXPECT_EQ(p.picture.pixel_step(), 15);
    EXPECT_DOUBLE_EQ(p.picture.current_bounds.right, 10.0);
    EXPECT_DOUBLE_EQ(p.picture.current_bounds.top, 5.0);
  }
}

TEST(MakeRotatedFont, HeightsInTheFrameMappingAndInPixels) {
  Picture p;
  ASSERT_EQ(DefineWorld(p.picture, kFrameWorld, 0, 0, 10, 5), 1);
  Canvas c = p.canvas();
  SetClipRegion(c, 1000, 700, PictureMargins{});
  EXPECT_EQ(MakeRotatedFont(p.dc, "ARIAL", 80, 0, 0, 0, true).height, -53);
  const plat::Font bold = MakeRotatedFont(p.dc, "Courier New", 80, 0, 1 | 2, 450, true);
  EXPECT_EQ(bold.face, "Courier New");
  EXPECT_EQ(bold.weight, plat::FW_BOLD);
  EXPECT_TRUE(bold.italic);
  EXPECT_FALSE(bold.underline);
  EXPECT_EQ(bold.escapement, 450);
  plat::RecordingDc pixels;
  EXPECT_EQ(MakeRotatedFont(pixels, "ARIAL", 80, 0, 0, 0, true).height, -11);
  // 1000 pixels on 264 mm: 96.2 pixels per inch.
  EXPECT_EQ(MakeRotatedFont(pixels, "ARIAL", 80, 0, 0, 0, false).height, -11);
  // Twice the height's width: twice the face's average width.
  const plat::Font wide = MakeRotatedFont(pixels, "ARIAL", 80, 160, 0, 0, true);
  EXPECT_EQ(wide.width, 12);
}

TEST(DrawValueText, TurnedByTheAngleAndColouredByKind) {
  Picture p;
  Canvas c = p.canvas();
  DrawValueText(c, 1.0, 1.0, "12.5", kBlueText, 1.0, std::numbers::pi / 6);
  ASSERT_EQ(p.dc.ops().size(), 1u);
  EXPECT_EQ(p.dc.ops()[0].font.escapement, -300);
  EXPECT_EQ(p.dc.ops()[0].text_color, plat::Rgb(0, 0, 200));
  EXPECT_EQ(p.dc.ops()[0].bk_mode, plat::TRANSPARENT);
  p.viewer.text_scale = 0.0f;
  DrawValueText(c, 1.0, 1.0, "hidden", 4, 1.0, 0.0);
  DrawRotatedText(c, 1.0, 1.0, "hidden", 4, 0.0, 1, 1, true);
  EXPECT_EQ(p.dc.ops().size(), 1u);
  p.view.force_texts = true;
  DrawValueText(c, 1.0, 1.0, "forced", 4, 1.0, 0.0);
  ASSERT_EQ(p.dc.ops().size(), 2u);
  EXPECT_EQ(p.dc.ops()[1].text_color, plat::Rgb(200, 0, 0));
}

TEST(DrawValueText, TheMiddleOfAHorizontalTextLiesOnThePoint) {
  Picture p;
  Canvas c = p.canvas();
  DrawValueText(c, 1.0, 1.0, "1234", 1, 1.0, 0.0);
  ASSERT_EQ(p.dc.ops().size(), 1u);
  const plat::DeviceOp& op = p.dc.ops()[0];
  EXPECT_NEAR(op.origin.x + op.text_width / 2.0, 500.0, 1.0);
}

TEST(DrawRotatedText, TheBoxOfEveryTextUpToTheThousandth) {
  Picture p;
  Canvas c = p.canvas();
  for (int i = 1; i <= 1001; ++i) DrawRotatedText(c, 1.0, 2.0, "M", 0, 0.0, i, 7, true);
  EXPECT_EQ(p.dc.ops().size(), 1001u);  // the 1001st is drawn
  ASSERT_EQ(p.picture.text_boxes.count(), 1000);
  const TextBox& box = p.picture.text_boxes[1000];
  EXPECT_EQ(box.tag, 1000);
  EXPECT_EQ(box.kind, 7);
  // Centred: the box's middle is the point.
  EXPECT_NEAR((box.corners[0].x + box.corners[2].x) / 2.0, 500.0, 1.0);
  EXPECT_NEAR((box.corners[0].y + box.corners[2].y) / 2.0, 1000.0, 1.0);
  EXPECT_EQ(p.dc.ops()[0].bk_mode, plat::TRANSPARENT);
  // Kinds 1, 2 and 4: opaque, moved along their direction only.
  p.dc.Clear();
  DrawRotatedText(c, 1.0, 2.0, "M", kRedText, 0.0, 0, 7, true);
  ASSERT_EQ(p.dc.ops().size(), 1u);
  EXPECT_EQ(p.dc.ops()[0].bk_mode, plat::OPAQUE);
  EXPECT_EQ(p.dc.ops()[0].text_color, plat::Rgb(200, 0, 0));
  EXPECT_EQ(p.dc.ops()[0].origin.y, p.dc.LPtoDP(plat::Point{500, 1000}).y);
  p.dc.Clear();
  const WorldPoint moved = DrawRubberBand(c, p.picture.text_boxes, 110, 120, 1000, 100, 100);
  ASSERT_EQ(p.dc.ops().size(), 1u);
  EXPECT_EQ(p.dc.ops()[0].rop2, plat::R2_NOT);
  EXPECT_EQ(p.dc.GetROP2(), plat::R2_COPYPEN);
  EXPECT_NEAR(moved.x, 510.0 / 500.0, 0.005);
  EXPECT_NEAR(moved.y, 1020.0 / 500.0, 0.005);
}

TEST(LabelPositionTable, AThousandPlacesAreKeptAndFurtherLabelsAreNotRemembered) {
  LabelPositionTable table;
  EXPECT_EQ(table.Place(1, 1.0f, 2.0f).placed, 1);
  EXPECT_EQ(table.Place(1, 5.0f, 5.0f).x, 1.0f);  // the first place is kept
  EXPECT_TRUE(table.Move(1, 3.0f, 4.0f));
  EXPECT_EQ(table.Place(1, 5.0f, 5.0f).x, 3.0f);
  EXPECT_EQ(table.Place(1000, 6.0f, 6.0f).placed, 1);
  const LabelPosition beyond = table.Place(1001, 7.0f, 8.0f);
  EXPECT_EQ(beyond.placed, 0);
  EXPECT_EQ(beyond.x, 7.0f);
  EXPECT_FALSE(table.Move(1001, 1.0f, 1.0f));
  EXPECT_FALSE(table.Move(0, 1.0f, 1.0f));
  table.Clear();
  EXPECT_EQ(table.At(1).placed, 0);
}

TEST(DrawLine, WritesItsHpglInsideThePlotWindow) {
  Picture p;
  std::string hpgl;
  p.view.plotter = &hpgl;
  p.view.plotter_pen = 3;
  p.picture.plot_window = PlotWindow{-1.0, 10.0, -1.0, 10.0};
  Canvas c = p.canvas();
  DrawLine(c, 0.0, 0.0, 2.5, 1.0);
  EXPECT_EQ(hpgl, "LT3 1.0;SP 1;PA;PU 0.0000  0.0000;PA;PD250.0000 100.0000;");
  ASSERT_EQ(p.dc.ops().size(), 1u);
  EXPECT_EQ(p.dc.ops()[0].points.back(), p.dc.LPtoDP(plat::Point{1250, 500}));
  hpgl.clear();
  p.view.plotter_pen = 0;
  DrawLine(c, 0.0, 0.0, 1.0, 1.0);
  EXPECT_EQ(hpgl, "LT;SP 1;PA;PU 0.0000  0.0000;PA;PD100.0000 100.0000;");
  hpgl.clear();
  DrawLine(c, 0.0, 0.0, 10.2, 1.0);  // outside the window widened by 0.1
  EXPECT_EQ(hpgl, "");
}

TEST(SetPlotWorld, TheScaleLineOfTheExtents) {
  Picture p;
  std::string hpgl;
  p.view.plotter = &hpgl;
  p.viewer.extents = common::DrawingExtents::Box(0.0f, 0.0f, 7.0f, 4.9f);
  p.view.plot_clip = true;
  const WorldPoint none[4] = {};
  Canvas c = p.canvas();
  EXPECT_FALSE(SetPlotWorld(c, 0, none, 1000, 700, PictureMargins{}));
  // 0..7 by 0..4.9 widened by 0.15: 7.3 wide, 5.2 high; 7.3 / (1 / 0.7) = 5.11 < 5.2, so 5.2 * 1 / 0.7 wide.
  EXPECT_NEAR(p.picture.plot_window.xmin, -0.15, 1e-6);
  EXPECT_NEAR(p.picture.plot_window.xmax, -0.15 + 5.2 / 0.7, 1e-5);
  EXPECT_NEAR(p.picture.plot_window.ymax, 5.05, 1e-5);
  EXPECT_EQ(hpgl.rfind("SC-15.0000 727.8572 -15.0000 505.0000;", 0), 0u) << hpgl;
}

TEST(DrawCurve, ASegmentCrossingZeroIsRedUpToTheCrossingAndBlackAfterIt) {
  Picture p;
  p.picture.curve_points[1] = WorldPoint{0.0f, -2.0f};
  p.picture.curve_points[2] = WorldPoint{4.0f, 2.0f};
  Canvas c = p.canvas();
  EXPECT_EQ(DrawCurve(c, 2, 0, false, false, 100.0), 2);
  ASSERT_EQ(p.dc.ops().size(), 2u);
  const plat::DeviceOp& red = p.dc.ops()[0];
  const plat::DeviceOp& black = p.dc.ops()[1];
  EXPECT_EQ(red.pen.color, plat::Rgb(255, 10, 10));
  EXPECT_EQ(black.pen.color, plat::Rgb(0, 0, 0));
  EXPECT_EQ(red.points.back(), p.dc.LPtoDP(plat::Point{200, 0}));
  EXPECT_EQ(black.points.front(), p.dc.LPtoDP(plat::Point{200, 0}));
  EXPECT_EQ(p.dc.GetCurrentPen().color, plat::Rgb(0, 0, 0));
  // Straight: one pen throughout; ordinates: a line from the axis to each point.
  p.dc.Clear();
  DrawCurve(c, 2, 2, true, true, 100.0);
  ASSERT_EQ(p.dc.ops().size(), 3u);
  EXPECT_EQ(p.dc.ops()[0].pen.style, plat::PS_DASH);
}

TEST(DrawFilledPolygon, FilledGreyAndOutlinedBySign) {
  Picture p;
  for (int i = 1; i <= 8; ++i) {
    p.picture.curve_points[static_cast<std::size_t>(i)] = WorldPoint{float(i), i % 2 == 0 ? 1.0f : 0.0f};
    p.picture.sign_words[static_cast<std::size_t>(i)] = i == 3 ? -1 : (i == 6 ? 1 : 0);
  }
  Canvas c = p.canvas();
  DrawFilledPolygon(c);
  const std::string text = p.dc.Text();
  EXPECT_EQ(Count(text, "Polygon"), 1) << text;
  EXPECT_EQ(p.dc.ops()[0].brush.color, plat::Rgb(230, 230, 230));
  EXPECT_EQ(p.dc.ops()[0].fill_mode, plat::ALTERNATE);
  // Segments 3, 4 and 5 follow the negative word of point 3.
  EXPECT_EQ(Count(text, "#FF0A0A"), 3) << text;
}

TEST(PickElementsInBox, CornersInEitherOrderFindTheSameElement) {
  ViewerState state;
  common::ElementRecord far;
  far.set_xa(10.0f), far.set_za(10.0f), far.set_xb(12.0f), far.set_zb(10.0f);
  common::ElementRecord slanted;
  slanted.set_xa(0.0f), slanted.set_za(0.0f), slanted.set_xb(4.0f), slanted.set_zb(4.0f);
  state.elements.Append(far);
  state.elements.Append(slanted);
  const PickedElement a = PickElementsInBox(state, 1.9f, 1.9f, 2.2f, 2.2f);
  const PickedElement b = PickElementsInBox(state, 2.2f, 2.2f, 1.9f, 1.9f);
  EXPECT_EQ(a.element, 2);
  EXPECT_EQ(b.element, 2);
  EXPECT_EQ(b.xb, 4.0f);
  EXPECT_EQ(PickElementsInBox(state, 3.0f, 0.0f, 3.5f, 0.5f).element, 0);

  common::NodeRecord node;
  node.SetAt<float, 8>(4.0f);
  node.SetAt<float, 16>(4.0f);
  state.nodes.Append(node);
  EXPECT_EQ(PickNodeInBox(state, 4.1f, 4.1f, 3.9f, 3.9f), 1);
  EXPECT_EQ(PickNodeInBox(state, 1.0f, 1.0f, 1.1f, 1.1f), 0);
}

TEST(ReadInverseColumn, TheColumnOrTheReasonWhyNot) {
  plat::testing::TestFolder();
  ViewerState state;
  state.position = common::Position(plat::testing::TestFolder() + "data/", ".7");
  ASSERT_TRUE(common::EnsurePositionFolder(state.position));
  std::vector<double> target(4, -1.0);
  common::Result r = ReadInverseColumn(state, 2, 3, target);
  EXPECT_EQ(r.text(),
            "The inverse stiffness matrix is missing. Open Frame in the main menu of the program and click on save!");
  EXPECT_EQ(target, std::vector<double>(4, -1.0));

  const double inverse[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};  // column c holds 3c - 2 .. 3c
  const std::string path = state.position.File("INVERSE");
  ASSERT_TRUE(plat::WriteBlock(path, inverse, sizeof inverse));
  ASSERT_TRUE(ReadInverseColumn(state, 2, 3, target).ok());
  EXPECT_EQ(target, (std::vector<double>{-1.0, 4, 5, 6}));
  for (int column : {0, 4}) EXPECT_FALSE(ReadInverseColumn(state, column, 3, target).ok()) << column;

  double not_finite[9] = {1, 2, 3, 4, std::nan(""), 6, 7, 8, 9};
  ASSERT_TRUE(plat::WriteBlock(path, not_finite, sizeof not_finite));
  EXPECT_TRUE(ReadInverseColumn(state, 1, 3, target).ok());
  EXPECT_FALSE(ReadInverseColumn(state, 2, 3, target).ok());
  EXPECT_EQ(target, (std::vector<double>{-1.0, 1, 2, 3}));

  ASSERT_TRUE(plat::WriteBlock(path, inverse, 8 * sizeof(double)));
  r = ReadInverseColumn(state, 1, 3, target);
  EXPECT_EQ(r.text(), "The file " + path + " is damaged: it does not hold the 3 x 3 matrix of this frame.");
  EXPECT_EQ(target, (std::vector<double>{-1.0, 1, 2, 3}));
}

}  // namespace
}  // namespace revuzavi
