// Keyboard focus and mouse capture: Win32's messages in Win32's order, sent at
// once, also under the offscreen platform where Qt sends inactive windows no
// focus events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

std::vector<std::string> log;

std::string NameOf(Window* w);

// Logs focus, capture and mouse messages by its name.
class Named : public Window {
 public:
  explicit Named(std::string name) : name(std::move(name)) {}
  std::string name;
  Window* focus_on_kill = nullptr;  // moves the focus there while losing it
  bool destroy_on_kill = false;

 protected:
  void OnSetFocus(Window* old) override { log.push_back(name + " set " + NameOf(old)); }
  void OnKillFocus(Window* next) override {
    log.push_back(name + " kill " + NameOf(next) + " focus=" + NameOf(Window::GetFocus()));
    if (focus_on_kill) focus_on_kill->SetFocus();
    if (destroy_on_kill) DestroyWindow();
  }
  void OnCaptureChanged(Window* next) override { log.push_back(name + " capturechanged " + NameOf(next)); }
  void OnMouseMove(UINT, Point p) override {
    log.push_back(name + " move " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void OnLButtonUp(UINT, Point p) override {
    log.push_back(name + " up " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  bool OnSetCursor(Window*, UINT, UINT) override {
    log.push_back(name + " setcursor");
    return true;
  }
};

std::string NameOf(Window* w) {
  if (!w) return "-";
  auto* n = dynamic_cast<Named*>(w);
  return n ? n->name : "?";
}

class FocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log.clear();
    ASSERT_TRUE(frame.Create("frame", WS_VISIBLE, TopLevelRect()));
    ASSERT_TRUE(a.Create("", WS_CHILD | WS_VISIBLE, Rect{0, 0, 100, 100}, &frame, 1));
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE, Rect{100, 0, 200, 100}, &frame, 2));
    ASSERT_TRUE(other.Create("other", WS_VISIBLE, Rect{600, 100, 800, 300}));
    ASSERT_TRUE(c.Create("", WS_CHILD | WS_VISIBLE, Rect{0, 0, 50, 50}, &other, 3));
    a.SetFocus();
    log.clear();
  }
  Named frame{"frame"}, a{"a"}, b{"b"}, other{"other"}, c{"c"};
};

TEST_F(FocusTest, MovingTheFocusKillsTheOldWindowBeforeSettingTheNewOneAtOnce) {
  EXPECT_EQ(b.SetFocus(), &a);
  // Across top-level windows too, although Qt sends no focus events there now.
  EXPECT_EQ(c.SetFocus(), &b);
  EXPECT_EQ(Window::GetFocus(), &c);
  const std::vector<std::string> expected = {"a kill b focus=b", "b set a", "b kill c focus=c", "c set b"};
  EXPECT_EQ(log, expected);

  // Qt's late activations of the offscreen windows change nothing.
  ASSERT_TRUE(PumpMessages());
  EXPECT_EQ(log, expected);
  EXPECT_EQ(Window::GetFocus(), &c);
  // Qt's focus follows: keys typed by a person reach the focus window.
  EXPECT_EQ(WidgetOf(other)->focusWidget(), WidgetOf(c));

  // Setting the focus where it is sends nothing.
  EXPECT_EQ(c.SetFocus(), &c);
  EXPECT_EQ(log, expected);
}

TEST_F(FocusTest, KillFocusHandlerThatMovesTheFocusOnEndsTheOuterChange) {
  // The in-place editor's way: losing the focus, it hands it to its grid.
  a.focus_on_kill = &frame;
  b.SetFocus();
  EXPECT_EQ(Window::GetFocus(), &frame);
  const std::vector<std::string> expected = {"a kill b focus=b", "frame set -"};
  EXPECT_EQ(log, expected);
}

TEST_F(FocusTest, NoFocusAndDestroyedFocusWindow) {
  EXPECT_EQ(plat::SetFocus(nullptr), a.GetSafeHwnd());
  EXPECT_EQ(Window::GetFocus(), nullptr);
  b.SetFocus();
  log.clear();
  // The window with the focus hears of its loss before it goes; no window keeps the focus.
  b.DestroyWindow();
  EXPECT_EQ(log, std::vector<std::string>{"b kill - focus=-"});
  EXPECT_EQ(Window::GetFocus(), nullptr);
  EXPECT_EQ(plat::GetFocus(), nullptr);
}

TEST_F(FocusTest, WindowThatDestroysItselfWhenLosingTheFocus) {
  auto* editor = new Named("editor");
  ASSERT_TRUE(editor->Create("", WS_CHILD | WS_VISIBLE, Rect{5, 5, 50, 20}, &a, 9));
  editor->SetFocus();
  editor->destroy_on_kill = true;
  log.clear();
  b.SetFocus();
  EXPECT_FALSE(IsWindow(editor->GetSafeHwnd()));
  EXPECT_EQ(Window::GetFocus(), &b);
  const std::vector<std::string> expected = {"editor kill b focus=b", "b set -"};
  EXPECT_EQ(log, expected);
  delete editor;
}

TEST_F(FocusTest, ShowingTopLevelWindowActivatesItUnlessAskedNotTo) {
  Named shown("shown");
  ASSERT_TRUE(shown.Create("shown", WS_VISIBLE, Rect{200, 200, 300, 300}));
  EXPECT_EQ(Window::GetFocus(), &shown);
  EXPECT_EQ(log, (std::vector<std::string>{"a kill shown focus=shown", "shown set a"}));

  log.clear();
  Named quiet("quiet");
  ASSERT_TRUE(quiet.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "", WS_POPUP | WS_BORDER, Rect{}));
  ASSERT_TRUE(quiet.SetWindowPos(HWND_TOP, 10, 10, 40, 20, SWP_SHOWWINDOW | SWP_NOACTIVATE));
  Named inactive("inactive");
  ASSERT_TRUE(inactive.CreateEx(WS_EX_NOACTIVATE, "", WS_POPUP | WS_VISIBLE, Rect{0, 0, 10, 10}));
  other.ShowWindow(SW_HIDE);
  other.ShowWindow(SW_SHOWNOACTIVATE);
  EXPECT_TRUE(quiet.IsWindowVisible());
  EXPECT_TRUE(other.IsWindowVisible());
  EXPECT_EQ(Window::GetFocus(), &shown);
  EXPECT_TRUE(log.empty());
}

TEST_F(FocusTest, CaptureTakesEveryMouseMessageInItsClientCoordinates) {
  FakeInput input;
  EXPECT_EQ(a.SetCapture(), nullptr);
  EXPECT_EQ(Window::GetCapture(), &a);
  // Over another window: the message goes to the capture window, no WM_SETCURSOR is asked.
  MouseMove(b, {10, 20});
  MouseMove(c, {1, 2});
  MouseUp(b, {30, 40});
  // b lies 100 pixels right of a; c's window lies at (600, 100) on the screen, a's at (100, 100).
  const std::vector<std::string> captured = {"a move 110,20", "a move 501,2", "a up 130,40"};
  EXPECT_EQ(log, captured);

  log.clear();
  EXPECT_EQ(b.SetCapture(), &a);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(Window::GetCapture(), nullptr);
  MouseMove(b, {10, 20});
  const std::vector<std::string> released = {"a capturechanged b", "b capturechanged -", "b setcursor",
                                             "b move 10,20"};
  EXPECT_EQ(log, released);
}

TEST_F(FocusTest, CaptureEndsQuietlyWithItsWindow) {
  b.SetCapture();
  log.clear();
  b.DestroyWindow();
  EXPECT_EQ(Window::GetCapture(), nullptr);
  EXPECT_TRUE(log.empty());
  MouseMove(a, {3, 4});
  EXPECT_EQ(log, (std::vector<std::string>{"a setcursor", "a move 3,4"}));
}

// The geometry view's zoom rectangle: the button captures the mouse, every
// move erases the last rectangle and draws the new one in R2_NOT on the
// window's Dc, also beyond the window's edge, and the release ends it.
class RubberBand : public Window {
 public:
  Point anchor, last;
  bool active = false;
  std::vector<std::string> log;

 protected:
  void OnLButtonDown(UINT, Point p) override {
    SetCapture();
    anchor = last = p;
    active = true;
    Draw(anchor, last);
  }
  void OnMouseMove(UINT flags, Point p) override {
    if (!active || !(flags & MK_LBUTTON)) return;
    Draw(anchor, last);
    last = p;
    Draw(anchor, last);
  }
  void OnLButtonUp(UINT, Point p) override {
    if (!active) return;
    Draw(anchor, last);
    active = false;
    log.push_back("zoom " + std::to_string(p.x) + "," + std::to_string(p.y));
    ReleaseCapture();
  }
  void OnCaptureChanged(Window*) override {
    log.push_back("capture changed");
    Invalidate();
  }

 private:
  void Draw(Point a, Point b) {
    auto dc = GetDC();
    dc->SetROP2(R2_NOT);
    dc->SelectBrush(Brush::Null());
    dc->Rectangle(RectFromCorners(a, b));
  }
};

TEST(Capture, RubberBandDraggedBeyondTheWindowEndsThereAndLeavesThePictureAsItWas) {
  FakeInput input;
  RubberBand view;
  ASSERT_TRUE(view.Create("view", WS_VISIBLE, TopLevelRect()));
  Window beside;
  ASSERT_TRUE(beside.Create("beside", WS_VISIBLE, Rect{500, 100, 700, 400}));
  view.UpdateWindow();
  const Bitmap before = WindowPixels(view);

  MouseDown(view, {50, 60});
  MouseMove(view, {200, 150}, MK_LBUTTON);
  EXPECT_FALSE(WindowPixels(view).SamePixels(before));
  MouseMove(beside, {20, 30}, MK_LBUTTON);  // (420, 30) in the view
  MouseUp(beside, {20, 30});
  EXPECT_EQ(view.log, (std::vector<std::string>{"zoom 420,30", "capture changed"}));
  EXPECT_EQ(Window::GetCapture(), nullptr);
  EXPECT_TRUE(WindowPixels(view).SamePixels(before));
}

}  // namespace
}  // namespace plat::test
