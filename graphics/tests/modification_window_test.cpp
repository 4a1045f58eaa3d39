// REVUZAVI's picture view in process on small computed frames: the modes of a
// local modification, picks by clicks at the points where the view shows the
// frame, Space, the steps, Esc and the forces f+.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/green_dialogs.h"
#include "graphics/app/support_springs_dialog.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/modification_modes.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/opened_viewer.h"
#include "platform/binary_io.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/sound/sound_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/cursor.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr char kFrameHead[] =
    "MATERIAL\n1\n1 26700000.00 0.000000\nCROSSECTIONS\n1\n1 0.200 0.400 8.0000E-02 1.0667E-03\n";

// A straight beam of `spans` spans of `length` m on the x axis: node 1 held in x and y, the others in y.
std::string BeamEcho(int spans, double length) {
  std::string text = std::string("TITEL\nBeam of ") + std::to_string(spans) + " spans\n" + kFrameHead;
  char line[160];
  text += "ELEMENTS\n" + std::to_string(spans) + "\n";
  for (int e = 1; e <= spans; ++e) {
    std::snprintf(line, sizeof line, "%i %.2f 0.00 %.2f 0.00 0 0 1 1 1 1\n", e, (e - 1) * length, e * length);
    text += line;
  }
  text += "NODES\n" + std::to_string(spans + 1) + "\n";
  for (int n = 1; n <= spans + 1; ++n) {
    std::snprintf(line, sizeof line, "%i %.2f 0.00  %s  1.0000E+00  0.0000E+00\n", n, (n - 1) * length,
                  n == 1 ? "1.0000E+00" : "0.0000E+00");
    text += line;
  }
  text += "SUPPORTS\n" + std::to_string(spans + 1) + "\n";
  for (int n = 1; n <= spans + 1; ++n) {
    std::snprintf(line, sizeof line, "%i %s 1.000000 0.000000\n", n, n == 1 ? "1.000000" : "0.000000");
    text += line;
  }
  return text;
}

// q = 10 on span 1 from 0 to `length`.
std::string SpanLoadEcho(double length) {
  char line[160];
  std::snprintf(line, sizeof line,
                "1 1    0.000    0.000    %.3f    0.000    0.000    0.000   10.000   10.000 Y\n", length);
  return std::string("LC 1\n0 1 1\nTITLE\nq 10 on span 1\nLINELOADS\n1 q_span_1\n") + line;
}

// "Scales": k, the bounds 1e-7 and 1e-9, the limits 100000 and 500000.
void WriteScales(const common::Position& position, float k) { testing::WriteReanalysisScales(position, k); }

std::vector<double> Doubles(const std::string& path) {
  const std::string bytes = testing::ReadBytes(path);
  std::vector<double> v(bytes.size() / sizeof(double));
  if (!v.empty()) std::memcpy(v.data(), bytes.data(), v.size() * sizeof(double));
  return v;
}

// The picture window with the acts of a modification: clicks where the view shows the frame.
struct PickingViewer : testing::OpenedViewer {
  // A left click where the view shows the world point (x, z).
  void ClickAt(float x, float z, plat::testing::MouseButton button = plat::testing::MouseButton::kLeft) {
    plat::testing::Click(view(), view().ClientPointOf(x, z), button);
    plat::testing::PumpMessages();
  }
  // A mode key, then a click on the beam at x: the displacements shown afterwards.
  std::vector<double> KeyAndClick(int key, float x) {
    Key(key);
    ClickAt(x, 0.0f);
    return app.session().state.displacements;
  }
  // The title line of the picture.
  std::string Title() {
    std::string all;
    for (const std::string& text : Texts()) {
      if (text.rfind("Position ", 0) == 0) all += text;
    }
    return all;
  }
  std::string Status() { return frame().status_bar().GetPaneText(2); }
  // The window as the screen shows it, for a look, into the folder SUITE_KEEP_PICTURES names.
  void Snapshot(const std::string& name) {
    if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
      EXPECT_TRUE(plat::testing::WindowPixels(view()).Save(std::string(keep) + "/" + name).ok());
    }
  }
};

// A position computed once for all tests of its suite.
template <const char* kName>
class ComputedFrame : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite() { delete position_; }
  static inline common::Position* position_ = nullptr;
};

constexpr char kTwo[] = "TWO";
constexpr char kBeam22[] = "BEAM22";
template <>
void ComputedFrame<kTwo>::SetUpTestSuite() {
  position_ = new common::Position(testing::ComputedPosition("TWO", BeamEcho(2, 4.0), SpanLoadEcho(4.0)));
}
template <>
void ComputedFrame<kBeam22>::SetUpTestSuite() {
  position_ = new common::Position(testing::ComputedPosition("BEAM22", BeamEcho(22, 1.0), SpanLoadEcho(1.0)));
}
using Two = ComputedFrame<kTwo>;
constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;
using Beam22 = ComputedFrame<kBeam22>;

TEST_F(Two, OneClickScalesTheClickedElementAndSpaceSwitchesBetweenTheFrames) {
  WriteScales(*position_, 0.5f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.app.session().run.method = ReanalysisState::kIterative;
  v.Key('C');
  EXPECT_EQ(v.view().HintText(), "Click on elements!");
  v.ClickAt(6.0f, 0.0f);
  v.Key('D');
  v.Snapshot("modification_one_click.png");
  EXPECT_EQ(v.Status(), "k = 0.50   C-key has been pressed");
  EXPECT_NE(v.Title().find("1 element  error = "), std::string::npos) << v.Title();
  EXPECT_NE(v.Title().find("#1 of 1 modifications"), std::string::npos) << v.Title();
  v.Key(plat::VK_SPACE);
  const std::vector<double> modified = Doubles(position_->File("UCT81"));
  ASSERT_EQ(modified.size(), 1001u);
  const double expected[3] = {-7.814e-4, 6.248e-4, -3.080e-4};
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(modified[3 * k + 3], expected[k], 7.814e-7) << k;
  const std::vector<double> stored = v.app.session().state.displacements;
  EXPECT_NEAR(stored[3], -7.041e-4, 1e-6);  // the stored frame is shown
  const std::string uct8 = testing::ReadBytes(position_->File("UCT81"));
  const std::string elements = testing::ReadBytes(position_->File("ELEMENTS1"));
  v.Key(plat::VK_SPACE);
  EXPECT_EQ(v.app.session().state.displacements[3], modified[3]);
  EXPECT_EQ(v.app.session().run.picked_elements.count(), 1);
  v.Key(plat::VK_SPACE);
  EXPECT_EQ(testing::ReadBytes(position_->File("UCT81")), uct8);
  EXPECT_EQ(testing::ReadBytes(position_->File("ELEMENTS1")), elements);
  plat::testing::QuitCatcher quit;  // after the start, which may see an earlier test's end
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(quit.code().has_value());
  for (const char* copy : {"UCT81", "ELEMENTS1", "KNOTENRTEMP1"}) EXPECT_FALSE(plat::FileExists(position_->File(copy))) << copy;
  EXPECT_EQ(v.app.session().state.displacements, stored);
  v.Key(plat::VK_ESCAPE);
  EXPECT_EQ(quit.code(), 0);
  v.app.ExitInstance();
}

TEST_F(Beam22, TheTwentyFirstPickIsRefusedInTheOneClickAndTheSpringMode) {
  WriteScales(*position_, 0.5f);
  for (const int mode : {'C', 'J'}) {
    PickingViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    v.Key(mode);
    for (int e = 1; e <= 20; ++e) v.ClickAt(static_cast<float>(e) - 0.5f, 0.0f);
    v.ClickAt(3.5f, 0.0f);  // picked before: not twice
    ASSERT_EQ(v.app.session().run.picked_elements.count(), 20) << mode;
    const std::string picked = testing::ReadBytes(position_->FolderFile("Picked"));
    EXPECT_EQ(picked.size(), 3040u) << mode;
    plat::testing::MessageBoxScript boxes;
    v.ClickAt(20.5f, 0.0f);
    ASSERT_EQ(boxes.shown().size(), 1u) << mode;
    EXPECT_EQ(boxes.shown()[0].text, "Max 20 elements can be picked");
    EXPECT_EQ(boxes.shown()[0].caption, "Attention");
    EXPECT_EQ(v.app.session().run.picked_elements.count(), 20) << mode;
    EXPECT_FALSE(v.app.session().run.picked_elements.Contains(21)) << mode;
    EXPECT_EQ(testing::ReadBytes(position_->FolderFile("Picked")), picked) << mode;
    EXPECT_EQ(testing::ReadBytes(position_->FolderFile("ForcesFPlus")).size(), 4u + 120 * 100) << mode;
    v.Command(ids::kForcesFPlus);  // more forces than a load case holds: the picture says how many it shows
    EXPECT_NE(v.Title().find("Forces f+ (first 100 of 120) "), std::string::npos) << v.Title();
    v.app.ExitInstance();
  }
}

// The direct method solves a k below 0.01 with 0.01: the status pane and the title say so, and
// the element is drawn with the k solved with.
TEST_F(Two, DirectRuleShowsTheKItSolvesWith) {
  WriteScales(*position_, 0.001f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  ASSERT_EQ(v.app.session().run.method, ReanalysisState::kDirect);
  v.Key('C');
  EXPECT_EQ(v.Status(), "k = 0.01 (typed 0.001)   C-key has been pressed");
  v.ClickAt(6.0f, 0.0f);
  EXPECT_EQ(v.app.session().state.elements[2].stiffness_factor(), 0.01f);
  EXPECT_NE(v.Title().find("k = 0.01 (typed 0.001)"), std::string::npos) << v.Title();
  v.app.session().run.method = ReanalysisState::kIterative;
  v.Key(plat::VK_ESCAPE);
  EXPECT_EQ(v.Status(), "k = 0.00");
  v.app.ExitInstance();
}

// Span 1 removed leaves span 2 without a hold along x: the direct method says so and keeps the
// stored frame.
TEST_F(Two, DirectRemovalThatLeavesAMechanismIsRefused) {
  WriteScales(*position_, 0.0f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  const std::vector<double> stored = v.app.session().state.displacements;
  v.Key('C');
  plat::testing::MessageBoxScript boxes;
  v.ClickAt(2.0f, 0.0f);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "No convergence, K + Delta K probably singular");
  EXPECT_EQ(boxes.shown()[0].caption, "Error");
  EXPECT_EQ(v.app.session().state.displacements, stored);
  EXPECT_TRUE(v.app.session().run.picked_elements.empty());
  EXPECT_EQ(v.app.session().state.elements[1].switched_off_flag(), 0);
  EXPECT_FALSE(plat::FileExists(position_->File("UCT81")));
  v.app.ExitInstance();
}

TEST_F(Two, SpringModeSoftensAClickedSupportAndComputesTheNodes) {
  WriteScales(*position_, 0.5f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  const double stored = v.app.session().state.displacements[8];
  EXPECT_NEAR(stored, -1.16530e-6, 1e-5 * 1.16530e-6);
  v.Key('J');
  EXPECT_EQ(v.view().HintText(), "Click on elements or supports!");
  EXPECT_EQ(v.Status(), "k = 0.50   C-key has been pressed");
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, CDiaLagerR::kFactorY, "0.25");
    plat::testing::Press(d, CDiaLagerR::kOk);
  });
  v.ClickAt(8.0f, 0.0f);
  ASSERT_EQ(v.dialogs.shown().size(), 1u);
  const std::string copy = testing::ReadBytes(position_->File("KNOTENRTEMP1"));
  ASSERT_EQ(copy.size(), 616u);
  EXPECT_EQ(copy[417], '\x01');
  float support = 0.0f, change = 0.0f;
  std::memcpy(&support, copy.data() + 436, 4);
  std::memcpy(&change, copy.data() + 448, 4);
  EXPECT_EQ(support, 0.25f);
  EXPECT_EQ(change, -0.75f);
  const std::vector<double> modified = Doubles(position_->File("UCT81"));
  ASSERT_EQ(modified.size(), 1001u);
  EXPECT_NEAR(modified[8], -4.65685e-6, 1e-5 * 4.65685e-6);
  EXPECT_NE(v.view().HintText().find("Node 3"), std::string::npos) << v.view().HintText();
  EXPECT_TRUE(v.app.session().run.picked_nodes.Contains(3));
  v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::Press(d, plat::IDCANCEL); });
  v.ClickAt(4.0f, 0.0f);  // cancelled: nothing changes
  EXPECT_FALSE(v.app.session().run.picked_nodes.Contains(2));
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(plat::FileExists(position_->File("KNOTENRTEMP1")));
  EXPECT_EQ(v.app.session().state.nodes[3].support(2), 1.0f);
  v.app.ExitInstance();
}

// The names of the folder's files that start with one of the prefixes.
std::vector<std::string> FilesStartingWith(const common::Position& position, const std::vector<std::string>& prefixes) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(position.FolderFile(""))) {
    const std::string name = entry.path().filename().string();
    for (const std::string& prefix : prefixes) {
      if (name.rfind(prefix, 0) == 0) found.push_back(name);
    }
  }
  return found;
}

TEST_F(Two, StepsGoBackAndForthAndEscResetsBeforeItEnds) {
  WriteScales(*position_, 0.5f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::MessageBoxScript boxes;
  v.Command(ids::kForcesFPlus);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "No modifications in this load case up to now");
  EXPECT_EQ(boxes.shown()[0].caption, "OK");
  const ViewerSession& session = v.app.session();
  const std::vector<double> stored = session.state.displacements;
  v.Key('C');
  v.ClickAt(2.0f, 0.0f);
  EXPECT_EQ(testing::ReadBytes(position_->FolderFile("ForcesFPlus")).size(), 604u);
  const std::vector<double> one = session.state.displacements;
  const std::vector<double> two = v.KeyAndClick('C', 6.0f);
  ASSERT_EQ(session.run.step_count, 2);
  ASSERT_NE(one, two);
  struct Step {
    int key;
    int step;
    const std::vector<double>* u;
    int picked;
  } steps[] = {{plat::VK_LEFT, 1, &one, 1},  {plat::VK_LEFT, 0, &stored, 0}, {plat::VK_LEFT, 0, &stored, 0},
               {plat::VK_RIGHT, 1, &one, 1}, {plat::VK_RIGHT, 2, &two, 2},   {plat::VK_RIGHT, 2, &two, 2}};
  for (const Step& s : steps) {
    v.Key(s.key);
    EXPECT_EQ(session.run.current_step, s.step);
    EXPECT_EQ(session.state.displacements, *s.u) << s.step;
    EXPECT_EQ(session.run.picked_elements.count(), s.picked) << s.step;
    EXPECT_EQ(session.view.picked_elements.size(), static_cast<std::size_t>(s.picked)) << s.step;
  }
  v.Command(ids::kForcesFPlus);
  EXPECT_EQ(boxes.shown().size(), 1u);
  EXPECT_NE(v.Title().find("Forces f+ "), std::string::npos) << v.Title();
  int moments = 0;  // the end moments of elements 1 and 2 are drawn with the forces
  for (const std::string& text : v.Texts()) moments += text.rfind("M3  ", 0) == 0 || text.rfind("M6  ", 0) == 0;
  EXPECT_EQ(moments, 2);
  v.Snapshot("modification_forces_fplus.png");
  const std::vector<std::string> copies = {"UCT8", "KNOTENRTEMP", "ELEMENTS1", "ELEMENTS2", "LKNOTENRTEMP", "SRC_TEMP",
                                           "ForcesFPlus"};
  EXPECT_FALSE(FilesStartingWith(*position_, copies).empty());
  plat::testing::QuitCatcher quit;  // after the start, which may see an earlier test's end
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(quit.code().has_value());
  EXPECT_EQ(FilesStartingWith(*position_, copies), std::vector<std::string>{});
  EXPECT_EQ(session.state.displacements, stored);
  EXPECT_FALSE(v.view().modes().PickCursor());
  v.Key(plat::VK_ESCAPE);
  EXPECT_EQ(quit.code(), 0);
  v.app.ExitInstance();
}

// Space twice at the second step leaves the first step as it was made: Left shows it again.
TEST_F(Two, SpaceAtALaterStepKeepsTheEarlierSteps) {
  WriteScales(*position_, 0.5f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.app.session().run.method = ReanalysisState::kIterative;
  const ViewerSession& session = v.app.session();
  const std::vector<double> one = v.KeyAndClick('C', 2.0f);
  std::string title_one = v.Title();
  const std::size_t of = title_one.find("#1 of 1 ");
  ASSERT_NE(of, std::string::npos) << title_one;
  title_one.replace(of, 8, "#1 of 2 ");  // the same run, one of two steps now
  const std::vector<double> two = v.KeyAndClick('C', 6.0f);
  const std::string title_two = v.Title();
  v.Key(plat::VK_SPACE);
  EXPECT_EQ(v.Title().find("Iterations"), std::string::npos) << v.Title();  // the stored frame is shown
  v.Key(plat::VK_SPACE);
  EXPECT_EQ(session.state.displacements, two);
  EXPECT_EQ(v.Title(), title_two);
  v.Key(plat::VK_LEFT);
  EXPECT_EQ(session.run.current_step, 1);
  EXPECT_EQ(session.state.displacements, one);
  EXPECT_EQ(session.run.picked_elements.count(), 1);
  EXPECT_EQ(session.state.elements[2].modified_flag(), 0);
  EXPECT_EQ(v.Title(), title_one);  // its own iterations and error
  v.Key(plat::VK_RIGHT);
  EXPECT_EQ(session.state.displacements, two);
  EXPECT_EQ(session.run.picked_elements.count(), 2);
  EXPECT_EQ(v.Title(), title_two);
  v.Key(plat::VK_ESCAPE);
  v.app.ExitInstance();
}

// A pick at an earlier step begins a new branch there: the later steps are dropped with their copies.
TEST_F(Two, APickAtAnEarlierStepDropsTheLaterSteps) {
  WriteScales(*position_, 0.5f);
  struct Case {
    int lefts;      // steps back from the second step before the pick
    int step;       // the step that holds the pick
    int picked;     // its picks
  } cases[] = {{1, 1, 2}, {2, 1, 1}};
  for (const Case& c : cases) {
    PickingViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    const ViewerSession& session = v.app.session();
    v.KeyAndClick('C', 2.0f);
    v.KeyAndClick('C', 6.0f);
    for (int k = 0; k < c.lefts; ++k) v.Key(plat::VK_LEFT);
    v.ClickAt(6.0f, 0.0f);  // the one-click mode is still on
    const std::vector<double> branch = session.state.displacements;
    EXPECT_EQ(session.run.current_step, c.step) << c.lefts;
    EXPECT_EQ(session.run.step_count, c.step) << c.lefts;
    EXPECT_EQ(session.run.picked_elements.count(), c.picked) << c.lefts;
    EXPECT_FALSE(plat::FileExists(position_->File("UCT82"))) << c.lefts;
    v.Key(plat::VK_RIGHT);  // nothing beyond the branch
    EXPECT_EQ(session.run.current_step, c.step) << c.lefts;
    EXPECT_EQ(session.state.displacements, branch) << c.lefts;
    v.Key(plat::VK_LEFT);
    v.Key(plat::VK_RIGHT);
    EXPECT_EQ(session.state.displacements, branch) << c.lefts;
    EXPECT_EQ(session.run.picked_elements.count(), c.picked) << c.lefts;
    EXPECT_EQ(session.view.picked_elements.back(), 2) << c.lefts;
    v.Key(plat::VK_ESCAPE);
    v.app.ExitInstance();
  }
}

TEST_F(Two, CtrlClickSetsTheGreenPointAndARubberBandEnlargesASection) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  // 1.04 m into element 2: sample 13 of its fiftieths (1 m lies half-way between 12 and 13, where
  // the pixel a point falls on decides).
  plat::testing::Click(v.view(), v.view().ClientPointOf(5.04f, 0.0f), plat::testing::MouseButton::kLeft,
                       plat::testing::kCtrl);
  const GreenPoint& green = v.app.session().view.green;
  EXPECT_EQ(green.element, 2);
  EXPECT_EQ(green.sample, 13);
  EXPECT_FLOAT_EQ(green.position, 1.04f);
  EXPECT_FALSE(v.view().modes().under_way);

  const plat::Point whole = v.view().ClientPointOf(2.0f, 0.0f);
  const plat::Point from = v.view().ClientPointOf(1.0f, 1.0f), to = v.view().ClientPointOf(3.0f, -1.0f);
  plat::testing::MouseDown(v.view(), from);
  plat::testing::MouseMove(v.view(), {(from.x + to.x) / 2, (from.y + to.y) / 2}, plat::MK_LBUTTON);
  plat::testing::MouseMove(v.view(), to, plat::MK_LBUTTON);
  plat::testing::MouseUp(v.view(), to);
  plat::testing::PumpMessages();
  const PictureRequest& r = v.app.session().request;
  ASSERT_EQ(r.plot_box_mode, 1);
  EXPECT_NEAR(r.plot_box[0].x, 1.0f, 0.05f);
  EXPECT_NEAR(r.plot_box[2].x, 3.0f, 0.05f);
  const plat::Point enlarged = v.view().ClientPointOf(2.0f, 0.0f);
  EXPECT_GT(std::abs(enlarged.x - whole.x) + std::abs(enlarged.y - whole.y), 10);
  v.Snapshot("modification_enlarged.png");
  plat::testing::QuitCatcher quit;
  v.Key(plat::VK_ESCAPE);
  EXPECT_EQ(r.plot_box_mode, 0);
  EXPECT_FALSE(quit.code().has_value());
  v.app.ExitInstance();
}

// Where the label's text is drawn; none when it is not.
std::vector<plat::Point> TextPlaces(PickingViewer& v, const std::string& text) {
  plat::RecordingDc dc;
  v.view().DrawOn(dc);
  std::vector<plat::Point> places;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.text == text) places.push_back(op.origin);
  }
  return places;
}

TEST_F(Beam2, PlasticHingeKeepsTheLoadCasePointLoadsThroughSpace) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 2));
  const std::string own = testing::ReadBytes(position_->File("SRC_L02"));
  ASSERT_EQ(own.size(), 500u);
  const std::vector<plat::Point> label = TextPlaces(v, "M5  15.00 kNm");
  ASSERT_EQ(label.size(), 1u);
  v.Key('F');
  EXPECT_EQ(v.Status(), "k = 0.00   F-key has been pressed");
  v.ClickAt(3.0f, 0.0f);
  const ReanalysisState& run = v.app.session().run;
  ASSERT_EQ(run.releases.moments, 1);
  v.Key('M');
  v.Snapshot("modification_hinge.png");
  EXPECT_FALSE(v.view().modes().hinge);
  for (int space = 1; space <= 4; ++space) {
    v.Key(plat::VK_SPACE);
    const std::string aux = testing::ReadBytes(position_->File("SRCAUX02"));
    ASSERT_EQ(aux.size(), 600u) << space;
    EXPECT_EQ(aux.substr(0, 500), own) << space;
    EXPECT_EQ(v.app.session().state.point_loads.count(), space % 2 == 1 ? 5 : 6) << space;
    EXPECT_EQ(TextPlaces(v, "M5  15.00 kNm"), label) << space;
  }
  v.app.ExitInstance();
}

// A cut needs two redundants (BEAM2 has one): the beam of 22 spans.
TEST_F(Beam22, ASecondCutIsRefused) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('H');
  v.ClickAt(2.5f, 0.0f);
  ASSERT_EQ(v.app.session().run.releases.cuts, 1);
  plat::testing::MessageBoxScript boxes;
  v.Key('H');
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Max = 1");
  EXPECT_EQ(boxes.shown()[0].text,
            "Currently only one frame element can be split in two. Reset with ESC-key and pick a new element!");
  EXPECT_FALSE(v.view().modes().cut);
  v.Key(plat::VK_ESCAPE);
  EXPECT_EQ(v.app.session().run.releases.cuts, 0);
  EXPECT_EQ(v.app.session().state.point_loads.count(), 0);
  v.app.ExitInstance();
}

TEST_F(Beam2, ReleaseKeysRefuseSettlements) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 3));
  ASSERT_EQ(v.app.session().state.current_load_case, 3);
  struct Case {
    int key;
    const char* text;
  } cases[] = {{'C', "For settlements currently not implemented."},
               {'J', "For settlements currently not implemented."},
               {'F', "For settlements currently not implented."},
               {'H', "For settlements currently not implented."}};
  for (const Case& c : cases) {
    plat::testing::MessageBoxScript refused;
    v.Key(c.key);
    ASSERT_EQ(refused.shown().size(), 1u) << c.key;
    EXPECT_EQ(refused.shown()[0].text, c.text);
    EXPECT_FALSE(v.view().modes().PickCursor()) << c.key;
  }
  v.app.ExitInstance();
}

// The device box of the label's text; empty when it is not drawn.
plat::Rect TextBounds(PickingViewer& v, const std::string& text) {
  plat::RecordingDc dc;
  v.view().DrawOn(dc);
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.text == text) return op.bounds;
  }
  return plat::Rect{};
}

TEST_F(Beam2, ADraggedLoadLabelKeepsItsPlaceAcrossLoadCases) {
  const std::string texts = position_->FolderFile("TEXTPUNKT02");
  plat::RemoveFile(texts);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 2));
  const plat::Rect before = TextBounds(v, "F1  20.00 kN");
  ASSERT_GT(before.Width(), 0);
  const plat::Point grab{(before.left + before.right) / 2, (before.top + before.bottom) / 2};
  const plat::Point drop{grab.x + 40, grab.y};
  plat::testing::SoundRecorder sounds;
  plat::testing::MouseDown(v.view(), grab);
  plat::testing::MouseMove(v.view(), {grab.x + 20, grab.y}, plat::MK_LBUTTON);
  plat::testing::MouseMove(v.view(), drop, plat::MK_LBUTTON);
  plat::testing::MouseUp(v.view(), drop);
  plat::testing::PumpMessages();
  ASSERT_EQ(sounds.calls().size(), 1u);
  EXPECT_EQ(sounds.calls()[0].file.substr(sounds.calls()[0].file.size() - 5), "U.WAV");
  const plat::Rect after = TextBounds(v, "F1  20.00 kN");
  EXPECT_NEAR(after.left, before.left + 40, 1);
  EXPECT_EQ(after.top, before.top);
  const LabelPosition placed = v.app.session().picture.labels.point_loads.At(1);
  const float per_pixel = 1.0f / static_cast<float>(v.view().ClientPointOf(1.0f, 0.0f).x - v.view().ClientPointOf(0.0f, 0.0f).x);
  v.Command(ids::kNextLoadCase);
  const std::string bytes = testing::ReadBytes(texts);
  ASSERT_GE(bytes.size(), 12u);
  LabelPosition stored;
  std::memcpy(&stored, bytes.data(), 12);
  EXPECT_EQ(stored.placed, 1);
  EXPECT_EQ(stored.x, placed.x);
  EXPECT_EQ(stored.z, placed.z);
  EXPECT_NEAR(stored.x - 3.0f, 40 * per_pixel, 2 * per_pixel);  // the force acts at x = 3
  v.Command(ids::kPreviousLoadCase);
  const plat::Rect back = TextBounds(v, "F1  20.00 kN");
  EXPECT_EQ(back.left, after.left);
  EXPECT_EQ(back.top, after.top);
  // An enlarged section and back to the whole frame keep the place too.
  plat::testing::MouseDown(v.view(), {5, 5});
  plat::testing::MouseMove(v.view(), {60, 40}, plat::MK_LBUTTON);
  plat::testing::MouseUp(v.view(), {60, 40});
  plat::testing::PumpMessages();
  ASSERT_EQ(v.app.session().request.plot_box_mode, 1);
  EXPECT_EQ(v.app.session().picture.labels.point_loads.At(1).x, placed.x);
  v.Key(plat::VK_ESCAPE);
  ASSERT_EQ(v.app.session().request.plot_box_mode, 0);
  EXPECT_EQ(TextBounds(v, "F1  20.00 kN").left, after.left);
  v.app.ExitInstance();
  plat::RemoveFile(texts);
}

// Two releases need a frame with room for them: BEAM2 becomes a mechanism with the second.
TEST_F(Beam22, LeftAndRightStepThroughTheReleases) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  const ViewerSession& session = v.app.session();
  const std::vector<double> stored = session.state.displacements;
  const std::vector<double> one = v.KeyAndClick('F', 2.5f);
  const std::vector<double> two = v.KeyAndClick('G', 5.5f);
  ASSERT_EQ(session.run.releases.count(), 2);
  ASSERT_NE(one, two);
  struct Step {
    int key;
    const std::vector<double>* u;
    int releases, point_loads;
  } steps[] = {{plat::VK_LEFT, &one, 1, 1},  {plat::VK_LEFT, &stored, 0, 0}, {plat::VK_LEFT, &stored, 0, 0},
               {plat::VK_RIGHT, &one, 1, 1}, {plat::VK_RIGHT, &two, 2, 2},   {plat::VK_RIGHT, &two, 2, 2}};
  for (const Step& s : steps) {
    v.Key(s.key);
    EXPECT_EQ(session.state.displacements, *s.u) << s.releases;
    EXPECT_EQ(session.run.releases.count(), s.releases);
    EXPECT_EQ(session.state.point_loads.count(), s.point_loads);
    EXPECT_EQ(session.state.load_case_params.point_load_count(), s.point_loads);
  }
  EXPECT_TRUE(plat::FileExists(position_->File("SRC_TEMP2")));
  plat::testing::QuitCatcher quit;
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(quit.code().has_value());
  EXPECT_EQ(FilesStartingWith(*position_, {"UCT8", "SRC_TEMP"}), std::vector<std::string>{});
  EXPECT_EQ(session.state.point_loads.count(), 0);
  EXPECT_EQ(session.state.displacements, stored);
  v.app.ExitInstance();
}

// Space twice at the second release step leaves the first one as it was made.
TEST_F(Beam22, SpaceAtALaterReleaseStepKeepsTheEarlierOne) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  const ViewerSession& session = v.app.session();
  const std::vector<double> one = v.KeyAndClick('F', 2.5f);
  const std::vector<double> two = v.KeyAndClick('G', 5.5f);
  v.Key(plat::VK_SPACE);
  v.Key(plat::VK_SPACE);
  EXPECT_EQ(session.state.displacements, two);
  v.Key(plat::VK_LEFT);
  EXPECT_EQ(session.state.displacements, one);
  EXPECT_EQ(session.run.releases.count(), 1);
  EXPECT_EQ(session.state.point_loads.count(), 1);
  v.Key(plat::VK_ESCAPE);
  v.app.ExitInstance();
}

// BEAM2 has one redundant: a second release leaves a mechanism, which is refused, the first kept.
TEST_F(Beam2, ASecondReleaseThatLeavesAMechanismIsRefused) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 2));
  const ViewerSession& session = v.app.session();
  v.Key('F');
  v.ClickAt(3.0f, 0.0f);
  ASSERT_EQ(session.run.releases.count(), 1);
  const std::vector<double> one = session.state.displacements;
  plat::testing::MessageBoxScript boxes;
  v.Key('G');
  v.ClickAt(9.0f, 0.0f);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "The system of the releases is singular.");
  EXPECT_EQ(boxes.shown()[0].caption, "Error");
  EXPECT_EQ(session.run.releases.count(), 1);
  EXPECT_EQ(session.state.point_loads.count(), 6);
  EXPECT_EQ(session.state.displacements, one);
  v.Key(plat::VK_ESCAPE);
  v.app.ExitInstance();
}

TEST_F(Beam22, ClosingTheViewLeavesNoCopiesOfTheReleaseSteps) {
  {
    PickingViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    v.Key('F');
    v.ClickAt(2.5f, 0.0f);
    v.Key('G');
    v.ClickAt(5.5f, 0.0f);
    ASSERT_EQ(v.app.session().run.releases.count(), 2);
    v.Key(plat::VK_SPACE);
    ASSERT_EQ(FilesStartingWith(*position_, {"UCT82", "SRC_TEMP2", "SRCAUX01"}).size(), 3u)
        << ::testing::PrintToString(FilesStartingWith(*position_, {"UCT8", "SRC", "ELEM"}));
    v.app.ExitInstance();
  }
  EXPECT_EQ(FilesStartingWith(*position_, {"UCT8", "SRC_TEMP", "ELEMENTS1", "KNOTENRTEMP"}), std::vector<std::string>{});
}

TEST_F(Beam2, ClicksChooseTheElementOfItsGreenFunctionAndThePointAnywhere) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, CDiaGreenElement::kElementEdit, "1");
    plat::testing::Press(d, plat::IDOK);
  });
  v.Command(ids::kElementGreen);
  ASSERT_TRUE(v.app.session().request.green_family_2);
  const int kind = v.app.session().view.green.kind;
  v.ClickAt(9.0f, 0.0f);
  EXPECT_EQ(v.app.session().view.green.element, 2);
  EXPECT_EQ(v.app.session().view.green.kind, kind);
  v.ClickAt(3.0f, -1.5f);  // beside the frame: the previous function kind
  EXPECT_EQ(v.app.session().view.green.kind, kind == 1 ? 6 : kind - 1);

  v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::SetChecked(d, CDiaGreenAny::kFunctionIds[5], true); });
  v.Command(ids::kGreenAnywhere);
  ASSERT_TRUE(v.app.session().request.green_family_1);
  v.ClickAt(9.0f, 0.0f);  // in its picture a plain click takes the point
  EXPECT_EQ(v.app.session().view.green.element, 2);
  EXPECT_EQ(v.app.session().view.green.sample, 25);
  EXPECT_FALSE(v.view().modes().under_way);
  v.app.ExitInstance();
}

TEST_F(Beam2, EndOfSelectionResetsAPendingHingeAndShowsTheNodalForces) {
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 2));
  v.Key('G');
  v.ClickAt(9.0f, 0.0f);
  ASSERT_EQ(v.app.session().run.releases.shears, 1);
  ASSERT_EQ(v.app.session().state.point_loads.count(), 6);
  v.Command(ids::kEndSelection);
  EXPECT_EQ(v.app.session().run.releases.count(), 0);
  EXPECT_EQ(v.app.session().state.point_loads.count(), 5);
  EXPECT_FALSE(v.view().modes().PickCursor());
  v.Key('F');
  v.Command(ids::kEquivalentNodalForces);
  EXPECT_FALSE(v.view().modes().hinge);
  EXPECT_TRUE(v.app.session().request.nodal_loads);
  const std::vector<double>& f = v.app.session().state.right_hand_side;
  EXPECT_NE(std::count_if(f.begin(), f.end(), [](double x) { return x != 0.0; }), 0);
  v.Command(ids::kEquivalentNodalForces);
  EXPECT_FALSE(v.app.session().request.nodal_loads);
  v.app.ExitInstance();
}

TEST_F(Two, TheRightButtonRunsThePicksAgain) {
  WriteScales(*position_, 0.5f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('C');
  v.ClickAt(6.0f, 0.0f);  // the direct run: no iteration line
  ASSERT_EQ(v.app.session().run.picked_elements.count(), 1);
  EXPECT_EQ(plat::Window::GetCapture(), nullptr);
  EXPECT_EQ(v.Title().find("Iterations"), std::string::npos) << v.Title();
  const std::vector<double> direct = v.app.session().state.displacements;
  v.app.session().run.method = ReanalysisState::kIterative;
  plat::testing::MessageBoxScript boxes;
  v.ClickAt(2.0f, -1.0f, plat::testing::MouseButton::kRight);
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_GT(v.app.session().run.iteration_count, 0);
  EXPECT_TRUE(v.view().modes().under_way);
  EXPECT_NE(v.Title().find("Iterations  1 element  error = "), std::string::npos) << v.Title();
  EXPECT_NEAR(v.app.session().state.displacements[6], direct[6], 1e-3 * std::abs(direct[6]));
  EXPECT_EQ(v.app.session().run.step_count, 1);
  v.app.ExitInstance();
}

TEST_F(Two, APickThatCannotBeComputedIsTakenBack) {
  const std::string inverse = position_->File("INVERSE");
  ASSERT_TRUE(plat::RenameFile(inverse, inverse + ".away"));
  {
    PickingViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    const std::vector<double> stored = v.app.session().state.displacements;
    v.Key('C');
    plat::testing::MessageBoxScript boxes;
    v.ClickAt(6.0f, 0.0f);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("The inverse stiffness matrix is missing."), std::string::npos);
    EXPECT_TRUE(v.app.session().run.picked_elements.empty());
    EXPECT_EQ(v.app.session().state.elements[2].modified_flag(), 0);
    EXPECT_EQ(v.app.session().state.elements[2].stiffness_factor(), -1.0f);
    EXPECT_FALSE(v.view().modes().under_way);
    EXPECT_EQ(v.app.session().state.displacements, stored);
    v.app.ExitInstance();
  }
  ASSERT_TRUE(plat::RenameFile(inverse + ".away", inverse));
}

TEST_F(Two, ThePickCursorShowsWhileAModeIsOn) {
  WriteScales(*position_, 0.25f);
  PickingViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  const plat::Point inside = v.view().ClientPointOf(2.0f, 2.0f);
  for (const int key : {'C', 'F', 'G', 'H', 'J', 'P'}) {
    v.Key(key);
    plat::testing::MouseMove(v.view(), inside);
    EXPECT_EQ(plat::CursorId(plat::GetCursor()), CGRAPHView::kPickCursor) << key;
    v.Key(plat::VK_ESCAPE);
    plat::testing::MouseMove(v.view(), inside);
    EXPECT_NE(plat::CursorId(plat::GetCursor()), CGRAPHView::kPickCursor) << key;
  }
  EXPECT_EQ(v.Status(), "k = 0.25   P-key has been pressed");
  v.app.ExitInstance();
}

TEST(IterationLines, OneLinePerCountOfPicks) {
  struct Case {
    std::vector<int> elements, nodes;
    bool one_click;
    const char* line;
  } cases[] = {
      {{2}, {}, true, "  7 Iterations  1 element  error = 1.500E-08  #2 of 3 modifications"},
      {{2, 4}, {}, true, "  7 Iterations  2 element(s)  error = 1.500E-08  #2 of 3 modifications"},
      {{2}, {3}, true, "  7 Iterations  1 element(s)  1 node(s) error = 1.500E-08  #2 of 3 Modifications"},
      {{}, {3}, true, "  7 Iterations  1 node  error = 1.500E-08  #2 of 3 modifications"},
      {{2}, {}, false, "  7 Iterations  1 element  error = 1.500E-08 "},
      {{2, 4}, {}, false, "  7 Iterations  2 element(s)  error = 1.500E-08  "},
      {{2}, {3}, false, "  7 Iterations  1 element(s)  1 node error = 1.500E-08"},
      {{}, {3, 1}, false, "  7 Iterations  2 node(s)  error = 1.500E-08 "},
  };
  for (const Case& c : cases) {
    ReanalysisState run;
    for (int e : c.elements) run.picked_elements.Add(e);
    for (int n : c.nodes) run.picked_nodes.Add(n);
    run.iteration_count = 7;
    run.last_error = 1.5e-8;
    run.current_step = 2;
    run.step_count = 3;
    EXPECT_EQ(IterationLine(run, c.one_click), c.line);
    run.iteration_count = 0;  // a direct run has no line
    EXPECT_EQ(IterationLine(run, c.one_click), "");
  }
}

// An iteration stopped at its limit, and a run that solved an element with the direct method's k.
TEST(IterationLines, NotConvergedAndTheKSolvedWith) {
  ReanalysisState run;
  run.picked_elements.Add(2);
  run.iteration_count = 100;
  run.last_error = 2.5e-5;
  run.converged = false;
  EXPECT_EQ(IterationLine(run, false), "  100 Iterations  1 element  error = 2.500E-05   not converged");
  run.last_error = std::numeric_limits<double>::infinity();  // the changes did not shrink
  EXPECT_EQ(IterationLine(run, false), "  100 Iterations  1 element  error = (no bound)   not converged");
  run.converged = true;
  run.iteration_count = 0;
  run.rule_typed_k = 0.001f;
  EXPECT_EQ(IterationLine(run, false), "  k = 0.01 (typed 0.001)");
  run.rule_typed_k = 0.0f;
  EXPECT_EQ(IterationLine(run, true), "  k = 0.01 (typed 0)");
}

TEST(ModeStatusTexts, TheKOfTheDirectRule) {
  ModificationModes one_click;
  one_click.one_click = true;
  ModificationModes hinge;
  hinge.hinge = true;
  struct Case {
    const ModificationModes& modes;
    float k;
    bool direct;
    const char* text;
  };
  const ModificationModes none;
  for (const Case& c : {Case{one_click, 0.001f, true, "k = 0.01 (typed 0.001)   C-key has been pressed"},
                        Case{one_click, 0.001f, false, "k = 0.00   C-key has been pressed"},
                        Case{one_click, 0.5f, true, "k = 0.50   C-key has been pressed"},
                        Case{none, 0.0f, true, "k = 0.01 (typed 0)"},
                        Case{hinge, 0.0f, true, "k = 0.00   F-key has been pressed"}}) {
    EXPECT_EQ(ModeStatusText(c.modes, false, false, c.k, c.direct), c.text);
  }
}

TEST(ReleasePlaces, AQuarterOfTheLengthAtEitherEnd) {
  struct Case {
    float x, z;
    int place;
  } cases[] = {{0.5f, 0.0f, 0}, {1.5f, 0.0f, 0}, {1.6f, 0.0f, 2}, {3.0f, 0.0f, 2}, {4.4f, 0.0f, 2}, {4.5f, 0.0f, 1},
               {5.9f, 0.0f, 1}, {6.0f, 1.0f, 1}};
  for (const Case& c : cases) EXPECT_EQ(ReleasePlace(0.0f, 0.0f, 6.0f, 0.0f, c.x, c.z), c.place) << c.x;
  EXPECT_EQ(StationAlong(0.0f, 0.0f, 6.0f, 0.0f, 3.0f, 0.0f), 25);
  EXPECT_EQ(StationAlong(0.0f, 0.0f, 6.0f, 0.0f, 6.0f, 0.0f), 50);
  EXPECT_EQ(StationAlong(2.0f, 2.0f, 2.0f, 2.0f, 3.0f, 0.0f), 0);  // no length
}

}  // namespace
}  // namespace revuzavi
