// Tooltips of a dialog's controls: shown after the delay with the control's
// text, hidden by a click, by leaving the tool and after their time.
#include "platform/controls/tool_tip.h"

#include <gtest/gtest.h>

#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/testing/window_testing.h"

namespace plat {
namespace {

using namespace plat::testing;

constexpr UINT kMaterial = 1008;
constexpr UINT kTitle = 1042;
constexpr UINT kFrame = 311;
constexpr UINT kArc = 314;  // no tool

// The input panel's way: every message passes the tooltips first.
class Panel : public Dialog {
 public:
  Panel() : Dialog(2090, "Input") {}
  ToolTipCtrl tips;

  bool PreTranslateMessage(MSG* msg) override {
    tips.RelayEvent(msg);
    return Dialog::PreTranslateMessage(msg);
  }

 protected:
  void BuildLayout(DialogLayout& layout) override {
    layout.PushButton("&Material", kMaterial);
    layout.PushButton("Title", kTitle);
    layout.PushButton("Frame", kFrame);
    layout.PushButton("Arc", kArc);
  }
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    tips.Create(this);
    tips.AddTool(GetDlgItem(kMaterial));
    tips.AddTool(GetDlgItem(kTitle), "Title of the position");
    tips.AddTool(GetDlgItem(kFrame), "Storey frame");
    return true;
  }
};

class ToolTipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(panel.Create());
    ASSERT_TRUE(PumpMessages());
  }
  Window& Item(UINT id) { return *panel.GetDlgItem(id); }
  // Rests the mouse on a point of a window until the initial delay is over.
  void Rest(Window& window, Point point) {
    MouseMove(window, point);
    PumpMessages();
    ASSERT_TRUE(HasTimer(panel.tips, ToolTipCtrl::kShowTimer));
    ASSERT_TRUE(FireTimer(panel.tips, ToolTipCtrl::kShowTimer));
  }

  FakeInput input;
  Panel panel;
};

TEST_F(ToolTipTest, RestingOnAControlShowsItsTextBelowTheCursor) {
  MouseMove(Item(kMaterial), Point{5, 6});
  PumpMessages();
  EXPECT_FALSE(panel.tips.IsWindowVisible());  // not before the delay
  EXPECT_EQ(panel.tips.GetDelayTime(TTDT_INITIAL), 500);
  ASSERT_TRUE(FireTimer(panel.tips, ToolTipCtrl::kShowTimer));
  EXPECT_TRUE(panel.tips.IsWindowVisible());
  EXPECT_EQ(panel.tips.ShownTool(), &Item(kMaterial));
  EXPECT_EQ(panel.tips.ShownText(), "Material");  // the control's text without '&'

  Point cursor{5, 6};
  Item(kMaterial).ClientToScreen(&cursor);
  Rect tip;
  panel.tips.GetWindowRect(&tip);
  EXPECT_EQ(tip.left, cursor.x);
  EXPECT_EQ(tip.top, cursor.y + 20);
  EXPECT_GT(tip.Width(), 30);
  // Dark text on the tooltip colour.
  const Bitmap shown = WindowPixels(panel.tips);
  int dark = 0;
  int info = 0;
  for (int x = 0; x < shown.width(); ++x) {
    for (int y = 0; y < shown.height(); ++y) {
      const ColorRef c = shown.Pixel(x, y);
      dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200 ? 1 : 0;
      info += c == GetSysColor(COLOR_INFOBK) ? 1 : 0;
    }
  }
  EXPECT_GT(dark, 20);
  EXPECT_GT(info, shown.width() * shown.height() / 2);

  // Moving within the control keeps it; its time over, it goes.
  MouseMove(Item(kMaterial), Point{8, 6});
  PumpMessages();
  EXPECT_TRUE(panel.tips.IsWindowVisible());
  ASSERT_TRUE(FireTimer(panel.tips, ToolTipCtrl::kPopTimer));
  EXPECT_FALSE(panel.tips.IsWindowVisible());
  EXPECT_EQ(panel.tips.ShownTool(), nullptr);
  MouseMove(Item(kMaterial), Point{9, 6});  // no tip again until the mouse leaves
  PumpMessages();
  EXPECT_FALSE(HasTimer(panel.tips, ToolTipCtrl::kShowTimer));
}

TEST_F(ToolTipTest, AToolsOwnTextAndTheNextToolAfterTheReshowDelay) {
  Rest(Item(kTitle), Point{4, 4});
  EXPECT_EQ(panel.tips.ShownText(), "Title of the position");
  MouseMove(Item(kFrame), Point{4, 4});
  PumpMessages();
  EXPECT_FALSE(panel.tips.IsWindowVisible());
  ASSERT_TRUE(HasTimer(panel.tips, ToolTipCtrl::kShowTimer));  // the reshow delay
  ASSERT_TRUE(FireTimer(panel.tips, ToolTipCtrl::kShowTimer));
  EXPECT_EQ(panel.tips.ShownText(), "Storey frame");
  EXPECT_EQ(panel.tips.ShownTool(), &Item(kFrame));
}

TEST_F(ToolTipTest, AClickHidesTheTipUntilTheMouseLeavesTheControl) {
  Rest(Item(kTitle), Point{4, 4});
  ASSERT_TRUE(panel.tips.IsWindowVisible());
  MouseDown(Item(kTitle), Point{4, 4});
  PumpMessages();
  EXPECT_FALSE(panel.tips.IsWindowVisible());
  MouseUp(Item(kTitle), Point{4, 4});
  MouseMove(Item(kTitle), Point{6, 4});
  PumpMessages();
  EXPECT_FALSE(HasTimer(panel.tips, ToolTipCtrl::kShowTimer));
  // Leaving for a control without a tip, then coming back: the tip shows again.
  MouseMove(Item(kArc), Point{4, 4});
  PumpMessages();
  EXPECT_FALSE(HasTimer(panel.tips, ToolTipCtrl::kShowTimer));
  Rest(Item(kTitle), Point{4, 4});
  EXPECT_TRUE(panel.tips.IsWindowVisible());
}

TEST_F(ToolTipTest, TheMouseLeavingTheDialogHidesTheTip) {
  Rest(Item(kMaterial), Point{4, 4});
  ASSERT_TRUE(panel.tips.IsWindowVisible());
  input.SetCursorPos(Point{2000, 2000});  // no window of ours hears it
  ASSERT_TRUE(FireTimer(panel.tips, ToolTipCtrl::kLeaveTimer));
  EXPECT_FALSE(panel.tips.IsWindowVisible());
  EXPECT_FALSE(HasTimer(panel.tips, ToolTipCtrl::kLeaveTimer));
}

TEST_F(ToolTipTest, ADisabledControlShowsItsTipThroughTheDialog) {
  Item(kFrame).EnableWindow(false);
  Rect frame;
  Item(kFrame).GetWindowRect(&frame);
  panel.ScreenToClient(&frame);
  Rest(panel, Point{frame.left + 3, frame.top + 3});
  EXPECT_EQ(panel.tips.ShownText(), "Storey frame");
}

TEST_F(ToolTipTest, InactiveOrRemovedToolsShowNothing) {
  panel.tips.Activate(false);
  MouseMove(Item(kMaterial), Point{4, 4});
  PumpMessages();
  EXPECT_FALSE(HasTimer(panel.tips, ToolTipCtrl::kShowTimer));
  panel.tips.Activate(true);
  panel.tips.DelTool(&Item(kTitle));
  EXPECT_EQ(panel.tips.GetToolCount(), 2);
  MouseMove(Item(kTitle), Point{4, 4});
  PumpMessages();
  EXPECT_FALSE(HasTimer(panel.tips, ToolTipCtrl::kShowTimer));
  // The control's own text is read when the tip shows.
  Item(kMaterial).SetWindowText("&Materials");
  Rest(Item(kMaterial), Point{4, 4});
  EXPECT_EQ(panel.tips.ShownText(), "Materials");
}

}  // namespace
}  // namespace plat
