// REVUZAVI's picture window on BEAM2: the scales and line-width dialogs, the
// display toggles kept in MMGRAFIKR1, the wheel's targets and what the
// toggles change in the drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "common/settings.h"
#include "graphics/app/font_dialog.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/line_width_dialog.h"
#include "graphics/app/picture_menu.h"
#include "graphics/app/picture_wheel.h"
#include "graphics/app/wheel_scales_dialog.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/loads/distributed_loads.h"
#include "graphics/loads/recomputed_reactions.h"
#include "graphics/loads/support_reactions.h"
#include "graphics/settings/graphics_settings_file.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/message_boxes.h"
#include "graphics/tests/opened_viewer.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/unusable_settings.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;
using testing::OpenedViewer;

std::string ScalesFile(const common::Position& position) {
  return position.File(std::string(kRememberedScalesFile) + "1");
}

// Field k (1..12) of MEMSCALEGLF1 of load case 1; NaN when it is missing.

float StoredScale(const common::Position& position, int k) {
  RememberedScales scales;
  if (!plat::ReadBlock(ScalesFile(position), scales.bytes().data(), RememberedScales::kSize)) return NAN;
  return scales.field(k);
}

void SeedScales(const common::Position& position, float moment) {
  RememberedScales seeded;
  for (int k = 1; k <= 12; ++k) seeded.set_field(k, 0.1f);
  seeded.set_field(1, moment);
  seeded.set_field(5, 0.5f);
  ASSERT_TRUE(plat::WriteBlock(ScalesFile(position), seeded.bytes().data(), RememberedScales::kSize));
}

int Count(const std::vector<std::string>& texts, const std::string& text) {
  return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

// The text operations of the picture that write `text`.
std::vector<plat::DeviceOp> TextOps(OpenedViewer& v, const std::string& text) {
  plat::RecordingDc dc;
  v.view().DrawOn(dc);
  std::vector<plat::DeviceOp> found;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText && op.text == text) found.push_back(op);
  }
  return found;
}

// The window as the screen shows it, for a look, in the folder SUITE_KEEP_PICTURES names.
void KeepWindow(plat::Window& window, const char* name) {
  if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
    EXPECT_TRUE(plat::testing::WindowPixels(window).Save(std::string(keep) + "/" + name).ok());
  }
}

void KeepPicture(OpenedViewer& v, const char* name) { KeepWindow(v.view(), name); }

TEST_F(Beam2, ScalesDialogShowsTheScalesAndKeepsWhatIsTyped) {
  SeedScales(*position_, 0.025f);  // the moments drawn well inside the window
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  plat::testing::MessageBoxScript boxes;
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    KeepWindow(d, "scales_dialog.png");
    EXPECT_EQ(d.Caption(), "Scales");
    EXPECT_EQ(d.GetDlgItemText(CDiaSkalenGrafik::kMoments), "2.5000E-02");
    EXPECT_EQ(d.GetDlgItemText(CDiaSkalenGrafik::kGeneral), "1.0000E-01");
    d.SetDlgItemText(CDiaSkalenGrafik::kMoments, "0,03");
    d.SetDlgItemText(CDiaSkalenGrafik::kReactions, "-1");
    d.SendMessage(plat::WM_COMMAND, CDiaSkalenGrafik::kOk);
    EXPECT_FALSE(d.Ended());  // a scale below 0 is refused
    d.SetDlgItemText(CDiaSkalenGrafik::kReactions, "0.3");
    d.SendMessage(plat::WM_COMMAND, CDiaSkalenGrafik::kOk);
    EXPECT_TRUE(d.Ended());
  });
  v.Command(ids::kScales);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Please enter a number above 0.");
  EXPECT_FLOAT_EQ(v.app.session().request.scales.moment, 0.03f);
  EXPECT_FLOAT_EQ(StoredScale(*position_, 1), 0.03f);
  EXPECT_FLOAT_EQ(StoredScale(*position_, 6), 0.3f);
  EXPECT_FLOAT_EQ(StoredScale(*position_, 9), 0.1f);

  // Every scale 0.1; the moments shown, which would run off the window at 0.1, are drawn fitted
  // and their scale remembered.
  const auto reset = [&](const char* how) {
    v.Texts();
    const float shown = v.app.session().request.scales.moment;
    EXPECT_LT(shown, 0.1f) << how;
    EXPECT_FLOAT_EQ(StoredScale(*position_, 1), shown) << how;
    for (int k : {2, 3, 4, 6, 7, 9}) EXPECT_FLOAT_EQ(StoredScale(*position_, k), 0.1f) << how << " " << k;
  };
  v.dialogs.OnNextDialog([](plat::Dialog& d) { d.SendMessage(plat::WM_COMMAND, CDiaSkalenGrafik::kReset); });
  v.Command(ids::kScales);
  reset("the dialog's Reset");
  EXPECT_FLOAT_EQ(StoredScale(*position_, 5), 0.5f);  // the factors are no diagram scales

  v.Command(ids::kResetScales);
  reset("Reset scales");
  EXPECT_FLOAT_EQ(StoredScale(*position_, 5), 0.1f);
  v.app.ExitInstance();
}

TEST_F(Beam2, LineWidthDialogTakesOneToTenAndStoresIt) {
  const std::string widths = common::JoinSettingsPath(common::SettingsContext::Discover(), kLineWidthsFile);
  plat::RemoveFile(widths);
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::MessageBoxScript boxes;
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    KeepWindow(d, "line_width_dialog.png");
    EXPECT_EQ(d.GetDlgItemText(CDiaLines::kWidth), "1");
    d.SetDlgItemText(CDiaLines::kWidth, "11");
    d.SendMessage(plat::WM_COMMAND, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    d.SetDlgItemText(CDiaLines::kWidth, "7");
    d.SendMessage(plat::WM_COMMAND, plat::IDOK);
  });
  v.Command(ids::kLineWidth);
  EXPECT_EQ(boxes.shown().size(), 1u);
  std::int32_t stored[2] = {};
  EXPECT_TRUE(plat::ReadBlock(widths, stored, sizeof stored));
  EXPECT_EQ(stored[0], 7);
  EXPECT_EQ(stored[1], 1);
  v.app.ExitInstance();
  plat::RemoveFile(widths);
}

TEST_F(Beam2, ExponentialAndStackedNumbersAreKeptInTheGraphicsSettings) {
  const std::string settings = common::JoinSettingsPath(common::SettingsContext::Discover(), kGraphicsSettingsFile);
  plat::RemoveFile(settings);
  const auto bytes = [&](std::size_t at) {
    const std::string all = testing::ReadBytes(settings);
    return all.size() >= at + 4 ? all.substr(at, 4) : std::string();
  };
  {
    OpenedViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    v.Command(ids::kExponential);
    EXPECT_EQ(bytes(144), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(bytes(148), std::string("\0\0\0\0", 4));
    v.Command(ids::kStacked);
    EXPECT_EQ(bytes(148), std::string("\x01\0\0\0", 4));
    v.app.ExitInstance();
  }
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  EXPECT_TRUE(v.view().controls().exponential);
  EXPECT_TRUE(v.view().controls().stacked);
  v.Command(ids::kExponential);
  EXPECT_EQ(bytes(144), std::string("\0\0\0\0", 4));
  v.Command(ids::kReset);  // every toggle off, also in the file
  EXPECT_EQ(bytes(148), std::string("\0\0\0\0", 4));
  v.app.ExitInstance();
  plat::RemoveFile(settings);
}

// With a settings folder that cannot be used the viewer writes no setting
// beside the program: PSCALA's defaults at the start, the line widths of the
// dialog and of Alt+wheel, the number format of MMGRAFIKR1 and the Font's
// factor each name the file they could not write in the settings folder, and
// the current folder stays empty.
TEST_F(Beam2, SettingsAreNeverWrittenBesideTheProgram) {
  plat::testing::UnusableSettingsFolder unusable;
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(CDiaLines::kWidth, "7");
    d.SendMessage(plat::WM_COMMAND, plat::IDOK);
  });
  v.Command(ids::kLineWidth);
  v.Wheel(120, plat::testing::kAlt);
  v.Command(ids::kExponential);
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(kChoiceEdit, "0,5");
    d.SendMessage(plat::WM_COMMAND, plat::IDOK);
  });
  v.Command(ids::kFont);
  const std::string folder = unusable.folder();
  EXPECT_EQ(testing::BoxTexts(v.dialogs), (std::vector<std::string>{
                                              "Error|The file " + folder + "/PSCALA cannot be written.",
                                              "Error|The file " + folder + "/GRAPHRDB cannot be written.",
                                              "Error|The file " + folder + "/GRAPHRDB cannot be written.",
                                              "Error|The file " + folder + "/MMGRAFIKR1 cannot be written.",
                                              "Error|The file " + folder + "/PSCALA cannot be written.",
                                          }));
  EXPECT_EQ(v.app.session().state.line_width, 9);  // the widths hold for this run
  EXPECT_FLOAT_EQ(v.app.session().font_scale, 0.5f);
  EXPECT_EQ(unusable.FilesHere(), std::vector<std::string>{});
  v.app.ExitInstance();
}

TEST(PictureMenu, HoldsTheTogglesScalesAndLineWidth) {
  const plat::Menu menu = PictureMenu();
  struct Case {
    plat::UINT id;
    const char* text;
  } cases[] = {{ids::kNumbers, "Numbers (Z)"},
               {ids::kNodeNumbers, "Nodes (K)"},
               {ids::kElementNumbers, "Element numbers (E)"},
               {ids::kOnlyX, "Only x values (X)"},
               {ids::kOnlyY, "Only y values (Y)"},
               {ids::kRKey, "R-key display (R)"},
               {ids::kGreenArrows, "Green's functions with arrows"},
               {ids::kExponential, "Exponential format"},
               {ids::kStacked, "Allow numbers to be stacked (D)"},
               {ids::kAlignText, "Align text"},
               {ids::kScales, "Scales"},
               {ids::kResetScales, "Reset scales"},
               {ids::kLineWidth, "Line width..."}};
  for (const Case& c : cases) EXPECT_EQ(menu.GetMenuString(c.id, plat::MF_BYCOMMAND), c.text) << c.id;
}

TEST(PictureWheel, TheFirstRuleThatAppliesScalesOneThing) {
  struct Case {
    const char* what;
    WheelKeys keys;
    bool alternative;
    WheelTarget target;
    bool moments, influence;
    bool up;
    WheelEffect effect;
    float force, reaction, load, moment, displacement;
  } cases[] = {
      {"Ctrl", {false, true, false}, false, WheelTarget::kLoad, true, false, true, WheelEffect::kRedraw,
       1.1f, 0.1f, 0.1f, 0.1f, 0.1f},
      {"load target", {}, true, WheelTarget::kLoad, true, false, false, WheelEffect::kScales,
       1.0f, 0.1f, 0.1f / 1.1f, 0.1f, 0.1f},
      {"A held", {}, true, WheelTarget::kGraph, true, false, true, WheelEffect::kScales,
       1.0f, 0.15f, 0.1f, 0.1f, 0.1f},
      {"reaction target", {}, false, WheelTarget::kSupportReactions, true, false, false, WheelEffect::kScales,
       1.0f, 0.1f / 1.5f, 0.1f, 0.1f, 0.1f},
      {"forces target", {}, false, WheelTarget::kForces, true, false, true, WheelEffect::kRedraw,
       1.1f, 0.1f, 0.1f, 0.1f, 0.1f},
      {"moments", {}, false, WheelTarget::kGraph, true, false, true, WheelEffect::kScales,
       1.0f, 0.1f, 0.1f, 0.15f, 0.1f},
      {"frame", {}, false, WheelTarget::kGraph, false, false, true, WheelEffect::kNone,
       1.0f, 0.1f, 0.1f, 0.1f, 0.1f},
  };
  for (const Case& c : cases) {
    ViewerState state;
    PictureRequest r;
    ResetDiagramScales(r.scales);
    r.moments = c.moments;
    r.influence = c.influence;
    PictureControls controls;
    controls.wheel_alternative = c.alternative;
    controls.wheel_target = c.target;
    EXPECT_EQ(TurnWheel(state, r, controls, c.keys, c.up), c.effect) << c.what;
    EXPECT_FLOAT_EQ(controls.force_scale, c.force) << c.what;
    EXPECT_FLOAT_EQ(r.scales.further[kReactionScaleField], c.reaction) << c.what;
    EXPECT_FLOAT_EQ(r.scales.further[kLoadScaleField], c.load) << c.what;
    EXPECT_FLOAT_EQ(r.scales.moment, c.moment) << c.what;
    EXPECT_FLOAT_EQ(r.scales.displacement, c.displacement) << c.what;
  }
}

TEST_F(Beam2, AResultCommandGivesTheWheelBackToTheDiagram) {
  SeedScales(*position_, 0.02f);  // the moments drawn well inside the window
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  v.view().StepWheelTarget();  // the loads
  v.Wheel(120);
  EXPECT_FLOAT_EQ(StoredScale(*position_, 7), 0.11f);
  EXPECT_FLOAT_EQ(StoredScale(*position_, 1), 0.02f);
  v.Key('M');
  v.Wheel(120);
  EXPECT_FLOAT_EQ(StoredScale(*position_, 1), 0.03f);
  v.app.ExitInstance();
}

TEST_F(Beam2, AClickOnTheWheelsStatusPaneTakesItsNextTarget) {
  SeedScales(*position_, 0.1f);
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  ASSERT_TRUE(plat::testing::ClickStatusPane(v.frame().status_bar(), 1));
  plat::testing::PumpMessages();
  EXPECT_EQ(v.frame().status_bar().GetPaneText(1), "Wheel scales Load (click to change)");
  v.Wheel(120);
  EXPECT_FLOAT_EQ(StoredScale(*position_, 7), 0.11f);
  ASSERT_TRUE(plat::testing::ClickStatusPane(v.frame().status_bar(), 1));
  ASSERT_TRUE(plat::testing::ClickStatusPane(v.frame().status_bar(), 1));
  plat::testing::PumpMessages();
  EXPECT_EQ(v.frame().status_bar().GetPaneText(1), "Wheel scales Graph (click to change)");
  v.app.ExitInstance();
}

TEST_F(Beam2, TheReactionAndLoadScalesLengthenTheirArrows) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  // The height of the filled shapes drawn with `factor` in the view.
  const auto reach = [&](double ViewState::*factor, double value, const std::function<int(Canvas&)>& draw) {
    testing::RecordedPicture p(state, 2.0f);
    p.view.*factor = value;
    EXPECT_GT(draw(p.canvas), 0);
    int low = 1 << 30, high = -(1 << 30);
    for (const plat::DeviceOp& op : p.dc.ops()) {
      if (op.kind != plat::DeviceOp::Kind::kPolygon) continue;
      for (const plat::Point& q : op.points) {
        low = std::min(low, q.y);
        high = std::max(high, q.y);
      }
    }
    return high - low;
  };
  const auto reactions = [&](Canvas& c) {
    const auto values = ReactionsToDraw(state, c.view, false);
    return values.ok() ? DrawSupportReactions(c, values.value(), ReactionOptions{}) : 0;
  };
  const auto line_loads = [](Canvas& c) { return DrawLineLoads(c, false); };
  struct Case {
    const char* what;
    double ViewState::*factor;
    std::function<int(Canvas&)> draw;
  } cases[] = {{"reactions", &ViewState::reaction_factor, reactions},
               {"line loads", &ViewState::load_factor, line_loads}};
  for (const Case& c : cases) {
    EXPECT_NEAR(reach(c.factor, 2.0, c.draw), 2.0 * reach(c.factor, 1.0, c.draw), 3.0) << c.what;
  }
}

TEST_F(Beam2, StackedNumbersShowTheLabelAtASharedNodeAboveTheOther) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 3));  // the middle support settles 10 mm
  v.Key('D');
  EXPECT_EQ(Count(v.Texts(), "10.00"), 1);
  v.Command(ids::kStacked);
  const std::vector<plat::DeviceOp> labels = TextOps(v, "10.00");
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_NEAR(labels[1].origin.x, labels[0].origin.x, 0.3 * labels[0].text_width);
  const int height = labels[0].ascent + labels[0].descent;
  EXPECT_NEAR(labels[0].origin.y - labels[1].origin.y, height, 0.25 * height);  // one line above
  KeepPicture(v, "picture_view_stacked.png");
  v.app.ExitInstance();
}

TEST_F(Beam2, TheRDisplayLabelsTheNodesWithTheirResultant) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 3));
  v.Key('D');
  v.Key('R');
  const std::vector<std::string> texts = v.Texts();
  EXPECT_EQ(Count(texts, "10.00"), 0);  // the elements' extremes give way
  const ViewerState& s = v.app.session().state;
  const common::NodeRecord& middle = s.nodes[2];
  const double u = s.displacements[static_cast<std::size_t>(middle.dof_u())];
  const double w = s.displacements[static_cast<std::size_t>(middle.dof_v())];
  char expected[32];
  std::snprintf(expected, sizeof expected, "R = %.2f", std::hypot(u, w) * 1000.0);
  EXPECT_EQ(std::string(expected).rfind("R = 10.", 0), 0u);
  EXPECT_EQ(Count(texts, expected), 1);
  KeepPicture(v, "picture_view_r_display.png");
  v.app.ExitInstance();
}

// Any key flips the displacement picture's option: the undeformed frame beneath the shape drawn
// grey, the title saying so; the values shown stay the results (LC 1: both spans sag 2.49 mm).
TEST_F(Beam2, TheDisplacementOptionChangesHowTheFrameIsDrawnNeverTheValues) {
  const auto grey_lines = [](OpenedViewer& v) {
    plat::RecordingDc dc;
    v.view().DrawOn(dc);
    return std::count_if(dc.ops().begin(), dc.ops().end(), [](const plat::DeviceOp& op) {
      return op.kind == plat::DeviceOp::Kind::kPolyline && op.pen.color == plat::Rgb(190, 190, 190);
    });
  };
  struct Case {
    int key;
    bool grey;
  } cases[] = {{'Q', true}, {'B', false}, {'L', true}, {'V', false}};
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('D');
  EXPECT_EQ(Count(v.Texts(), "2.49"), 2);
  EXPECT_EQ(grey_lines(v), 0);
  KeepPicture(v, "picture_view_displacements.png");
  for (const Case& c : cases) {
    v.Key(c.key);
    EXPECT_EQ(Count(v.Texts(), "2.49"), 2) << static_cast<char>(c.key);
    EXPECT_EQ(grey_lines(v) > 0, c.grey) << static_cast<char>(c.key);
    EXPECT_EQ(v.Shows("Displacements [mm] (undeformed frame grey)"), c.grey) << static_cast<char>(c.key);
  }
  v.app.ExitInstance();
}

TEST_F(Beam2, ExponentialFormatReachesTheForceDiagrams) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  const int plain = Count(v.Texts(), "-44.94 kNm");
  EXPECT_GT(plain, 0);
  v.Command(ids::kExponential);
  const std::vector<std::string> texts = v.Texts();
  EXPECT_EQ(Count(texts, "-44.94 kNm"), 0);
  EXPECT_EQ(Count(texts, "-4.49E+01 kNm"), plain);
  v.Command(ids::kExponential);
  v.app.ExitInstance();
}

TEST_F(Beam2, GreenArrowsDrawTheSupportShapesArrows) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  const auto lines = [&](bool arrows) {
    testing::RecordedPicture p(state, 2.0f);
    PictureMemory memory;
    PictureRequest r;
    r.client_width = 1000;
    r.client_height = 700;
    r.support_green = true;
    r.support_dof_index = 1;
    r.green_arrows = arrows;
    DrawPicture(state, p.view, p.picture, memory, r, p.dc);
    return static_cast<int>(std::count_if(p.dc.ops().begin(), p.dc.ops().end(), [](const plat::DeviceOp& op) {
      return op.kind == plat::DeviceOp::Kind::kPolyline;
    }));
  };
  EXPECT_GT(lines(true), lines(false));
}

TEST_F(Beam2, TheExtraButtonEndsTheProgramWithoutTheWorkingCopies) {
  const std::string copy = position_->File("KNOTENRTEMP0");
  ASSERT_TRUE(plat::WriteBlock(copy, "x", 1));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::QuitCatcher quit;
  v.view().PostMessage(plat::WM_XBUTTONDOWN, plat::MAKEWPARAM(0, plat::XBUTTON1));
  plat::testing::PumpMessages();
  EXPECT_EQ(quit.code(), 0);
  EXPECT_FALSE(plat::FileExists(copy));
  v.app.ExitInstance();
}

TEST_F(Beam2, HintBoxTakesEnterOutAgainAndEscEmptiesAndClosesIt) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('X');
  plat::Window* hint = v.view().GetDlgItem(CGRAPHView::kHintId);
  ASSERT_NE(hint, nullptr);
  hint->SetWindowText("Values in X-direction, X = on/off\xA7");
  plat::testing::PumpMessages();
  EXPECT_EQ(v.view().HintText(), "Values in X-direction, X = on/off");
  plat::testing::QuitCatcher quit;
  plat::testing::PressKey(*hint, plat::VK_ESCAPE);
  plat::testing::PumpMessages();
  EXPECT_EQ(v.view().GetDlgItem(CGRAPHView::kHintId), nullptr);
  EXPECT_FALSE(quit.code().has_value());  // the view's Esc did not run
  EXPECT_TRUE(v.view().controls().only_x);
  v.app.ExitInstance();
}

TEST_F(Beam2, CtrlLeftAndRightPanTheEnlargedSection) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  PictureRequest& r = v.app.session().request;
  v.Key(plat::VK_RIGHT, plat::testing::kCtrl);  // no section: nothing to pan
  EXPECT_EQ(r.plot_box[1].x, 0.0f);
  r.plot_box_mode = 1;
  const WorldPoint box[4] = {{2.0f, -1.0f}, {7.0f, -1.0f}, {7.0f, 1.0f}, {2.0f, 1.0f}};
  std::copy(std::begin(box), std::end(box), std::begin(r.plot_box));
  v.Key(plat::VK_RIGHT, plat::testing::kCtrl);
  EXPECT_FLOAT_EQ(r.plot_box[0].x, 2.5f);
  EXPECT_FLOAT_EQ(r.plot_box[1].x, 7.5f);
  v.Key(plat::VK_LEFT, plat::testing::kCtrl);
  v.Key(plat::VK_LEFT, plat::testing::kCtrl);
  EXPECT_FLOAT_EQ(r.plot_box[0].x, 1.5f);
  EXPECT_FLOAT_EQ(r.plot_box[1].y, -1.0f);
  v.app.ExitInstance();
}

}  // namespace
}  // namespace revuzavi
