// The arrows of the load pictures on a recording: where they point, their size and their labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/loads/load_arrows.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

struct ArrowPicture {
  ArrowPicture() { state.extents = common::DrawingExtents::Box(0.0f, 0.0f, 10.0f, 10.0f); }
  ViewerState state;
  ViewState view;
  PictureState picture;
  plat::RecordingDc dc;
  Canvas c{state, view, picture, dc};
};

TEST(LoadArrows, ForceArrowPointsTheWayOfItsValue) {
  struct Case {
    double value;
    bool horizontal;
    float far_x, far_z;  // where the shaft ends: behind the tip
  };
  // size 0.1: e = |value| 0.05, the shaft 3 e long.
  for (const Case k : {Case{20.0, false, 1.0f, -1.0f}, Case{-20.0, false, 1.0f, 5.0f}, Case{20.0, true, -2.0f, 2.0f},
                       Case{-20.0, true, 4.0f, 2.0f}}) {
    ArrowPicture p;
    int counter = 0;
    DrawForceArrow(p.c, p.picture.labels.reactions, counter, 0.1, 1.0, 2.0, k.value, k.horizontal);
    EXPECT_EQ(counter, 1);
    const WorldPoint tip = p.picture.curve_points[1];
    EXPECT_FLOAT_EQ(tip.x, 1.0f);
    EXPECT_FLOAT_EQ(tip.y, 2.0f);
    const LabelPosition label = p.picture.labels.reactions.At(1);
    EXPECT_NEAR(label.x, k.far_x, 1e-5) << k.value << " " << k.horizontal;
    EXPECT_NEAR(label.z, k.far_z, 1e-5) << k.value << " " << k.horizontal;
  }
}

TEST(LoadArrows, ForceArrowLabelIsItsMagnitude) {
  ArrowPicture p;
  int counter = 0;
  DrawForceArrow(p.c, p.picture.labels.reactions, counter, 0.1, 1.0, 2.0, -12.345, false);
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : p.dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  EXPECT_EQ(texts, std::vector<std::string>{"12.35 kN"});
}

TEST(LoadArrows, MomentArcHasTwelveStepsAndTurnsBySense) {
  for (const bool clockwise : {false, true}) {
    ArrowPicture p;
    DrawMomentArc(p.c, 5.0, 5.0, 1.0, 1.5, 0.0, 3.14159265358979 / 2, clockwise);
    std::vector<plat::Point> starts;
    for (const plat::DeviceOp& op : p.dc.ops()) {
      if (op.kind == plat::DeviceOp::Kind::kPolyline) starts.push_back(op.points.front());
    }
    ASSERT_EQ(starts.size(), 2u * 12 + 2) << "two arcs of 12 pieces and the head's two lines";
    // The arc starts at angle 0: right of the centre anticlockwise, left of it clockwise.
    const plat::Point centre = p.dc.LPtoDP(plat::Point{500, 500});
    EXPECT_EQ(starts[0].x > centre.x, !clockwise);
  }
}

}  // namespace
}  // namespace revuzavi
