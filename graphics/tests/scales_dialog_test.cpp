// Command 329 of the picture view on TWO computed by the real programs: CDiaSkalen on "Scales",
// its refusals, its Default, its reports and the refusal while a release is in the frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/position/output_list.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/scales_dialog.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/message_boxes.h"
#include "graphics/tests/two_spans_example.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/testing/write_faults.h"

namespace revuzavi {
namespace {

using D = CDiaSkalen;

struct TwoSpansViewer : ::testing::Test {
  void SetUp() override {
    position = testing::ComputedTwoSpans();
    ASSERT_TRUE(app.Open(position.ext() + " @" + position.data_path() + " @1"));
    plat::testing::PumpMessages();
  }
  void TearDown() override { app.ExitInstance(); }
  void Parameter() {
    app.main_frame()->SendMessage(plat::WM_COMMAND, ids::kParameter);
    plat::testing::PumpMessages();
  }
  std::string Scales() const { return testing::ReadBytes(position.FolderFile("Scales")); }
  std::vector<std::string> Boxes() const { return testing::BoxTexts(dialogs); }

  common::Position position;
  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CGRAPHApp app;
};

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

TEST_F(TwoSpansViewer, IterativeAndTheHalfPresetWriteScales) {
  std::vector<std::string> shown;
  dialogs.OnNextDialog([&](plat::Dialog& d) {
    for (plat::UINT id : {D::kFactor, D::kErrorMargin, D::kIterationLimit}) shown.push_back(plat::testing::ItemText(d, id));
    plat::testing::SetChecked(d, D::kIterative, true);
    plat::testing::Press(d, 1069);  // "0.5"
  });
  Parameter();
  EXPECT_EQ(shown, (std::vector<std::string>{"0.0000", "1.000E-07", "100000"}));
  // k 0.5, eps 1e-7 and 1e-9, limits 100000 and 500000.
  EXPECT_EQ(Scales(), Bytes({0x00, 0x00, 0x00, 0x3F, 0x95, 0xBF, 0xD6, 0x33, 0x5F, 0x70, 0x89, 0x30, 0xA0, 0x86, 0x01,
                             0x00, 0x20, 0xA1, 0x07, 0x00}));
  const ViewerSession& session = app.session();
  EXPECT_EQ(session.state.scales_factor, 0.5f);
  EXPECT_FALSE(session.state.scales_factor_zero);
  EXPECT_EQ(session.run.method, ReanalysisState::kIterative);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(TwoSpansViewer, TypedValuesWithTheirDerivedPairAndTheDirectMethod) {
  app.session().run.method = ReanalysisState::kIterative;
  dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, D::kFactor, "0,25");
    plat::testing::TypeInto(d, D::kErrorMargin, "2E-6");
    plat::testing::TypeInto(d, D::kIterationLimit, "300");
    plat::testing::SetChecked(d, D::kDirect, true);
    plat::testing::Press(d, D::kOk);
  });
  Parameter();
  const std::vector<float> floats = testing::Floats(position.FolderFile("Scales"));
  ASSERT_EQ(floats.size(), 5u);
  EXPECT_EQ(floats[0], 0.25f);
  EXPECT_EQ(floats[1], 2e-6f);
  EXPECT_EQ(floats[2], 2e-8f);
  const std::string bytes = Scales();
  EXPECT_EQ(bytes.substr(12), Bytes({0x2C, 0x01, 0x00, 0x00, 0xDC, 0x05, 0x00, 0x00}));  // 300, 1500
  EXPECT_EQ(app.session().run.method, ReanalysisState::kDirect);
}

TEST_F(TwoSpansViewer, RefusedValuesKeepTheDialogOpenAndTheFile) {
  struct Case {
    plat::UINT field;
    const char* text;
    const char* message;
    const char* factor_after;  // what 1009 shows after the refusal
  };
  const Case cases[] = {
      {D::kFactor, "-1", "No negative values", "0.0000"},
      {D::kFactor, "1e99", "\"1e99\" is not a number the files can hold.", "1e99"},
      {D::kFactor, "half", "\"half\" is not a number the files can hold.", "half"},
      {D::kErrorMargin, "0", "The error margin must be a number above 0.", "0.0000"},
      {D::kErrorMargin, "1e-44", "The error margin must be a number above 0.", "0.0000"},
      {D::kIterationLimit, "0", "The maximum iterations must be a whole number from 1 to 429496729.", "0.0000"},
      {D::kIterationLimit, "429496730", "The maximum iterations must be a whole number from 1 to 429496729.",
       "0.0000"},
  };
  const std::string before = Scales();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    bool open = false;
    std::string factor;
    dialogs.OnNextDialog([&](plat::Dialog& d) {
      plat::testing::TypeInto(d, c.field, c.text);
      plat::testing::Press(d, D::kOk);
      open = !d.Ended() && d.IsWindowVisible();
      factor = plat::testing::ItemText(d, D::kFactor);
    });
    Parameter();
    EXPECT_TRUE(open);
    EXPECT_EQ(factor, c.factor_after);
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes().back(), std::string("|") + c.message);
    EXPECT_EQ(Scales(), before);
  }
}

TEST_F(TwoSpansViewer, DefaultShowsTheDefaultsWithoutClosing) {
  std::vector<std::string> shown;
  bool open = false;
  dialogs.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, D::kFactor, "0.7");
    plat::testing::TypeInto(d, D::kErrorMargin, "1e-3");
    plat::testing::TypeInto(d, D::kIterationLimit, "12");
    plat::testing::Press(d, D::kDefault);
    open = !d.Ended() && d.IsWindowVisible();
    for (plat::UINT id : {D::kFactor, D::kErrorMargin, D::kIterationLimit}) shown.push_back(plat::testing::ItemText(d, id));
    plat::testing::Press(d, D::kOk);
  });
  Parameter();
  EXPECT_TRUE(open);
  EXPECT_EQ(shown, (std::vector<std::string>{"0.000", "1.000E-07", "100000"}));
  EXPECT_EQ(Scales().substr(0, 4), Bytes({0, 0, 0, 0}));
  EXPECT_EQ(Scales().substr(12), Bytes({0xA0, 0x86, 0x01, 0x00, 0x20, 0xA1, 0x07, 0x00}));
}

TEST_F(TwoSpansViewer, ZeroTensionWritesTheReportPageAndListsIt) {
  const int page = common::ReadPageCounter(position).value + 1;
  dialogs.PressNext(D::kZeroTension);
  Parameter();
  EXPECT_EQ(testing::ReadBytes(position.FolderFile("D" + std::to_string(page) + ".TXT")), "Tension in element 0, ");
  EXPECT_EQ(common::ReadPageCounter(position).value, page);
  EXPECT_TRUE(app.session().run.report_written);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(TwoSpansViewer, AFailedWriteIsReportedAndTheOldFileStaysWhole) {
  const std::string before = Scales();
  dialogs.PressNext(1074);  // "1.0"
  {
    plat::testing::FailingFileWrite fail(1);
    Parameter();
  }
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Error|The file " + position.FolderFile("Scales") +
                                               " cannot be written."}));
  EXPECT_EQ(Scales(), before);
}

TEST_F(TwoSpansViewer, TheRightButtonOpensTheDialogOnlyWithoutPicks) {
  auto& view = *app.main_frame()->PictureFrame()->GetActiveView();
  dialogs.PressNext(1066);  // "0.3"
  plat::testing::Click(view, plat::Point{50, 50}, plat::testing::MouseButton::kRight);
  plat::testing::PumpMessages();
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].template_id, D::kTemplateId);
  EXPECT_EQ(app.session().state.scales_factor, 0.3f);
  app.session().run.picked_elements.Add(1);
  plat::testing::Click(view, plat::Point{50, 50}, plat::testing::MouseButton::kRight);
  plat::testing::PumpMessages();
  EXPECT_EQ(dialogs.shown().size(), 1u);
  app.session().run.picked_elements.Clear();
}

TEST_F(TwoSpansViewer, StopAndAPendingReleaseLeaveScalesAlone) {
  const std::string before = Scales();
  dialogs.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, D::kFactor, "0.3");
    plat::testing::Press(d, plat::IDCANCEL);
  });
  Parameter();
  EXPECT_EQ(Scales(), before);
  app.session().run.releases.moments = 1;
  Parameter();
  EXPECT_EQ(dialogs.shown().size(), 2u);  // the first dialog and the box, no second dialog
  EXPECT_EQ(Boxes(), (std::vector<std::string>{
                         "Reset necessary|First reset the frame (ESC-key) before you switch into the C-Mode!"}));
  EXPECT_EQ(Scales(), before);
  app.session().run.releases.moments = 0;
}

}  // namespace
}  // namespace revuzavi
