// The support dialog on TWO computed by the real programs: which changes leave the frame
// supported, the node record it leaves, the target tool, and the node run on its result.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/app/support_springs_dialog.h"
#include "graphics/app/viewer_session.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/working_copies.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/message_boxes.h"
#include "graphics/tests/two_spans_example.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

using D = CDiaLagerR;

struct TwoSpans : ::testing::Test {
  void SetUp() override {
    position = testing::ComputedTwoSpans();
    session.state = testing::ViewerOn(position, 1);
  }
  // Opens the dialog on `node`, types `text` into `field` and presses OK; `open_after_ok` tells
  // whether the dialog was still open after OK.
  bool Edit(int node, plat::UINT field, const std::string& text, bool* open_after_ok = nullptr) {
    script.OnNextDialog([&](plat::Dialog& d) {
      plat::testing::TypeInto(d, field, text);
      plat::testing::Press(d, D::kOk);
      if (open_after_ok) *open_after_ok = !d.Ended() && d.IsWindowVisible();
    });
    return EditSupportSprings(session, node, nullptr);
  }
  std::vector<std::string> BoxTexts() const { return testing::BoxTexts(script); }

  common::Position position;
  ViewerSession session;
  plat::testing::DialogScript script;
};

float FloatAt(const std::string& bytes, std::size_t at) {
  float v = 0;
  std::memcpy(&v, bytes.data() + at, sizeof v);
  return v;
}

double DoubleAt(const std::string& bytes, std::size_t at) {
  double v = 0;
  std::memcpy(&v, bytes.data() + at, sizeof v);
  return v;
}

TEST_F(TwoSpans, AChangeIsKeptOnlyWhileTheFrameStaysSupported) {
  struct Step {
    int node;
    plat::UINT field;
    const char* text;
    bool kept;
  };
  // One after the other: each kept change counts for the next.
  const Step steps[] = {
      {1, D::kFactorX, "0", false},           // no x support left
      {3, D::kFactorY, "0", true},            // x at 1, y at 1 and 2
      {2, D::kFactorY, "0", false},           // one y support left
      {2, D::kFactorRotation, "0.5", true},   // a rotational spring holds the frame
      {2, D::kFactorY, "0", true},            // ... also without the second y support
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(std::to_string(s.node) + " " + std::to_string(s.field) + " " + s.text);
    const common::NodeTable before = session.state.nodes;
    const std::size_t boxes = BoxTexts().size();
    bool open_after_ok = false;
    EXPECT_EQ(Edit(s.node, s.field, s.text, &open_after_ok), s.kept);
    EXPECT_EQ(open_after_ok, !s.kept);
    const std::vector<std::string> texts = BoxTexts();
    if (s.kept) {
      EXPECT_EQ(texts.size(), boxes);
      EXPECT_NE(session.state.nodes[s.node].bytes(), before[s.node].bytes());
    } else {
      ASSERT_EQ(texts.size(), boxes + 1);
      EXPECT_EQ(texts.back(), "OK|Not enough supports left!");
      EXPECT_EQ(session.state.nodes[s.node].bytes(), before[s.node].bytes());
    }
  }
  EXPECT_EQ(session.state.nodes[2].support(3), 0.5f);
  EXPECT_EQ(session.state.nodes[2].support_flag(3), 1);
  EXPECT_EQ(session.state.nodes[3].support_flag(2), 0);
}

TEST_F(TwoSpans, ASpringOfNodeThreeLeavesItsCopyAndTheNodeRunOnIt) {
  ASSERT_TRUE(Edit(3, D::kFactorY, "0.25"));
  ReanalysisState& run = session.run;
  run.picked_nodes.Add(3);
  run.steps.node_count(1) = 1;
  ASSERT_TRUE(WriteNodeCopy(session.state, run.steps, 1));
  const std::string copy = testing::ReadBytes(position.File("KNOTENRTEMP1"));
  ASSERT_EQ(copy.size(), 616u);  // the step's count, then three records of 204 bytes
  EXPECT_EQ(copy[413], 1);       // node 3 still held in y
  EXPECT_EQ(copy[416], 0);       // no change in x
  EXPECT_EQ(copy[417], 1);       // changed in y
  EXPECT_EQ(copy[418], 0);
  EXPECT_EQ(FloatAt(copy, 436), 0.25f);
  EXPECT_EQ(FloatAt(copy, 448), -0.75f);

  int step = 1;
  ReanalysisView view;
  ASSERT_TRUE(SolveModifiedNodesDirect(session.state, run, view, step).ok());
  const std::string ut8 = testing::ReadBytes(position.LoadCaseFile("UT8", 1));
  const std::string uct8 = testing::ReadBytes(position.File("UCT81"));
  ASSERT_EQ(uct8.size(), 8008u);
  EXPECT_NEAR(DoubleAt(ut8, 8 * 8), -1.16530e-6, 1e-5 * 1.16530e-6);
  EXPECT_NEAR(DoubleAt(uct8, 8 * 8), -4.65685e-6, 1e-5 * 4.65685e-6);
}

TEST_F(TwoSpans, TheChangeIsCountedFromTheFactorBeforeAnyReanalysis) {
  ASSERT_TRUE(Edit(3, D::kFactorY, "0.25"));
  script.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, D::kFactorY, "0,5");  // a decimal comma, then Enter: OK
    plat::testing::PressKey(*d.GetDlgItem(D::kFactorY), plat::VK_RETURN);
  });
  ASSERT_TRUE(EditSupportSprings(session, 3, nullptr));
  EXPECT_EQ(session.state.nodes[3].support(2), 0.5f);
  EXPECT_EQ(session.state.nodes[3].changed_support(2), -0.5f);
  EXPECT_EQ(session.state.nodes[3].changed_support_mark(1), 0);
}

// A negative factor is a support of its absolute value: the change is counted between the
// stiffnesses, typed or stored with either sign, and the node run gives what 0.25 gives.
TEST_F(TwoSpans, ANegativeFactorCountsAsItsAbsoluteValue) {
  struct Case {
    float stored;  // node 3's y factor as the geometry holds it
    const char* typed;
    float change;
  };
  for (const Case& c : {Case{1.0f, "-0.25", -0.75f}, Case{-1.0f, "0.25", -0.75f}, Case{-1.0f, "-0.25", -0.75f},
                        Case{-1.0f, "2", 1.0f}}) {
    SCOPED_TRACE(std::to_string(c.stored) + " " + c.typed);
    session.state = testing::ViewerOn(position, 1);
    session.run = ReanalysisState{};
    for (common::NodeTable* table : {&session.state.nodes, &session.state.original_nodes}) {
      (*table)[3].set_support(2, c.stored);
      (*table)[3].set_support_flag(2, c.stored > 0.0f ? 1 : 0);
    }
    ASSERT_TRUE(Edit(3, D::kFactorY, c.typed));
    const common::NodeRecord& node = session.state.nodes[3];
    EXPECT_EQ(node.changed_support(2), c.change);
    EXPECT_EQ(node.changed_support_mark(2), 1);
    EXPECT_EQ(node.support_flag(2), 1);
    if (c.change != -0.75f) continue;
    ReanalysisState& run = session.run;
    run.picked_nodes.Add(3);
    int step = 1;
    ReanalysisView view;
    ASSERT_TRUE(SolveModifiedNodesDirect(session.state, run, view, step).ok());
    const std::string uct8 = testing::ReadBytes(position.File("UCT81"));
    ASSERT_EQ(uct8.size(), 8008u);
    EXPECT_NEAR(DoubleAt(uct8, 8 * 8), -4.65685e-6, 1e-5 * 4.65685e-6);
  }
}

TEST_F(TwoSpans, OkWithoutAChangeChangesNothing) {
  const common::NodeTable before = session.state.nodes;
  script.PressNext(D::kOk);
  EXPECT_FALSE(EditSupportSprings(session, 1, nullptr));
  EXPECT_EQ(script.shown().back().result, plat::IDOK);
  EXPECT_EQ(session.state.nodes[1].bytes(), before[1].bytes());
  script.PressNext(plat::IDCANCEL);
  EXPECT_FALSE(EditSupportSprings(session, 2, nullptr));
  EXPECT_FALSE(EditSupportSprings(session, 4, nullptr));  // no such node: no dialog
  EXPECT_EQ(script.shown().size(), 2u);
}

TEST_F(TwoSpans, TheTargetStiffnessGivesKForADirection) {
  std::string base, k, y;
  plat::UINT focus = 0;
  script.OnNextDialog([&](plat::Dialog& d) {
    base = plat::testing::ItemText(d, D::kBaseStiffness);
    plat::testing::TypeInto(d, D::kTarget, "1068000");
    plat::testing::PressKey(*d.GetDlgItem(D::kTarget), plat::VK_RETURN);
    k = plat::testing::ItemText(d, D::kTargetFactor);
    focus = plat::Window::GetFocus() ? plat::Window::GetFocus()->GetDlgCtrlID() : 0u;
    plat::testing::Press(d, D::kCopyY);
    y = plat::testing::ItemText(d, D::kFactorY);
    plat::testing::Press(d, D::kOk);
  });
  EXPECT_TRUE(EditSupportSprings(session, 2, nullptr));
  EXPECT_EQ(base, "2.136E+06");
  EXPECT_EQ(k, "5.00000E-01");
  EXPECT_EQ(focus, D::kTargetFactor);
  EXPECT_EQ(y, "5.00000E-01");
  EXPECT_EQ(session.state.nodes[2].support(2), 0.5f);
}

TEST_F(TwoSpans, NoBaseStiffnessRefusesTheTargetTool) {
  session.state.params.set_support_stiffness(0.0f);
  std::string k;
  script.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, D::kTarget, "1068000");
    plat::testing::PressKey(*d.GetDlgItem(D::kTarget), plat::VK_RETURN);
    k = plat::testing::ItemText(d, D::kTargetFactor);
  });
  EXPECT_FALSE(EditSupportSprings(session, 2, nullptr));
  EXPECT_EQ(k, "");
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts()[0].substr(0, 3), "OK|");
}

TEST_F(TwoSpans, NoSupportSetsEveryDirectionOfTheNodeFree) {
  script.OnNextDialog([](plat::Dialog& d) {
    plat::testing::Press(d, D::kNoSupport);
    plat::testing::Press(d, D::kOk);
  });
  ASSERT_TRUE(EditSupportSprings(session, 2, nullptr));
  const common::NodeRecord& node = session.state.nodes[2];
  for (int d = 1; d <= 3; ++d) {
    EXPECT_EQ(node.support(d), 0.0f);
    EXPECT_EQ(node.support_flag(d), 0);
    EXPECT_EQ(node.changed_support_mark(d), d == 2 ? 1 : 0);  // only y was held
  }
  EXPECT_EQ(node.changed_support(2), -1.0f);
}

TEST_F(TwoSpans, ATextThatIsNoFloatIsRefused) {
  for (const char* text : {"1e99", "o.5", "0.5x", ""}) {
    SCOPED_TRACE(text);
    bool open_after_ok = false;
    EXPECT_FALSE(Edit(3, D::kFactorY, text, &open_after_ok));
    EXPECT_TRUE(open_after_ok);
    ASSERT_FALSE(BoxTexts().empty());
    EXPECT_EQ(BoxTexts().back(), "Input error|\"" + std::string(text) + "\" is not a number the files can hold.");
    EXPECT_EQ(session.state.nodes[3].support(2), 1.0f);
  }
}

}  // namespace
}  // namespace revuzavi
