// REVUZAVI's picture view in process on small computed frames: the modes of a
// local modification, picks by clicks at the points where the view shows the
// frame, Space, the steps, Esc and the forces f+.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/tests/computed_example.h"
#include "platform/binary_io.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
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
void WriteScales(const common::Position& position, float k) {
  unsigned char bytes[20];
  const float floats[3] = {k, 1e-7f, 1e-9f};
  const std::int32_t limits[2] = {100000, 500000};
  std::memcpy(bytes, floats, 12);
  std::memcpy(bytes + 12, limits, 8);
  ASSERT_TRUE(plat::WriteBlock(position.FolderFile("Scales"), bytes, sizeof bytes));
}

std::vector<double> Doubles(const std::string& path) {
  const std::string bytes = testing::ReadBytes(path);
  std::vector<double> v(bytes.size() / sizeof(double));
  if (!v.empty()) std::memcpy(v.data(), bytes.data(), v.size() * sizeof(double));
  return v;
}

struct OpenedViewer {
  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CGRAPHApp app;

  bool Open(const common::Position& position, int lc) {
    const bool open = app.Open(position.ext() + " @" + position.data_path() + " @" + std::to_string(lc));
    plat::testing::PumpMessages();
    return open;
  }
  CMainFrame& frame() { return *app.main_frame(); }
  CGRAPHView& view() { return *dynamic_cast<CGRAPHView*>(frame().PictureFrame()->GetActiveView()); }
  void Command(plat::UINT id) {
    frame().SendMessage(plat::WM_COMMAND, id);
    plat::testing::PumpMessages();
  }
  void Key(int vk, unsigned mods = 0) {
    plat::testing::PressKey(view(), vk, mods);
    plat::testing::PumpMessages();
  }
  // A left click where the view shows the world point (x, z).
  void ClickAt(float x, float z, plat::testing::MouseButton button = plat::testing::MouseButton::kLeft) {
    plat::testing::Click(view(), view().ClientPointOf(x, z), button);
    plat::testing::PumpMessages();
  }
  std::string Title() {
    plat::RecordingDc dc;
    view().DrawOn(dc);
    std::string all;
    for (const plat::DeviceOp& op : dc.ops()) {
      if (op.text.rfind("Position ", 0) == 0) all += op.text;
    }
    return all;
  }
  std::string Status() { return frame().status_bar().GetPaneText(2); }
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
using Beam22 = ComputedFrame<kBeam22>;

TEST_F(Two, OneClickScalesTheClickedElementAndSpaceSwitchesBetweenTheFrames) {
  WriteScales(*position_, 0.5f);
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.app.session().run.method = ReanalysisState::kIterative;
  v.Key('C');
  EXPECT_EQ(v.view().HintText(), "Click on elements!");
  v.ClickAt(6.0f, 0.0f);
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
  v.Key(plat::VK_ESCAPE);
  EXPECT_FALSE(v.quit.code().has_value());
  for (const char* copy : {"UCT81", "ELEMENTS1", "KNOTENRTEMP1"}) EXPECT_FALSE(plat::FileExists(position_->File(copy))) << copy;
  EXPECT_EQ(v.app.session().state.displacements, stored);
  plat::testing::QuitCatcher quit;
  v.Key(plat::VK_ESCAPE);
  EXPECT_EQ(quit.code(), 0);
  v.app.ExitInstance();
}

TEST_F(Beam22, TheTwentyFirstPickIsRefusedInTheOneClickAndTheSpringMode) {
  WriteScales(*position_, 0.5f);
  for (const int mode : {'C', 'J'}) {
    OpenedViewer v;
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
    v.app.ExitInstance();
  }
}

}  // namespace
}  // namespace revuzavi
