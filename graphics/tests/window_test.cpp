// REVUZAVI opened in process on BEAM2: the picture window's frame sizes, the
// picture menu's enabling by the load case's results, New, closing the other
// windows and the Font dialog's bytes in PSCALA.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/settings.h"
#include "graphics/app/child_frame.h"
#include "graphics/app/font_dialog.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/windows_dialog.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/opened_viewer.h"
#include "graphics/tests/picture_room.h"
#include "graphics/tests/picture_texts.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/doc_template.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/system_metrics.h"
#include "platform/window/virtual_keys.h"
#include "platform/process.h"
#include "platform/hooks.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/dc/recording_dc.h"
#include "graphics/settings/small_settings_files.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;
using testing::OpenedViewer;

TEST_F(Beam2, PictureMenuGreysTheResultsOfALoadCaseWithoutThem) {
  const std::string ut803 = position_->LoadCaseFile(common::file_names::kDisplacements, 3);
  const auto kept = plat::ReadWholeFile(ut803);
  ASSERT_TRUE(kept && plat::RemoveFile(ut803));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 2));
  for (int i = 5; i <= 12; ++i) EXPECT_EQ(v.Greyed(i), i == 12) << i;  // no ForcesFPlus yet
  v.Command(ids::kNextLoadCase);
  for (int i = 5; i <= 12; ++i) EXPECT_TRUE(v.Greyed(i)) << i;
  EXPECT_FALSE(v.Greyed(2));
  v.Command(ids::kPreviousLoadCase);
  for (int i = 5; i <= 11; ++i) EXPECT_FALSE(v.Greyed(i)) << i;
  v.app.ExitInstance();
  EXPECT_TRUE(plat::WriteBlock(ut803, kept->data(), kept->size()));
}

TEST_F(Beam2, FramesAreSizedByTheScreenAndNarrowOnlyOnce) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::MDIChildWnd* picture = v.frame().PictureFrame();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(v.FrameRect(picture).Width(), ChildFrameSize(plat::GetSystemMetrics(plat::SM_CXSCREEN), 0, false).cx);
  EXPECT_FALSE(v.frame().IsCommandEnabled(plat::ID_FILE_NEW));

  v.app.session().narrow_next_frame = true;
  v.app.GetDocTemplate(0)->OpenDocumentFile({});
  plat::testing::PumpMessages();
  v.app.GetDocTemplate(0)->OpenDocumentFile({});
  plat::testing::PumpMessages();
  std::vector<int> widths;
  for (plat::MDIChildWnd* child : v.frame().GetMDIChildren()) widths.push_back(v.FrameRect(child).Width());
  const int screen = plat::GetSystemMetrics(plat::SM_CXSCREEN);
  EXPECT_EQ(std::count(widths.begin(), widths.end(), ChildFrameSize(screen, 0, true).cx), 1);
  EXPECT_EQ(std::count(widths.begin(), widths.end(), ChildFrameSize(screen, 0, false).cx), 2);

  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(d.SendDlgItemMessage(kWindowList, plat::LB_GETCOUNT), 3);
    d.SendDlgItemMessage(kWindowList, plat::LB_SETCURSEL, 2);
    d.SendMessage(plat::WM_COMMAND, kCloseWindow);
    EXPECT_EQ(d.SendDlgItemMessage(kWindowList, plat::LB_GETCOUNT), 2);
    d.EndDialog(plat::IDOK);
  });
  v.Command(ids::kWindows);
  EXPECT_EQ(v.frame().GetMDIChildren().size(), 2u);
  v.Command(ids::kCloseAllButPicture);
  EXPECT_EQ(v.frame().GetMDIChildren().size(), 1u);
  EXPECT_EQ(v.frame().PictureFrame(), picture);
  v.app.ExitInstance();
}

TEST_F(Beam2, FontStoresTheFactorInPscala) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(kChoiceEdit, "0,5");
    d.SendMessage(plat::WM_COMMAND, plat::IDOK);
  });
  v.Command(ids::kFont);
  const auto bytes = plat::ReadWholeFile(common::JoinSettingsPath(common::SettingsContext::Discover(), "PSCALA"));
  ASSERT_TRUE(bytes && bytes->size() >= 100u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data()) + 80, 8),
            std::string("\x00\x00\x00\x00\x00\x00\xE0\x3F", 8));
  EXPECT_FLOAT_EQ(v.app.session().font_scale, 0.5f);
  v.app.ExitInstance();
}

std::string FirstBytes(const std::string& path, std::size_t n) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes || bytes->size() < n) return {};
  return std::string(reinterpret_cast<const char*>(bytes->data()), n);
}

TEST_F(Beam2, DiagramKeysTitleAndPictureFactor) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('D');
  EXPECT_TRUE(v.Shows("Displacements [mm]"));
  v.Key(plat::VK_NUMPAD4);
  EXPECT_TRUE(v.app.session().request.deflection);
  v.Key(plat::VK_ADD);
  EXPECT_TRUE(v.app.session().request.node_labels);
  for (int i = 0; i < 20; ++i) v.Key(plat::VK_SUBTRACT, plat::testing::kCtrl);
  EXPECT_GT(v.view().controls().factor, 30.0);
  for (int i = 0; i < 40; ++i) v.Key(plat::VK_ADD, plat::testing::kCtrl);
  EXPECT_EQ(v.view().controls().factor, 1.0);
  v.app.ExitInstance();
}

TEST_F(Beam2, MomentsAndTheWheelScaleThem) {
  const std::string scales = position_->File(std::string(kRememberedScalesFile) + "1");
  plat::RemoveFile(scales);
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  EXPECT_TRUE(v.Shows("-44.94 kNm"));
  EXPECT_TRUE(v.Shows("25.33 kNm"));
  EXPECT_TRUE(v.Shows("Moments"));
  const float text_scale = v.app.session().state.text_scale;
  v.Wheel(-120, plat::testing::kShift);
  EXPECT_FLOAT_EQ(v.app.session().state.text_scale, text_scale * 1.1f);
  v.Wheel(120, plat::testing::kShift);
  if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
    EXPECT_TRUE(plat::testing::WindowPixels(v.view()).Save(std::string(keep) + "/picture_view_moments.png").ok());
  }
  // The wheel steps the moments' scale by 1.5 (3 while "1" is held), stopping where the curve
  // would no longer read, and what is drawn is remembered.
  const auto stored = [&] {
    float f = 0.0f;
    const std::string bytes = FirstBytes(scales, 4);
    if (bytes.size() == 4) std::memcpy(&f, bytes.data(), 4);
    return f;
  };
  const float shown = v.app.session().request.scales.moment;
  v.Wheel(-120);
  v.Texts();
  EXPECT_FLOAT_EQ(stored(), shown / 1.5f);
  EXPECT_TRUE(v.Shows("-44.94 kNm"));
  v.Wheel(120);
  plat::testing::KeyDown(v.view(), '1');
  v.Wheel(-120);
  plat::testing::KeyUp(v.view(), '1');
  v.Texts();
  const float down = stored();
  EXPECT_LT(down, shown / 1.5f);
  EXPECT_GE(down, shown / 3.0f);
  for (int i = 0; i < 10; ++i) v.Wheel(120);
  v.Texts();
  EXPECT_TRUE(testing::CurveReads(v.view(), v.app.session())) << "the wheel stops before the window's edge";
  v.app.ExitInstance();
}

TEST_F(Beam2, OneFitBringsHugeMomentsInsideAndTheirScaleIsReadBackAsFitted) {
  plat::RemoveFile(position_->File(std::string(kRememberedScalesFile) + "5"));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 5));  // a kink of 1: thousands of kNm
  v.Key('M');
  v.Command(ids::kFitDiagrams);
  plat::Rect client;
  v.view().GetClientRect(&client);
  const auto inside = [&] {
    plat::RecordingDc dc;
    v.view().DrawOn(dc);
    for (const plat::DeviceOp& op : dc.ops()) {
      for (const plat::Point& p : op.points) {
        if (p.x < 0 || p.x > client.Width() || p.y < 0 || p.y > client.Height()) return false;
      }
    }
    return true;
  };
  EXPECT_TRUE(inside());
  const float fitted = v.app.session().request.scales.moment;
  EXPECT_LT(fitted, 0.01f);
  v.Command(ids::kPreviousLoadCase);
  v.Command(ids::kNextLoadCase);  // the scale read back from MEMSCALEGLF15
  EXPECT_FLOAT_EQ(v.app.session().request.scales.moment, fitted);
  EXPECT_TRUE(inside());
  v.app.ExitInstance();
}

TEST_F(Beam2, FitBringsEveryDiagramStripInsideTheWindow) {
  RememberedScales seeded = ScalesOf(PictureScales{});
  for (int k = 1; k <= 9; ++k) seeded.set_field(k, 0.1f);
  seeded.set_field(1, 10.0f);
  const std::string scales = position_->File(std::string(kRememberedScalesFile) + "1");
  ASSERT_TRUE(plat::WriteBlock(scales, seeded.bytes().data(), RememberedScales::kSize));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  v.view().SendMessage(plat::WM_KEYDOWN, plat::VK_OEM_102);  // the key on a European keyboard
  plat::Rect client;
  v.view().GetClientRect(&client);
  plat::RecordingDc dc;
  v.view().DrawOn(dc);
  for (const plat::DeviceOp& op : dc.ops()) {
    for (const plat::Point& p : op.points) {
      EXPECT_TRUE(p.x >= 0 && p.x <= client.Width() && p.y >= 0 && p.y <= client.Height()) << p.x << "," << p.y;
    }
  }
  const float fitted = v.app.session().request.scales.moment;
  EXPECT_LT(fitted, 10.0f);
  v.Command(ids::kFitDiagrams);
  EXPECT_EQ(v.app.session().request.scales.moment, fitted);
  v.app.ExitInstance();
}

constexpr char kPortal[] = "PORTAL";
using Portal = testing::ComputedExampleTest<kPortal>;

// The roof beam's end shears (36 kN) and the columns' normal forces (36 kN)
// dwarf the rest: after Fit their labels stand inside the window, not beyond it.
// The energy picture's bands come with each element's strain energy in place
// of its number and length.
TEST_F(Portal, EnergyPictureNamesEachElementsEnergy) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('W');
  ASSERT_TRUE(v.app.session().request.energies);
  const std::vector<float> energies = testing::Floats(position_->LoadCaseFile("ENERGIES", 1));
  ASSERT_EQ(energies.size(), 4u);  // the largest, then elements 1 to 3
  for (int e = 1; e <= 3; ++e) {
    char text[32];
    std::snprintf(text, sizeof text, "%5.1E", energies[static_cast<std::size_t>(e)]);
    EXPECT_TRUE(v.Shows(text)) << e << " " << text;
  }
  EXPECT_FALSE(v.Shows("l = 4.00 m"));
  v.Key('W');
  EXPECT_TRUE(v.Shows("l = 4.00 m"));
  v.app.ExitInstance();
}

TEST_F(Portal, FitLeavesRoomForTheValueLabelsOfTheLargestOrdinates) {
  struct Case {
    int key;
    const char* label;
  } cases[] = {{'S', "-36.5 kN"}, {'N', "-36.51"}, {'M', "-14.26 kNm"}};
  for (const Case& c : cases) {
    OpenedViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    v.Key(c.key);
    v.Command(ids::kFitDiagrams);
    plat::Rect client;
    v.view().GetClientRect(&client);
    plat::RecordingDc dc;
    v.view().DrawOn(dc);
    bool found = false;
    for (const plat::DeviceOp& op : dc.ops()) {
      if (op.kind != plat::DeviceOp::Kind::kText || op.text.find(c.label) == std::string::npos) continue;
      found = true;
      EXPECT_TRUE(op.bounds.left >= 0 && op.bounds.top >= 0 && op.bounds.right <= client.Width() &&
                  op.bounds.bottom <= client.Height())
          << c.label << " at " << op.bounds.left << "," << op.bounds.top << " " << op.bounds.right << ","
          << op.bounds.bottom;
    }
    EXPECT_TRUE(found) << c.label;
    v.app.ExitInstance();
  }
}

TEST_F(Beam2, AltWheelStepsTheLineWidthsWithinTheirBounds) {
  const std::string widths = common::JoinSettingsPath(common::SettingsContext::Discover(), kLineWidthsFile);
  struct Case {
    bool moments;
    std::int32_t frame, diagram;
    int delta;
    std::int32_t frame_after, diagram_after;
  } cases[] = {
      {false, 5, 1, -120, 3, 1},     {false, 3, 1, -120, 3, 1},     {false, 4, 1, -120, 2, 1},
      {false, 910, 1, 120, 912, 1},  {false, 912, 1, 120, 912, 1},  {true, 1, 510, 120, 1, 512},
      {true, 1, 512, 120, 1, 512},
  };
  for (const Case& c : cases) {
    const std::int32_t seeded[2] = {c.frame, c.diagram};
    ASSERT_TRUE(plat::WriteBlock(widths, seeded, sizeof seeded));
    OpenedViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    if (c.moments) v.Key('M');
    v.Wheel(c.delta, plat::testing::kAlt);
    std::int32_t after[2] = {};
    EXPECT_TRUE(plat::ReadBlock(widths, after, sizeof after));
    EXPECT_EQ(after[0], c.frame_after) << c.frame;
    EXPECT_EQ(after[1], c.diagram_after) << c.diagram;
    v.app.ExitInstance();
  }
  ASSERT_TRUE(plat::RemoveFile(widths));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Wheel(120, plat::testing::kAlt);
  v.Wheel(120, plat::testing::kAlt);
  EXPECT_EQ(FirstBytes(widths, 8), std::string("\x05\0\0\0\x01\0\0\0", 8));
  v.app.ExitInstance();
  plat::RemoveFile(widths);
}

// The diagram line width that Alt+wheel steps is the width the diagrams'
// curves are drawn with: the picture changes with it.
TEST_F(Beam2, AltWheelWidensTheDrawnDiagramCurves) {
  const std::string widths = common::JoinSettingsPath(common::SettingsContext::Discover(), kLineWidthsFile);
  const auto widest = [](OpenedViewer& v) {
    plat::RecordingDc dc;
    v.view().DrawOn(dc);
    int w = 0;
    for (const plat::DeviceOp& op : dc.ops()) {
      // black: the frame (width 1) and the diagram's curves; red load arrows have the diagram width too
      if (op.kind == plat::DeviceOp::Kind::kPolyline && op.pen.style != plat::PS_NULL &&
          op.pen.color == plat::Rgb(0, 0, 0)) {
        w = std::max(w, op.pen.width);
      }
    }
    return w;
  };
  for (int key : {'M', 'D', 'N'}) {
    const std::int32_t seeded[2] = {1, 301};
    ASSERT_TRUE(plat::WriteBlock(widths, seeded, sizeof seeded));
    OpenedViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    v.Key(key);
    const int before = widest(v);
    for (int k = 0; k < 50; ++k) v.Wheel(120, plat::testing::kAlt);
    EXPECT_GT(before, 1) << static_cast<char>(key);
    EXPECT_GT(widest(v), before) << static_cast<char>(key);
    v.app.ExitInstance();
  }
  plat::RemoveFile(widths);
}

TEST_F(Beam2, ALoadCaseWithoutResultsKeepsTheFramePicture) {
  const std::string ut803 = position_->LoadCaseFile(common::file_names::kDisplacements, 3);
  const auto kept = plat::ReadWholeFile(ut803);
  ASSERT_TRUE(kept && plat::RemoveFile(ut803));
  {
    OpenedViewer v;
    ASSERT_TRUE(v.Open(*position_, 3));
    EXPECT_TRUE(v.Shows("Position BEAM2 Temperature and settlement  LC 3 of 5 (no results)"));
    plat::testing::MessageBoxScript boxes;
    v.Key('M');
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "No results for this load case");
    EXPECT_EQ(boxes.shown()[0].caption, "OK");
    EXPECT_FALSE(v.app.session().request.AnyResult());
    v.app.ExitInstance();
  }
  EXPECT_TRUE(plat::WriteBlock(ut803, kept->data(), kept->size()));
}

TEST_F(Beam2, AMouseMoveShowsTheWheelsTargetAndTheCursorInMetres) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::MouseMove(v.view(), v.view().ClientPointOf(6.0f, 0.0f));
  plat::testing::PumpMessages();
  EXPECT_EQ(v.frame().status_bar().GetPaneText(1), "Wheel scales Graph (click to change)");
  float x = 0, z = 0;
  ASSERT_EQ(std::sscanf(v.frame().status_bar().GetPaneText(3).c_str(), "%f  %f", &x, &z), 2);
  EXPECT_NEAR(x, 6.0f, 0.1f);  // a pixel is a few centimetres here
  EXPECT_NEAR(z, 0.0f, 0.1f);
  // k 0 of the direct method is solved with 0.01.
  EXPECT_EQ(v.frame().status_bar().GetPaneText(2), "k = 0.01 (typed 0)");
  v.Key('C');
  EXPECT_EQ(v.frame().status_bar().GetPaneText(2), "k = 0.01 (typed 0)   C-key has been pressed");
  v.Key(plat::VK_ESCAPE);  // the mode ends, and with it its text
  EXPECT_EQ(v.frame().status_bar().GetPaneText(2), "k = 0.01 (typed 0)");
  v.app.ExitInstance();
}

TEST_F(Beam2, TheTitleSaysWhenTheUndeformedFrameIsDrawnGrey) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('D');
  EXPECT_FALSE(v.Shows("(undeformed frame grey)"));
  v.Key('K');  // any key in the displacement picture flips the option
  EXPECT_TRUE(v.Shows("Displacements [mm] (undeformed frame grey)"));
  v.Key('K');
  EXPECT_FALSE(v.Shows("(undeformed frame grey)"));
  v.app.ExitInstance();
}

TEST_F(Beam2, OnlyXShowsItsHintAndStatusAndAnyKeyClosesTheHint) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('X');
  EXPECT_EQ(v.view().HintText(), "Values in X-direction, X = on/off");
  EXPECT_NE(v.view().GetDlgItem(CGRAPHView::kHintId), nullptr);
  EXPECT_EQ(v.frame().status_bar().GetPaneText(2), "x-key has been pressed, only x-values");
  v.Key('Q');
  EXPECT_EQ(v.view().HintText(), "");
  EXPECT_TRUE(v.view().controls().only_x);
  v.app.ExitInstance();
}

TEST_F(Beam2, DisplayTogglesFlipOnTheirCommandsAndCheckTheirItems) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  const auto checked = [&](plat::UINT id) {
    plat::CmdUI ui(id);
    EXPECT_TRUE(plat::CommandTarget::DoUpdate(v.view(), ui)) << id;
    return ui.check().value_or(-1);
  };
  struct Case {
    plat::UINT id;
    int at_start;
  };
  const Case cases[] = {{334, 0}, {335, 0}, {336, 0}, {337, 1}, {338, 1}, {339, 0}, {340, 0}, {354, 0}, {33077, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(checked(c.id), c.at_start) << c.id;
    v.Command(c.id);
    EXPECT_EQ(checked(c.id), 1 - c.at_start) << c.id;
    v.Command(c.id);
    EXPECT_EQ(checked(c.id), c.at_start) << c.id;
  }
  v.Command(337);
  EXPECT_FALSE(v.app.session().request.node_labels);
  v.Command(339);
  v.Command(340);  // only y switches only x off
  EXPECT_EQ(checked(339), 0);
  EXPECT_EQ(checked(340), 1);
  EXPECT_EQ(v.view().HintText(), "Values in Y-direction, Y = on/off");
  v.app.ExitInstance();
}

TEST_F(Beam2, EnergyPictureReplacesTheDiagramAndGivesItBack) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  v.Key('E');  // element numbers off
  v.Key('W');
  const PictureRequest& r = v.app.session().request;
  EXPECT_TRUE(r.energies);
  EXPECT_FALSE(r.moments);
  EXPECT_TRUE(r.element_labels);
  EXPECT_TRUE(v.Shows(" Strain energies in frame elements,  Total = "));
  EXPECT_TRUE(v.Shows(" kNm"));
  v.Command(346);
  EXPECT_FALSE(r.energies);
  EXPECT_TRUE(r.moments);
  EXPECT_TRUE(v.Shows("Moments"));
  v.Command(346);
  plat::testing::QuitCatcher quit;  // after the start, which may see an earlier test's end
  v.Key(plat::VK_ESCAPE);  // leaves the energy picture, not the program
  EXPECT_FALSE(r.energies);
  EXPECT_TRUE(r.moments);
  EXPECT_FALSE(quit.code().has_value());
  v.app.ExitInstance();
}

TEST_F(Beam2, RSwitchesTheRDisplayOnOnly) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('D');
  v.Key('R');
  EXPECT_TRUE(v.view().controls().r_key);
  EXPECT_TRUE(v.Shows("Displacements [mm] (R-key Pressed!!) "));
  v.Key('R');  // a second R leaves it on
  EXPECT_TRUE(v.view().controls().r_key);
  v.Command(ids::kRKey);  // the menu item switches it off
  EXPECT_FALSE(v.view().controls().r_key);
  EXPECT_FALSE(v.Shows("R-key"));
  v.app.ExitInstance();
}

TEST_F(Beam2, TabActivatesTheNextPictureViewAndAfterTheLastTheFirst) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::MDIChildWnd* first = v.frame().PictureFrame();
  plat::DocTemplate* pictures = v.app.GetDocTemplate(0);
  plat::FrameWnd* second = pictures->CreateNewFrame(v.view().GetDocument(), first);
  ASSERT_NE(second, nullptr);
  pictures->InitialUpdateFrame(second, v.view().GetDocument());
  plat::testing::PumpMessages();
  first->ActivateFrame();
  plat::testing::PumpMessages();
  ASSERT_EQ(v.frame().MDIGetActive(), first);
  v.Key(plat::VK_TAB);
  EXPECT_EQ(v.frame().MDIGetActive(), second);
  plat::testing::PressKey(*second->GetActiveView(), plat::VK_TAB, 0);
  plat::testing::PumpMessages();
  EXPECT_EQ(v.frame().MDIGetActive(), first);
  v.app.ExitInstance();
}

TEST_F(Beam2, ExponentialFormatWritesTheDisplacementLabelsWithExponents) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('D');
  const auto exponents = [&] {
    const std::vector<std::string> texts = v.Texts();
    return std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
      return t.find("e-0") != std::string::npos || t.find("e+0") != std::string::npos;
    });
  };
  EXPECT_EQ(exponents(), 0);
  v.Command(ids::kExponential);
  EXPECT_GT(exponents(), 0);
  v.app.ExitInstance();
}

TEST_F(Beam2, HelpFallsBackToLerventa) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::ProcessRecorder processes;
  processes.FailNext("no viewer for PDF");
  v.Command(ids::kHelp);
  ASSERT_EQ(processes.calls().size(), 2u);
  EXPECT_EQ(processes.calls()[0].kind, plat::hooks::ProcessCall::Kind::kOpenDocument);
  EXPECT_EQ(processes.calls()[1].program, plat::SiblingProgram("LERVENTA"));
  EXPECT_EQ(processes.calls()[1].args, std::vector<std::string>{"REVUZAVI.pdf"});
  v.app.ExitInstance();
}

TEST_F(Beam2, ExportStoresTheNumberedPicture) {
  plat::RemoveFile(position_->File("CLIP"));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Key('M');
  v.Command(ids::kExport);
  EXPECT_EQ(testing::ReadBytes(position_->FolderFile("G1.jpg")).substr(0, 3), "\xff\xd8\xff");
  EXPECT_EQ(FirstBytes(position_->File("CLIP"), 4), std::string("\x01\0\0\0", 4));
  EXPECT_EQ(v.frame().status_bar().GetPaneText(2), "Figure stored as file G1.jpg");
  v.app.ExitInstance();
}

TEST_F(Beam2, PrintRunPrintsEveryLoadCaseOnItsPageAndReturns) {
  plat::RemoveFile(position_->File(kPageNumberFile));
  const std::string base = plat::testing::TestFolder() + "run.pdf";
  plat::testing::PrintToPdf to_pdf(base);
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Command(ids::kPrintRun);
  plat::testing::PumpMessages();
  for (int k = 1; k <= 5; ++k) {
    const std::string pdf = k == 1 ? base : plat::testing::TestFolder() + "run-" + std::to_string(k) + ".pdf";
    const std::vector<plat::testing::PdfPageSize> pages = plat::testing::PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u) << pdf;
    EXPECT_GT(pages[0].width, pages[0].height) << pdf;
    const std::string text = plat::testing::PdfPageText(pdf, 1);
    EXPECT_NE(text.find("Position BEAM2"), std::string::npos) << text;
    EXPECT_NE(text.find("LC " + std::to_string(k) + " of 5"), std::string::npos) << text;
    EXPECT_NE(text.find("Page " + std::to_string(k)), std::string::npos) << text;
    // The page's own scale: the 12 m beam with its room spans some 22 cm of the A4 page.
    EXPECT_NE(text.find("1 cm = 0.54 m"), std::string::npos) << text;
  }
  EXPECT_EQ(v.app.session().state.current_load_case, 1);
  v.app.ExitInstance();
  EXPECT_EQ(FirstBytes(position_->File(kPageNumberFile), 4), std::string("\x06\0\0\0", 4));
}

TEST_F(Beam2, EigenmodesStepWithUpAndTheRightButtonAndEscLeavesThem) {
  std::vector<double> modes(81), values(9);
  for (std::size_t i = 0; i < modes.size(); ++i) modes[i] = 0.001 * static_cast<double>(i % 9 + 1);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = 10.0 * static_cast<double>(i + 1);
  ASSERT_TRUE(plat::WriteBlock(position_->File("EV"), modes.data(), modes.size() * sizeof(double)));
  ASSERT_TRUE(plat::WriteBlock(position_->File("EIGV"), values.data(), values.size() * sizeof(double)));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  ASSERT_EQ(v.app.session().state.equation_count(), 9);
  plat::testing::QuitCatcher quit;  // after the start, which may see an earlier test's end
  const std::vector<double> ut8 = v.app.session().state.displacements;
  v.Command(ids::kEigen);
  EXPECT_TRUE(v.Shows("eigen-value 1/9"));
  plat::testing::DialogScript dialogs;
  v.view().SendMessage(plat::WM_CONTEXTMENU, 0, 0);
  plat::testing::PumpMessages();
  EXPECT_TRUE(v.Shows("eigen-value 2/9"));
  EXPECT_TRUE(dialogs.shown().empty());
  const float scale = v.app.session().request.scales.displacement;
  v.Wheel(120);
  v.Texts();
  const float wheeled = v.app.session().request.scales.displacement;
  // By 2.5, or as far as the mode stays inside the window.
  EXPECT_TRUE(wheeled == scale * 2.5f || (wheeled > scale && wheeled < scale * 2.5f)) << scale << " -> " << wheeled;
  for (int i = 0; i < 10; ++i) v.Key(plat::VK_UP);
  EXPECT_TRUE(v.Shows("eigen-value 9/9 = 9.0000E+01"));
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(quit.code().has_value());
  EXPECT_FALSE(v.app.session().request.eigenmode);
  EXPECT_EQ(v.app.session().state.displacements, ut8);
  v.app.ExitInstance();
  plat::RemoveFile(position_->File("EV"));
  plat::RemoveFile(position_->File("EIGV"));
}

TEST_F(Beam2, NodeGreenFunctionChecksItsNodeStepsItsDofsAndEscLeavesIt) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::QuitCatcher quit;
  const std::vector<double> ut8 = v.app.session().state.displacements;
  plat::testing::MessageBoxScript boxes;
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(kChoiceEdit, "0");
    d.SendMessage(plat::WM_COMMAND, plat::IDOK);
  });
  v.Command(ids::kNodeGreen);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Wrong input");
  EXPECT_EQ(boxes.shown()[0].caption, "?");
  EXPECT_FALSE(v.app.session().request.influence);
  v.dialogs.PressNext(plat::IDOK);
  v.Command(ids::kNodeGreen);
  EXPECT_TRUE(v.Shows("ux at Node 1  (DOF  1) Units [mm]"));
  EXPECT_EQ(v.view().HintText(), "Up key or right mouse button is next value");
  for (int i = 0; i < 3; ++i) v.Key(plat::VK_UP);
  EXPECT_TRUE(v.Shows("ux at Node 2  (DOF  4) Units [mm]"));
  for (int i = 0; i < 5; ++i) v.Key(plat::VK_DOWN);
  EXPECT_TRUE(v.Shows("ux at Node 1  (DOF  1) Units [mm]"));
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(quit.code().has_value());
  EXPECT_FALSE(v.app.session().request.AnyResult());
  EXPECT_EQ(v.app.session().state.displacements, ut8);
  v.app.ExitInstance();
}

TEST_F(Beam2, AGreenPicturesScaleNeverBecomesTheLoadCasesDisplacementScale) {
  RememberedScales seeded = ScalesOf(PictureScales{});
  for (int k = 1; k <= 9; ++k) seeded.set_field(k, 0.1f);
  seeded.set_field(9, 0.37f);
  const std::string scales = position_->File(std::string(kRememberedScalesFile) + "1");
  ASSERT_TRUE(plat::WriteBlock(scales, seeded.bytes().data(), RememberedScales::kSize));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.dialogs.PressNext(plat::IDOK);
  v.Command(ids::kNodeGreen);
  ASSERT_TRUE(v.app.session().request.influence);
  v.Wheel(120);
  v.Command(ids::kNextLoadCase);  // writes the remembered scales of load case 1
  const auto kept = plat::ReadWholeFile(scales);
  ASSERT_TRUE(kept && kept->size() >= 36);
  float displacement = 0;
  std::memcpy(&displacement, kept->data() + 32, 4);
  EXPECT_FLOAT_EQ(displacement, 0.37f);
  v.app.ExitInstance();
}

TEST_F(Beam2, EscapeEndsTheProgram) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::QuitCatcher quit;
  v.Key(plat::VK_ESCAPE);
  EXPECT_EQ(quit.code(), 0);
  v.app.ExitInstance();
}

}  // namespace
}  // namespace revuzavi
