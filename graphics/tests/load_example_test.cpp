// The loads and support reactions of the examples computed by the real programs: texts and
// arrows on the recording, and the pictures saved for the eye.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "graphics/loads/distributed_loads.h"
#include "graphics/loads/load_arrows.h"
#include "graphics/loads/point_loads.h"
#include "graphics/loads/recomputed_reactions.h"
#include "graphics/loads/support_reactions.h"
#include "graphics/model/read_results.h"
#include "graphics/picture/frame.h"
#include "graphics/tests/computed_example.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
constexpr char kPortal[] = "PORTAL";
constexpr char kArch[] = "ARCH";
using Beam2Loads = testing::ComputedExampleTest<kBeam2>;
using PortalLoads = testing::ComputedExampleTest<kPortal>;
using ArchLoads = testing::ComputedExampleTest<kArch>;

std::vector<std::string> TextsOf(const plat::RecordingDc& dc) {
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  return texts;
}

// A force arrow on the recording: its tip and the way it points (device pixels, y down).
struct DrawnArrow {
  plat::Point tip;
  int dx = 0, dy = 0;
  bool horizontal() const { return std::abs(dy) * 10 < std::abs(dx); }
  bool vertical() const { return std::abs(dx) * 10 < std::abs(dy); }
};

// Every arrow polygon once (each is filled twice: grey, then with the brush of its sign).
std::vector<DrawnArrow> ArrowsOf(const plat::RecordingDc& dc) {
  std::vector<DrawnArrow> arrows;
  std::vector<plat::Point> last;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind != plat::DeviceOp::Kind::kPolygon || op.points.size() != 8) continue;
    if (op.points == last) continue;
    last = op.points;
    const plat::Point tip = op.points[0];
    const int far_x = (op.points[3].x + op.points[4].x) / 2, far_y = (op.points[3].y + op.points[4].y) / 2;
    arrows.push_back(DrawnArrow{tip, tip.x - far_x, tip.y - far_y});
  }
  return arrows;
}

struct Drawn {
  std::vector<std::string> texts;
  std::vector<DrawnArrow> arrows;
};

Drawn Recorded(ViewerState& state, const std::function<void(Canvas&)>& draw) {
  testing::RecordedPicture recorded(state, 2.0f);
  draw(recorded.canvas);
  return Drawn{TextsOf(recorded.dc), ArrowsOf(recorded.dc)};
}

std::vector<float> KlagerOf(const ViewerState& state) {
  std::vector<float> reactions;
  EXPECT_TRUE(ReadSupportReactions(state, reactions).ok());
  return reactions;
}

// The loads and reactions of load case `lc` on a bitmap, saved as `file` for the eye.
void SaveLoadPicture(const common::Position& position, int lc, const std::string& file) {
  ViewerState state = testing::ViewerOn(position, lc);
  const std::vector<float> reactions = KlagerOf(state);
  testing::SaveBitmapPicture(state, file, 3.0f, [&](Canvas& c) {
    DrawFrame(c, FrameOptions{});
    if (state.load_case_params.gravity_flag() != 0) DrawSelfWeight(c);
    DrawLineLoads(c, true);
    DrawPointLoads(c);
    DrawSupportReactions(c, reactions, ReactionOptions{});
  });
  ASSERT_TRUE(ReadRightHandSide(state, state.current_load_case_text).ok());
  testing::SaveBitmapPicture(state, "nodal_" + file, 3.0f, [&](Canvas& c) {
    DrawFrame(c, FrameOptions{});
    DrawNodalLoads(c, state.right_hand_side);
  });
}

TEST_F(Beam2Loads, ReactionsHaveKlagersValuesAndPointUp) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  const std::vector<float> klager = KlagerOf(state);
  const Drawn d = Recorded(state, [&](Canvas& c) { EXPECT_EQ(DrawSupportReactions(c, klager, {}), 3); });
  EXPECT_EQ(d.texts, (std::vector<std::string>{"22.51 kN", "74.98 kN", "22.51 kN"}));
  ASSERT_EQ(d.arrows.size(), 3u);
  for (const DrawnArrow& a : d.arrows) {
    EXPECT_TRUE(a.vertical());
    EXPECT_LT(a.dy, 0) << "a support pushes the loaded beam up";
  }
  SaveLoadPicture(*position_, 1, "BEAM2_loads_1.png");
}

TEST_F(Beam2Loads, RecomputedReactionsAreKlagers) {
  // Load cases with loads, support settlements, self weight and dislocations.
  for (int lc = 1; lc <= 5; ++lc) {
    ViewerState state = testing::ViewerOn(*position_, lc);
    const std::vector<float> klager = KlagerOf(state);
    auto recomputed = RecomputedReactions(state);
    ASSERT_TRUE(recomputed) << lc;
    ASSERT_EQ(recomputed->size(), klager.size());
    for (std::size_t q = 1; q < klager.size(); ++q) {
      EXPECT_NEAR((*recomputed)[q], klager[q], 1e-4 * (1.0 + std::fabs(klager[q]))) << "load case " << lc << " eq " << q;
    }
  }
  // A picked element makes the picture take the recomputed path: the same texts and arrows.
  ViewerState state = testing::ViewerOn(*position_, 1);
  ViewState view;
  view.picked_elements = {1};
  auto reactions = ReactionsToDraw(state, view, false);
  ASSERT_TRUE(reactions);
  const Drawn recomputed = Recorded(state, [&](Canvas& c) { DrawSupportReactions(c, *reactions, {}); });
  const Drawn klager = Recorded(state, [&](Canvas& c) { DrawSupportReactions(c, KlagerOf(state), {}); });
  EXPECT_EQ(recomputed.texts, (std::vector<std::string>{"22.51 kN", "74.98 kN", "22.51 kN"}));
  EXPECT_EQ(recomputed.texts, klager.texts);
  ASSERT_EQ(recomputed.arrows.size(), klager.arrows.size());
  for (std::size_t i = 0; i < klager.arrows.size(); ++i) {
    EXPECT_EQ(recomputed.arrows[i].tip, klager.arrows[i].tip);
    EXPECT_EQ(recomputed.arrows[i].dy, klager.arrows[i].dy);
  }
}

TEST_F(Beam2Loads, ReactionsNeedTheirFiles) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  state.current_load_case = 9;  // a load case that was never computed
  EXPECT_FALSE(ReactionsToDraw(state, ViewState{}, false)) << "no KLAGER, no reactions";
}

TEST_F(Beam2Loads, NodalLoadsOfTheLoadVector) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  ASSERT_TRUE(ReadRightHandSide(state, state.current_load_case_text).ok());
  const Drawn d = Recorded(state, [&](Canvas& c) { EXPECT_EQ(DrawNodalLoads(c, state.right_hand_side), 5); });
  // By equation; nothing at the middle node's rotation.
  EXPECT_EQ(d.texts, (std::vector<std::string>{"30.00 kN", "-30.00 kNm", "60.00 kN", "30.00 kN", "30.00 kNm"}));
  ASSERT_EQ(d.arrows.size(), 3u);
  for (const DrawnArrow& a : d.arrows) EXPECT_GT(a.dy, 0) << "the load vector of the roof load points down";
}

TEST_F(Beam2Loads, PointLoadsSelfWeightAndDislocations) {
  ViewerState forces = testing::ViewerOn(*position_, 2);
  const Drawn f = Recorded(forces, [](Canvas& c) { DrawPointLoads(c); });
  EXPECT_EQ(f.texts, (std::vector<std::string>{"F1  20.00 kN", "F2  5.00 kN", "F3  6.00 kN", "F4  7.50 kN",
                                               "M5  15.00 kNm"}));
  ASSERT_EQ(f.arrows.size(), 4u);
  EXPECT_GT(f.arrows[0].dy, 0) << "a 'Y' load acts down";
  EXPECT_TRUE(f.arrows[2].horizontal());
  EXPECT_GT(f.arrows[2].dx, 0) << "an 'X' load acts to the right";
  SaveLoadPicture(*position_, 2, "BEAM2_loads_2.png");

  // While the views mark new loads, those above the first new one go without their text.
  ViewState marking;
  marking.new_loads = true;
  marking.first_new_load = 2;
  EXPECT_EQ(PointLoadText(marking, forces.point_loads[2], 2), "F2  5.00 kN");
  EXPECT_EQ(PointLoadText(marking, forces.point_loads[3], 3), "");

  ViewerState weight = testing::ViewerOn(*position_, 4);
  ASSERT_NE(weight.load_case_params.gravity_flag(), 0);
  const Drawn w = Recorded(weight, [](Canvas& c) { EXPECT_EQ(DrawSelfWeight(c), 2); });
  EXPECT_EQ(w.texts, (std::vector<std::string>{" 3.5 kN/m", " 3.5 kN/m"}));
  SaveLoadPicture(*position_, 4, "BEAM2_loads_4.png");

  ViewerState dislocations = testing::ViewerOn(*position_, 5);
  const Drawn k = Recorded(dislocations, [](Canvas& c) { DrawPointLoads(c); });
  EXPECT_EQ(k.texts, (std::vector<std::string>{"Kink Delta 1.000", "Delta w 1.000", "Delta u 0.001"}));
  EXPECT_TRUE(k.arrows.empty());
}

TEST_F(Beam2Loads, SmallValuesAndTheLastRememberedLabel) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  std::vector<float> small = KlagerOf(state);
  const common::NodeRecord& first = state.nodes[1];
  ASSERT_NE(first.support_flag(1), 0);
  ASSERT_NE(first.support_flag(2), 0);
  std::fill(small.begin(), small.end(), 0.0f);
  small[static_cast<std::size_t>(first.dof_u())] = 0.05f;
  small[static_cast<std::size_t>(first.dof_v())] = 0.05f;
  const Drawn d = Recorded(state, [&](Canvas& c) { EXPECT_EQ(DrawSupportReactions(c, small, {}), 1); });
  ASSERT_EQ(d.arrows.size(), 1u);
  EXPECT_TRUE(d.arrows[0].horizontal()) << "a vertical 0.05 draws nothing, a horizontal one does";

  // A point load below the tolerance.
  ViewerState loads = testing::ViewerOn(*position_, 2);
  for (common::PointLoadRecord& p : loads.point_loads.used()) p.set_value(0.5f * static_cast<float>(loads.params.tolerance()));
  const Drawn none = Recorded(loads, [](Canvas& c) { EXPECT_EQ(DrawPointLoads(c), 0); });
  EXPECT_TRUE(none.texts.empty());
  EXPECT_TRUE(none.arrows.empty());

  // Labels 1..1000 keep their places; the 1001st is drawn where it belongs, not remembered.
  testing::RecordedPicture recorded(state, 2.0f);
  int counter = 0;
  for (int i = 1; i <= 1001; ++i) {
    DrawForceArrow(recorded.canvas, recorded.picture.labels.reactions, counter, 0.1, 1.0, 0.0, 10.0, true);
  }
  EXPECT_EQ(counter, 1001);
  EXPECT_NE(recorded.picture.labels.reactions.At(1000).placed, 0);
  EXPECT_EQ(TextsOf(recorded.dc).size(), 1001u);
}

// A negative typed support value counts as its absolute value, as the solver takes it: the
// geometry input stores the value with its sign and no support flag, and the frame's support
// symbols and KLAGER's reactions are drawn as for the positive value.
TEST_F(PortalLoads, NegativeTypedSupportsAreDrawnLikeTheirAbsoluteValues) {
  ViewerState state = testing::ViewerOn(*position_, 2);
  const std::vector<float> klager = KlagerOf(state);
  auto recorded = [&](const ViewerState& s) {
    ViewerState drawn = s;
    testing::RecordedPicture picture(drawn, 2.0f);
    DrawFrame(picture.canvas, FrameOptions{});
    EXPECT_GT(DrawSupportReactions(picture.canvas, klager, {}), 0);
    return picture.dc.ops();
  };
  const std::vector<plat::DeviceOp> positive = recorded(state);
  int negated = 0;
  for (common::NodeRecord& node : state.nodes.used()) {
    for (int d = 1; d <= 3; ++d) {
      if (node.support(d) <= 0.0f) continue;
      node.set_support(d, -node.support(d));
      node.set_support_flag(d, 0);
      ++negated;
    }
  }
  ASSERT_EQ(negated, 5);
  const std::vector<plat::DeviceOp> negative = recorded(state);
  ASSERT_EQ(negative.size(), positive.size());
  for (std::size_t k = 0; k < positive.size(); ++k) {
    EXPECT_EQ(negative[k].kind, positive[k].kind) << k;
    EXPECT_EQ(negative[k].points, positive[k].points) << k;
    EXPECT_EQ(negative[k].text, positive[k].text) << k;
  }
}

TEST_F(PortalLoads, WindIsResistedAtTheFeet) {
  ViewerState state = testing::ViewerOn(*position_, 2);
  const std::vector<float> klager = KlagerOf(state);
  const Drawn loads = Recorded(state, [](Canvas& c) { DrawPointLoads(c); });
  ASSERT_EQ(loads.arrows.size(), 1u);
  EXPECT_GT(loads.arrows[0].dx, 0) << "the wind pushes to the right";
  const Drawn r = Recorded(state, [&](Canvas& c) { DrawSupportReactions(c, klager, {}); });
  int horizontal = 0;
  for (const DrawnArrow& a : r.arrows) {
    if (!a.horizontal()) continue;
    ++horizontal;
    EXPECT_LT(a.dx, 0) << "the feet hold the frame against the wind";
  }
  EXPECT_EQ(horizontal, 2);
  SaveLoadPicture(*position_, 1, "PORTAL_loads_1.png");
  SaveLoadPicture(*position_, 2, "PORTAL_loads_2.png");
}

TEST_F(ArchLoads, TheFeetHoldTheArchUpAndIn) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  const std::vector<float> klager = KlagerOf(state);
  const Drawn r = Recorded(state, [&](Canvas& c) { DrawSupportReactions(c, klager, {}); });
  ASSERT_EQ(r.arrows.size(), 4u);
  for (const DrawnArrow& a : r.arrows) {
    if (a.vertical()) {
      EXPECT_LT(a.dy, 0) << "up";
    } else {
      EXPECT_EQ(a.dx > 0, a.tip.x < 600) << "the thrust points inward";
    }
  }
  SaveLoadPicture(*position_, 1, "ARCH_loads_1.png");
  SaveLoadPicture(*position_, 2, "ARCH_loads_2.png");
}

}  // namespace
}  // namespace revuzavi
