// The frame picture of the geometry editor on a recording device context.
#include <gtest/gtest.h>

#include "geometry/editor/frame_drawing.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/editor/editor_commands.h"
#include "geometry/tests/drawing_fixture.h"
#include "geometry/tests/frame_builder.h"
#include "geometry/tests/position_fixture.h"

namespace kelmf {
namespace {

using testing::HasCircleAt;
using testing::HasLine;

const DrawArea kArea{plat::Rect{0, 0, 1000, 800}, 900, 720};
const plat::ColorRef kWhite = plat::Rgb(255, 255, 255);
const plat::ColorRef kRed = plat::Rgb(255, 0, 0);

FrameModel LoadedExample(const std::string& name) {
  EditorSession editor(testing::ExamplePosition(name), testing::TestSettings());
  const LoadReport load = LoadEditorPosition(editor);
  EXPECT_TRUE(load.messages.empty());
  return editor.model;
}

struct Drawn {
  plat::RecordingDc dc;
  ViewState view;
  PenSet pens;
};

void Draw(FrameModel& model, Drawn& drawn) { ASSERT_TRUE(Zeichnen(drawn.dc, model, drawn.view, drawn.pens, kArea)); }

TEST(Zeichnen, PortalFrame) {
  FrameModel model = LoadedExample("PORTAL");
  Drawn drawn;
  Draw(model, drawn);
  EXPECT_EQ(model.editor.drawing_scale, 200);
  // (x, z) lies at (50 + 150 x, 700 - 150 z).
  EXPECT_TRUE(HasLine(drawn.dc, {50, 100}, {950, 100}));
  EXPECT_TRUE(HasLine(drawn.dc, {50, 700}, {50, 100}));
  EXPECT_TRUE(HasLine(drawn.dc, {950, 100}, {950, 700}));
  const auto texts = testing::Texts(drawn.dc);
  for (const char* label : {"1", "2", "3", "N 1", "N 2", "N 3", "N 4", "6.00", "4.00"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
  }
  EXPECT_EQ(testing::TextCall(drawn.dc, "4.00")->font.escapement, 900);
  EXPECT_EQ(testing::TextCall(drawn.dc, "6.00")->font.escapement, 0);
  // Support dots at the held nodes 1 and 4 only.
  const auto dots = testing::CircleCentres(drawn.dc, kWhite);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_TRUE(testing::Near(dots[0], {50, 700}));
  EXPECT_TRUE(testing::Near(dots[1], {950, 700}));
  // Node 1 clamped: the stroke through it and a square; node 4 hinged: a triangle, no roller line.
  EXPECT_TRUE(HasLine(drawn.dc, {50, 709}, {50, 691}));
  EXPECT_TRUE(HasLine(drawn.dc, {59, 709}, {41, 709}) || HasLine(drawn.dc, {41, 709}, {41, 691}));
  EXPECT_TRUE(HasLine(drawn.dc, {950, 700}, {941, 709}));
  EXPECT_TRUE(HasLine(drawn.dc, {941, 709}, {959, 709}));
  EXPECT_TRUE(HasLine(drawn.dc, {959, 709}, {950, 700}));
  EXPECT_FALSE(HasLine(drawn.dc, {941, 711}, {959, 711}));
  // The picking tolerance: 4 pixels of 1200 / 900 units at 200 units per metre.
  EXPECT_NEAR(drawn.view.picking_tolerance, 4.0 * 1200 / 900 / 200, 0.001);
}

TEST(Zeichnen, TheGridToolDrawsTheGridInLightGrey) {
  FrameModel model = LoadedExample("PORTAL");
  Drawn drawn;
  drawn.view.grid_tool = true;
  Draw(model, drawn);
  int grid_lines = 0;
  for (const plat::DeviceOp* op : testing::Calls(drawn.dc, "LineTo")) {
    if (op->pen.color == plat::Rgb(205, 205, 205)) ++grid_lines;
  }
  EXPECT_EQ(grid_lines, 250);
  // Mesh 2 m: the line x = 2 m from z = -100 m to 100 m.
  EXPECT_TRUE(HasLine(drawn.dc, {350, 700 + 15000}, {350, 700 - 15000}));
}

TEST(Zeichnen, DrawsTheNodesInMemoryNotTheStoredOnes) {
  FrameModel model = LoadedExample("PORTAL");
  model.nodes[3].set_support_flag(2, 1);  // an unsaved support
  Drawn drawn;
  Draw(model, drawn);
  EXPECT_EQ(testing::CircleCentres(drawn.dc, kWhite).size(), 3u);
}

TEST(Zeichnen, HingesAtAJointSitBesideItAndRigidEndsGetAMark) {
  FrameModel model = testing::Frame({{0, 0, 0, 3, 1, 0}, {0, 0, 3, 4, 1, 0}, {0, 0, 4, 0}});
  ASSERT_TRUE(RebuildTopology(model).ok());
  ASSERT_EQ(model.nodes[1].mixed_hinges(), 1);
  model.extents = common::DrawingExtents::Box(0, 0, 4, 4);
  Drawn drawn;
  Draw(model, drawn);
  const int scale = model.editor.drawing_scale;
  const auto at = [&](double x, double z) { return drawn.dc.LPtoDP(plat::Point{int(x * scale), int(z * scale)}); };
  EXPECT_TRUE(HasCircleAt(drawn.dc, kWhite, at(0.0, 0.05)));
  EXPECT_TRUE(HasCircleAt(drawn.dc, kWhite, at(0.072, 0.096)));
  bool mark = false;
  for (const plat::DeviceOp* op : testing::Calls(drawn.dc, "LineTo")) {
    mark = mark || testing::Near(op->points[0], at(0.2, 0.0));
  }
  EXPECT_TRUE(mark);
}

TEST(Zeichnen, ExtentsThatHoldNoBoxDrawTheElementEnds) {
  FrameModel model = testing::Frame({{0, 0, 6, 0}, {6, 0, 6, 4}});
  model.extents = common::DrawingExtents::Box(1000, 1000, -1000, -1000);
  Drawn drawn;
  Draw(model, drawn);
  EXPECT_EQ(model.editor.drawing_scale, 200);
  EXPECT_TRUE(HasLine(drawn.dc, {50, 700}, {950, 700}));
}

TEST(Zeichnen, PolesCloseTogetherShareOneLabel) {
  FrameModel model = testing::Frame({{0, 0, 2, 0}, {2, 0, 4, 0}, {4, 0, 6, 0}});
  ASSERT_TRUE(RebuildTopology(model).ok());
  model.kinematics.column = 1;
  model.kinematics.mechanism = mechanics::Vector(1);
  model.kinematics.poles.SetCount(3);
  model.kinematics.poles[1] = Pole{1.00f, 2.00f, 0};
  model.kinematics.poles[2] = Pole{1.03f, 2.02f, 0};
  model.kinematics.poles[3] = Pole{5.0f, 5.0f, 1};  // at infinity: no label
  model.extents = common::DrawingExtents::Box(0, 0, 6, 4);
  Drawn drawn;
  Draw(model, drawn);
  const auto texts = testing::Texts(drawn.dc);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Pole 1, 2"), 1);
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const std::string& t) { return t.rfind("Pole", 0) == 0; }),
            1);
}

TEST(Zeichnen, ManyLabelsAreAllDrawn) {
  FrameModel model = testing::Frame({});
  for (int k = 0; k < 100; ++k) {
    model.elements.Append(testing::MakeElement({float(k), 0, float(k), 3}));
  }
  ASSERT_TRUE(RebuildTopology(model).ok());
  model.extents = common::DrawingExtents::Box(0, 0, 99, 3);
  Drawn drawn;
  Draw(model, drawn);
  EXPECT_EQ(drawn.view.label_rects.size(), testing::Texts(drawn.dc).size());
  EXPECT_GE(testing::Texts(drawn.dc).size(), 300u);
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

TEST(SelectPenByLineType, PensOfTheStartUpSet) {
  struct Case {
    int type;
    plat::Pen pen;
  };
  const Case cases[] = {
      {-3, {plat::PS_SOLID, 4, plat::Rgb(0, 130, 0)}},  {0, {plat::PS_SOLID, 0, plat::Rgb(255, 0, 0)}},
      {2, {plat::PS_DASH, 0, plat::Rgb(0, 0, 0)}},      {3, {plat::PS_DOT, 0, plat::Rgb(0, 0, 0)}},
      {4, {plat::PS_DASHDOT, 0, plat::Rgb(0, 0, 0)}},   {5, {plat::PS_SOLID, 0, plat::Rgb(205, 205, 205)}},
      {6, {plat::PS_DASHDOTDOT, 0, plat::Rgb(0, 0, 0)}}, {7, {plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)}},
      {1, {plat::PS_SOLID, 1, plat::Rgb(0, 0, 0)}},      {9, {plat::PS_SOLID, 1, plat::Rgb(0, 0, 0)}},
  };
  PenSet pens;
  plat::RecordingDc dc;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    SelectPenByLineType(dc, pens, c.type);
    EXPECT_EQ(dc.GetCurrentPen(), c.pen);
  }
}

TEST(NewFrameReset, EmptiesTheGeneratorInputsAndDrawsAtScale100) {
  EditorSession editor(testing::TestPosition(), testing::TestSettings());
  editor.model = testing::Frame({{0, 0, 6, 0}});
  editor.model.spans.Append(SpanRecord{});
  editor.model.params.set_span_count(1);
  editor.model.extents = common::DrawingExtents::Box(0, 0, 6, 4);
  NewFrameReset(editor);
  EXPECT_EQ(editor.model.spans.count(), 0);
  EXPECT_EQ(editor.model.params.span_count(), 0);
  plat::RecordingDc dc;
  ASSERT_TRUE(Zeichnen(dc, editor.model, editor.view, editor.pens, kArea));
  EXPECT_EQ(editor.model.editor.drawing_scale, 100);
}

}  // namespace
}  // namespace kelmf
