// The parts of the load picture on small frames in memory: world windows,
// label rules, line-load labels, point loads that draw nothing, the limits of
// the label memory, the pens and the title block of a printed page.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "loads/model/point_load_values.h"
#include "loads/model/whole_element_load.h"
#include "loads/picture/draw_load_case.h"
#include "loads/picture/labels.h"
#include "loads/picture/pens.h"
#include "loads/picture/title_block.h"
#include "loads/picture/world_mapping.h"
#include "loads/tests/example_frames.h"
#include "loads/tests/frame_fixture.h"
#include "platform/dc/recording_dc.h"

namespace pundf::picture {
namespace {

constexpr double kPi = std::numbers::pi;

// The portal frame of the tests, drawn at S = 2000 like the stored example.
LoadModel Portal() {
  LoadModel model;
  model.geometry = pundf::testing::HingedPortal();
  model.geometry.extents = common::DrawingExtents::Box(0, 0, 6, 4);
  model.geometry.drawing_step = 2000;
  model.load_case = EmptyLoadCase(model.geometry, 1);
  return model;
}

PictureView View() {
  PictureView view;
  view.drawing_rect = {50, 35, 950, 665};
  return view;
}

// The texts of a drawing.
std::vector<std::string> Texts(const LoadModel& model, LabelMemory& labels, const PictureView& view = View()) {
  plat::RecordingDc dc;
  EXPECT_TRUE(DrawLoadCase(model, view, labels, dc));
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  return texts;
}

std::string Recording(const LoadModel& model) {
  LabelMemory labels;
  plat::RecordingDc dc;
  EXPECT_TRUE(DrawLoadCase(model, View(), labels, dc));
  return dc.Text();
}

struct WindowCase {
  const char* what;
  WorldWindow window;
  WorldWindow expected;
};

TEST(LoadPictureWindow, WidensEmptyAndSmallWindows) {
  const WindowCase cases[] = {
      {"empty window", SetWorldWindow(2, 0, 2, 0), {2, 0, 3, 1}},
      {"zero-width extents", WorldWindowOfExtents(common::DrawingExtents::Box(5, 0, 5, 3)), {4, 0, 5, 3}},
      {"extents below 1 m", WorldWindowOfExtents(common::DrawingExtents::Box(0, 0, 0.5f, 0.4f)), {0, 0, 1, 1}},
      {"zoom box", ZoomBoxWindow({4.0f, 3.0f, 1.0f, 0.5f}), {1, 0.5, 4, 3}},
  };
  for (const WindowCase& c : cases) {
    EXPECT_DOUBLE_EQ(c.window.x0, c.expected.x0) << c.what;
    EXPECT_DOUBLE_EQ(c.window.z0, c.expected.z0) << c.what;
    EXPECT_DOUBLE_EQ(c.window.x1, c.expected.x1) << c.what;
    EXPECT_DOUBLE_EQ(c.window.z1, c.expected.z1) << c.what;
  }
}

TEST(LoadPictureWindow, ZoomBoxMappingCentresOnTheBox) {
  plat::RecordingDc dc;
  const auto window = SetZoomBoxMapping(dc, {4.0f, 3.0f, 1.0f, 0.5f}, 2000, {50, 35, 950, 665});
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(dc.GetWindowOrg(), (plat::Point{5000, 3500}));
  EXPECT_EQ(dc.GetViewportOrg(), (plat::Point{500, 350}));
  EXPECT_EQ(dc.GetViewportExt().cy < 0, true);
}

TEST(LoadPictureLabels, LabelOffsetMovesTheCentreByTheAngle) {
  struct Case {
    double angle;
    plat::PointD moved;
  };
  for (const Case& c : {Case{0.0, {0, 0}}, Case{kPi, {0, 0}}, Case{kPi / 2, {5, 0}}, Case{-kPi / 2, {5, 0}},
                        Case{kPi / 4, {5, 5}}}) {
    const plat::PointD still = LabelCentre(2000, 1.0, 2.0, c.angle, 0);
    const plat::PointD moved = LabelCentre(2000, 1.0, 2.0, c.angle, 5);
    EXPECT_EQ(still, (plat::PointD{2000, 4000})) << c.angle;
    EXPECT_DOUBLE_EQ(moved.x - still.x, c.moved.x) << c.angle;
    EXPECT_DOUBLE_EQ(moved.y - still.y, c.moved.y) << c.angle;
  }
}

TEST(LoadPictureLabels, AnglesStayReadable) {
  EXPECT_DOUBLE_EQ(SegmentAngle(0.0, -4.0), kPi / 2);  // vertical
  EXPECT_DOUBLE_EQ(SegmentAngle(6.0, 0.005), 0.0);     // horizontal
  EXPECT_DOUBLE_EQ(FoldedAngle(0.995 * kPi), 0.995 * kPi - kPi);
  EXPECT_DOUBLE_EQ(FoldedAngle(0.75 * kPi), -0.25 * kPi);
  EXPECT_DOUBLE_EQ(FoldedAngle(-0.75 * kPi), 0.25 * kPi);
  EXPECT_EQ(Escapement(kPi / 2), -900);
}

// A number on an element that rises to the right turns counter-clockwise on the screen.
TEST(LoadPictureLabels, RisingElementTurnsItsTextCounterClockwise) {
  LoadModel model;
  model.geometry = pundf::testing::MakeGeometry({{{0, 0}, {3, 3}}});
  model.geometry.extents = common::DrawingExtents::Box(0, 0, 3, 3);
  model.geometry.drawing_step = 1000;
  model.load_case = EmptyLoadCase(model.geometry, 1);
  PictureView view = View();
  view.element_numbers = true;
  LabelMemory labels;
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawLoadCase(model, view, labels, dc));
  EXPECT_NE(dc.Text().find(",esc450,400) color #000000 transparent at"), std::string::npos) << dc.Text();
}

// Hinged ends: a hollow circle on the node, or along the element where the node mixes hinged and
// rigid ends (0.05 m on a horizontal element).
TEST(LoadPictureStructure, HingeCirclesStandOnTheNodeOrBesideIt) {
  LoadModel model;
  model.geometry = pundf::testing::MakeGeometry({{{0, 0}, {4, 0}}});
  model.geometry.extents = common::DrawingExtents::Box(0, 0, 4, 0);
  model.geometry.drawing_step = 2000;
  model.geometry.elements[1].set_hinge_a(1);
  model.geometry.elements[1].set_hinge_b(1);
  model.geometry.nodes[2].set_mixed_hinges(1);
  model.load_case = EmptyLoadCase(model.geometry, 1);
  LabelMemory labels;
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawLoadCase(model, View(), labels, dc));
  std::vector<plat::Rect> hollow;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kEllipse && op.brush.style == plat::BS_NULL) hollow.push_back(op.rect);
  }
  ASSERT_EQ(hollow.size(), 2u) << dc.Text();
  const plat::Point node1 = dc.LPtoDP(plat::Point{0, 0}), node2 = dc.LPtoDP(plat::Point{8000, 0});
  auto centre_x = [](const plat::Rect& r) { return (r.left + r.right) / 2; };
  EXPECT_NEAR(centre_x(hollow[0]), node1.x, 1);
  // 0.05 m is 100 logical units, 11.25 pixels at 900 pixels for 8000 units.
  EXPECT_NEAR(node2.x - centre_x(hollow[1]), 11.25, 1);
  EXPECT_NEAR((hollow[1].top + hollow[1].bottom) / 2, node2.y, 1);
}

TEST(LoadPictureLineLoads, UniformLoadsShowOneLabel) {
  struct Case {
    float a, b;
    std::vector<std::string> labels;
  };
  for (const Case& c : {Case{5.0f, 5.05f, {"5.00 kN/m"}}, Case{2.0f, 4.0f, {"2.00 kN/m", "4.00 kN/m"}}}) {
    LoadModel model = Portal();
    model.load_case.line_loads.Append(WholeElementLoad(model.geometry.elements[2], 2, 'Y', c.a, c.b));
    LabelMemory labels;
    std::vector<std::string> found;
    for (const std::string& text : Texts(model, labels)) {
      if (text.find("kN/m") != std::string::npos) found.push_back(text);
    }
    EXPECT_EQ(found, c.labels) << c.a << " " << c.b;
    EXPECT_EQ(labels.line_loads[1].placed, 1);
    EXPECT_EQ(labels.line_loads[2].placed, c.labels.size() == 2 ? 1 : 0);
  }
}

TEST(LoadPictureLineLoads, MovedLabelStaysWhereTheViewPutIt) {
  LoadModel model = Portal();
  model.load_case.line_loads.Append(WholeElementLoad(model.geometry.elements[2], 2, 'Y', 10.0f, 10.0f));
  LabelMemory labels;
  Texts(model, labels);
  ASSERT_EQ(labels.boxes.size(), 1u);
  EXPECT_FLOAT_EQ(labels.line_loads[1].x, 3.0f);
  EXPECT_FLOAT_EQ(labels.line_loads[1].z, 4.0f);
  const plat::Point before = labels.boxes[0].corners[0];
  labels.line_loads[1].x = 1.0f;  // 2 m to the left: 300 pixels
  Texts(model, labels);
  ASSERT_EQ(labels.boxes.size(), 1u);
  EXPECT_EQ(labels.boxes[0].kind, kLineLoadLabel);
  EXPECT_EQ(labels.boxes[0].index, 1);
  EXPECT_EQ(before.x - labels.boxes[0].corners[0].x, 300);
}

TEST(LoadPicturePointLoads, LoadsOfNoValueDrawNothing) {
  const std::string unloaded = Recording(Portal());
  LoadModel zero = Portal();
  zero.load_case.point_loads.Append(pundf::testing::ForceAtNode(zero.geometry, 2, 0.0f, 'X'));
  EXPECT_EQ(Recording(zero), unloaded);

  LoadModel below = Portal();
  below.geometry.params.set_tolerance(0.5);
  below.load_case.point_loads.Append(pundf::testing::ForceAtNode(below.geometry, 2, 0.4f, 'X'));
  EXPECT_EQ(Recording(below), unloaded);
  below.load_case.point_loads[1] = pundf::testing::ForceAtNode(below.geometry, 2, -0.5f, 'X');
  EXPECT_NE(Recording(below).find("\"F1  -0.50 kN\""), std::string::npos);
}

TEST(LoadPicturePointLoads, GravityForcePointsDown) {
  LoadModel model = Portal();
  model.load_case.point_loads.Append(pundf::testing::ForceAtNode(model.geometry, 3, 10.0f, 'Y'));
  // Tip at node 3 (950, 50), the shaft 3 h = 0.525 m = 79 pixels above it.
  EXPECT_NE(Recording(model).find("[950,50 976,24 963,24 963,-29 937,-29 937,24 924,24 950,50]"),
            std::string::npos)
      << Recording(model);
}

TEST(LoadPictureLabelMemory, KeepsAtMost200TextsAnd2000Boxes) {
  LoadModel model = Portal();
  PictureView view = View();
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawLoadCase(model, view, *std::make_unique<LabelMemory>(), dc));
  LabelMemory labels;
  Picture picture{dc, model, view, labels, 2000, PixelUnit(dc), 0.06, -1.0, {}};

  dc.Clear();
  DrawBoxedText(picture, "N 1", 1.0, 1.0, 0.0);
  DrawBoxedText(picture, "N 2", 1.0, 1.0, 0.0);  // meets N 1
  DrawBoxedText(picture, "N 3", 4.0, 1.0, 0.0);
  DrawTexts(picture);
  EXPECT_EQ(dc.ops().size(), 2u);
  EXPECT_EQ(labels.placed_rects.size(), 2u);

  labels.placed_rects.resize(LabelMemory::kMaxPlacedRects);
  dc.Clear();
  DrawPointText(picture, "F1", 5.0, 3.0, 0.0);
  DrawBoxedText(picture, "N 4", 5.0, 1.0, 0.0);
  DrawTexts(picture);
  EXPECT_TRUE(dc.ops().empty());

  labels.boxes.resize(LabelMemory::kMaxBoxes);
  DrawLoadLabel(picture, kLineLoadLabel, 1, 3.0, 4.0, 0.0, "1.00 kN/m");
  DrawTexts(picture);
  EXPECT_EQ(dc.ops().size(), 1u);  // drawn, not kept
  EXPECT_EQ(labels.boxes.size(), static_cast<std::size_t>(LabelMemory::kMaxBoxes));
}

TEST(LoadPictureLabelMemory, PickMarksAndLabelPlacesAreForgotten) {
  LabelMemory labels;
  labels.boxes.push_back({});
  labels.line_loads[200].placed = 1;
  labels.temperature[100].placed = 1;
  labels.pick_table_100[100].x = 3.0f;
  ClearPickMarks(labels);
  EXPECT_TRUE(labels.boxes.empty());
  EXPECT_EQ(labels.line_loads[200].placed, 0);
  EXPECT_EQ(labels.pick_table_100[100].x, 0.0f);
  EXPECT_EQ(labels.temperature[100].placed, 1);
  ForgetLabelPlaces(labels);
  EXPECT_EQ(labels.temperature[100].placed, 0);
}

TEST(LoadPicturePens, KindsGiveTheirPens) {
  struct Case {
    int kind;
    plat::Pen pen;
  };
  const Case cases[] = {
      {-5, {plat::PS_SOLID, 3, plat::Rgb(0, 0, 255)}},   {-4, {plat::PS_SOLID, 3, plat::Rgb(255, 255, 255)}},
      {-3, {plat::PS_SOLID, 3, plat::Rgb(0, 180, 0)}},   {-2, {plat::PS_SOLID, 3, plat::Rgb(255, 255, 255)}},
      {-1, {plat::PS_SOLID, 3, plat::Rgb(255, 0, 0)}},   {0, {plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)}},
      {1, {plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)}},      {2, {plat::PS_DASH, 0, plat::Rgb(0, 0, 0)}},
      {3, {plat::PS_DOT, 0, plat::Rgb(0, 0, 0)}},        {4, {plat::PS_DASHDOT, 0, plat::Rgb(0, 0, 0)}},
      {17, {plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)}},
  };
  for (const Case& c : cases) EXPECT_EQ(PenOfKind(c.kind, 3), c.pen) << c.kind;
}

// The portal with loads whose labels all stand at the beam's middle: the beam's number, a uniform
// line load, a second one, a temperature and a prestress.
LoadModel PortalWithLabelsOnTheBeam() {
  LoadModel model = Portal();
  LoadCase& lc = model.load_case;
  lc.line_loads.Append(WholeElementLoad(model.geometry.elements[2], 2, 'Y', 5.0f, 5.0f));
  lc.line_loads.Append(WholeElementLoad(model.geometry.elements[2], 2, 'X', 3.0f, 3.0f));
  lc.params.set_temperature_flag(1);
  lc.temperatures[2].set_uniform_t(20.0f);
  lc.temperatures[2].set_loaded(1);
  lc.params.set_prestress_flag(1);
  common::PrestressEntry prestress;
  prestress.set_element(2);
  prestress.set_force(800.0f);
  lc.prestress.Append(prestress);
  return model;
}

std::vector<plat::DeviceOp> TextOps(const plat::RecordingDc& dc) {
  std::vector<plat::DeviceOp> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op);
  }
  return texts;
}

// At the default text size the picture's texts are at least 11 pixels high on the screen (they were
// 6 on this frame); a printed picture keeps its texts 80 logical units high.
TEST(LoadPictureLegibility, TextsAreAtLeastElevenPixelsHighOnTheScreenAndPrintedAsBefore) {
  const LoadModel model = PortalWithLabelsOnTheBeam();
  PictureView view = View();
  view.element_numbers = true;
  view.node_numbers = true;
  LabelMemory labels;
  plat::RecordingDc screen;
  ASSERT_TRUE(DrawLoadCase(model, view, labels, screen));
  const auto texts = TextOps(screen);
  ASSERT_GE(texts.size(), 8u);
  for (const plat::DeviceOp& op : texts) EXPECT_GE(std::abs(op.font.height), kLeastTextPixels) << op.text;

  plat::DeviceCaps caps = plat::RecordingDc::FixedCaps();
  caps.technology = plat::DT_RASPRINTER;
  plat::RecordingDc printer(caps);
  ASSERT_TRUE(DrawLoadCase(model, view, labels, printer));
  const int printed = static_cast<int>(std::lround(printer.mapping().DeviceLengthY(80)));
  for (const plat::DeviceOp& op : TextOps(printer)) EXPECT_EQ(std::abs(op.font.height), printed) << op.text;
}

// The labels of one element do not overprint each other: each one that would meet a text drawn
// before it moves across its baseline to a free place.
TEST(LoadPictureLegibility, TheLabelsOfOneElementDoNotOverprint) {
  const LoadModel model = PortalWithLabelsOnTheBeam();
  PictureView view = View();
  view.element_numbers = true;
  LabelMemory labels;
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawLoadCase(model, view, labels, dc));
  std::vector<plat::DeviceOp> beam;
  for (const plat::DeviceOp& op : TextOps(dc)) {
    for (const char* text : {"2", "5.00 kN/m", "3.00 kN/m", "T = 20.00", "8.000E+02 kN"}) {
      if (op.text == text) beam.push_back(op);
    }
  }
  ASSERT_EQ(beam.size(), 5u) << dc.Text();
  // The texts are level: each one's box runs along its baseline from its origin, from its ascent
  // above to its descent below.
  auto box = [](const plat::DeviceOp& op) {
    return plat::Rect{op.origin.x, op.origin.y - op.ascent, op.origin.x + op.text_width, op.origin.y + op.descent};
  };
  for (std::size_t i = 0; i < beam.size(); ++i) {
    for (std::size_t j = i + 1; j < beam.size(); ++j) {
      const plat::Rect a = box(beam[i]), b = box(beam[j]);
      const bool meet = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
      EXPECT_FALSE(meet) << beam[i].text << " and " << beam[j].text;
    }
  }
  // Drawn again, the texts stand where they stood.
  plat::RecordingDc again;
  ASSERT_TRUE(DrawLoadCase(model, view, labels, again));
  EXPECT_EQ(again.Text(), dc.Text());
}

// A node's number stands above the node, clear of its support symbol below it: the supported feet
// of the portal had theirs printed over the triangle.
TEST(LoadPictureStructure, NodeNumbersStandAboveTheirNodes) {
  const LoadModel model = Portal();
  PictureView view = View();
  view.node_numbers = true;
  LabelMemory labels;
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawLoadCase(model, view, labels, dc));
  std::vector<plat::Rect> circles;  // the node circles, node 1 first
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kEllipse) circles.push_back(op.rect);
  }
  ASSERT_EQ(circles.size(), static_cast<std::size_t>(model.geometry.node_count()));
  int labelled = 0;
  for (const plat::DeviceOp& op : TextOps(dc)) {
    if (op.text.rfind("N ", 0) != 0) continue;
    const int node = std::stoi(op.text.substr(2));
    ASSERT_GE(node, 1);
    ASSERT_LE(node, static_cast<int>(circles.size()));
    EXPECT_LE(op.origin.y + op.descent, circles[static_cast<std::size_t>(node - 1)].top) << op.text;
    ++labelled;
  }
  EXPECT_EQ(labelled, model.geometry.node_count());
}

// A tall frame fills the drawing rectangle's height: a force on its top and the diagram of a load on
// its beam reach beyond it. In the view the whole picture lies inside the view's rectangle, so that
// nothing stands under the tool bar or the status bar.
TEST(LoadPictureInTheView, LoadsBeyondTheFrameStayInsideTheView) {
  LoadModel model;
  model.geometry = pundf::testing::PortalFrame(2.0f, 8.0f);
  model.geometry.extents = common::DrawingExtents::Box(0, 0, 2, 8);
  model.geometry.drawing_step = 2000;
  model.load_case = EmptyLoadCase(model.geometry, 1);
  LoadCase& lc = model.load_case;
  lc.line_loads.Append(WholeElementLoad(model.geometry.elements[2], 2, 'Y', 10.0f, 10.0f));
  common::PointLoadRecord force;
  force.set_placement(common::PointLoadRecord::kAtNode);
  force.set_node(3);
  force.set_x(2.0f);
  force.set_y(-8.0f);
  force.set_z(8.0f);
  SetPointLoadValue(force, 20.0f, 'Y', 0.0f, 0.0f);
  lc.point_loads.Append(force);

  const plat::Rect client{0, 0, 1000, 700};
  auto outside = [&](const PictureView& view) {
    LabelMemory labels;
    plat::RecordingDc dc;
    EXPECT_TRUE(DrawLoadCase(model, view, labels, dc));
    std::vector<std::string> out;
    for (const plat::DeviceOp& op : dc.ops()) {
      const plat::Rect& b = op.bounds;
      if (b.left < client.left || b.top < client.top || b.right > client.right || b.bottom > client.bottom) {
        out.push_back(plat::Describe(op));
      }
    }
    return out;
  };
  PictureView view = View();
  ASSERT_FALSE(outside(view).empty()) << "the frame's extents alone leave loads outside";
  view.view_rect = client;
  const auto out = outside(view);
  EXPECT_TRUE(out.empty()) << out.front();
}

TEST(LoadPictureTitleBlock, FramesALandscapePage) {
  plat::DeviceCaps caps = plat::RecordingDc::FixedCaps();
  caps.horz_res = 7016;
  caps.vert_res = 4960;
  caps.technology = plat::DT_RASPRINTER;
  plat::RecordingDc dc(caps);
  DrawTitleBlock(dc, "A1", "Hall");
  ASSERT_EQ(dc.ops().size(), 3u) << dc.Text();
  EXPECT_EQ(plat::Describe(dc.ops()[0]),
            "Polyline pen(solid,1,#000000) [211,4 7012,4 7012,4956 211,4956 211,4]");
  EXPECT_EQ(plat::Describe(dc.ops()[1]), "LineTo pen(solid,1,#000000) [211,314 7012,314]");
  const plat::DeviceOp& text = dc.ops()[2];
  EXPECT_EQ(text.text, "Pos. A1  Hall");
  EXPECT_EQ(text.origin.y - text.ascent, 105);
  // 13 characters of 6 pixels: (1650 - 6 x 6) x 7016 / 3383 + 0.5, then the landscape offset 207.
  EXPECT_EQ(text.origin.x, 3347 + 207);
}

}  // namespace
}  // namespace pundf::picture
