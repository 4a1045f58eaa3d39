// Child, popup and tool windows: borders, placement, the window under a point,
// hit tests, and a title tip that passes the mouse on to the window beneath.
#include <gtest/gtest.h>

#include <QWidget>

#include <string>
#include <vector>

#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

TEST(Placement, BorderedChildHasItsClientAreaInsideTheBorder) {
  Recorder parent;
  ASSERT_TRUE(parent.Create("parent", WS_VISIBLE, TopLevelRect()));
  Recorder child;
  ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER, Rect{10, 20, 110, 45}, &parent));
  Rect client;
  child.GetClientRect(&client);
  EXPECT_EQ(client, (Rect{0, 0, 98, 23}));
  Rect window;
  child.GetWindowRect(&window);
  EXPECT_EQ(window, (Rect{110, 120, 210, 145}));
  Point origin{0, 0};
  child.ClientToScreen(&origin);
  EXPECT_EQ(origin, (Point{111, 121}));
  child.ScreenToClient(&origin);
  EXPECT_EQ(origin, (Point{0, 0}));

  // The mouse on the client's first pixel arrives as (0, 0); on the border nothing arrives.
  child.calls.clear();
  MouseMove(child, {0, 0});
  QWidget* widget = WidgetOf(child);
  EXPECT_EQ(widget->mapToGlobal(QPoint(1, 1)), QPoint(111, 121));
  EXPECT_EQ(child.calls, std::vector<std::string>{"Move 0 (0,0)"});
}

TEST(Placement, MoveWindowPlacesAndSizesWithWmSize) {
  Recorder parent;
  ASSERT_TRUE(parent.Create("parent", WS_VISIBLE, TopLevelRect()));
  Recorder child;
  ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, Rect{0, 0, 50, 20}, &parent));
  child.calls.clear();
  child.MoveWindow(Rect{30, 40, 130, 60});
  EXPECT_EQ(child.calls, std::vector<std::string>{"Size 0 100 20"});
  Rect window;
  child.GetWindowRect(&window);
  EXPECT_EQ(window, (Rect{130, 140, 230, 160}));
  // Only a place: no WM_SIZE.
  child.calls.clear();
  child.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(child.calls.empty());
  child.GetWindowRect(&window);
  EXPECT_EQ(window, (Rect{100, 100, 200, 120}));
}

// A title tip over a cell of a grid: shown without activation, it holds the
// capture; a move outside its title rectangle hides it and hands the move to
// the window beneath.
class Grid : public Window {
 public:
  std::vector<std::string> moves;

 protected:
  void OnMouseMove(UINT, Point p) override { moves.push_back(std::to_string(p.x) + "," + std::to_string(p.y)); }
};

class TitleTip : public Window {
 public:
  Rect title;  // client coordinates
  Window* handed_to = nullptr;
  int hit = HTNOWHERE;

 protected:
  void OnMouseMove(UINT flags, Point p) override {
    if (p.x >= title.left && p.x < title.right && p.y >= title.top && p.y < title.bottom) return;
    ReleaseCapture();
    ShowWindow(SW_HIDE);
    ClientToScreen(&p);
    Window* under = WindowFromPoint(p);
    if (!under) return;
    if (under == this) under = GetParent();
    handed_to = under;
    hit = static_cast<int>(under->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
    if (hit == static_cast<int>(HTCLIENT)) {
      under->ScreenToClient(&p);
      under->PostMessage(WM_MOUSEMOVE, flags, MAKELPARAM(p.x, p.y));
    }
  }
};

TEST(Placement, TitleTipShownWithoutActivationHandsTheMouseOnWhenLeft) {
  FakeInput input;
  Window dialog;
  ASSERT_TRUE(dialog.Create("dialog", WS_VISIBLE, TopLevelRect()));
  Grid grid;
  ASSERT_TRUE(grid.Create("", WS_CHILD | WS_VISIBLE | WS_VSCROLL, Rect{10, 10, 310, 210}, &dialog, 7));
  grid.SetFocus();

  TitleTip tip;
  ASSERT_TRUE(tip.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "", WS_POPUP | WS_BORDER, Rect{}));
  EXPECT_FALSE(tip.IsWindowVisible());
  // Over the cell (20, 30)-(60, 50) of the grid, measured wider.
  Point corner{20, 30};
  grid.ClientToScreen(&corner);
  ASSERT_TRUE(tip.SetWindowPos(HWND_TOP, corner.x, corner.y, 80, 20, SWP_SHOWWINDOW | SWP_NOACTIVATE));
  tip.title = Rect{-1, -1, 40, 21};
  tip.SetCapture();
  EXPECT_TRUE(tip.IsWindowVisible());
  EXPECT_EQ(Window::GetFocus(), &grid);
  EXPECT_EQ(Window::WindowFromPoint(Point{corner.x + 30, corner.y + 10}), &tip);
  EXPECT_EQ(Window::WindowFromPoint(Point{corner.x + 100, corner.y + 10}), &grid);
  Rect client;
  grid.GetClientRect(&client);
  Point over_bar{client.right + 5, 100};  // the scroll bar on the grid's right
  grid.ClientToScreen(&over_bar);
  EXPECT_EQ(grid.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(over_bar.x, over_bar.y)), HTVSCROLL);

  MouseMove(grid, {40, 35});  // inside the title rectangle: the tip stays
  EXPECT_TRUE(tip.IsWindowVisible());
  EXPECT_TRUE(grid.moves.empty());
  MouseMove(grid, {70, 35});  // beyond it
  EXPECT_FALSE(tip.IsWindowVisible());
  EXPECT_EQ(Window::GetCapture(), nullptr);
  EXPECT_EQ(tip.handed_to, &grid);
  EXPECT_EQ(tip.hit, static_cast<int>(HTCLIENT));
  ASSERT_TRUE(PumpMessages());
  EXPECT_EQ(grid.moves, std::vector<std::string>{"70,35"});
  EXPECT_EQ(Window::WindowFromPoint(Point{corner.x + 30, corner.y + 10}), &grid);
}

}  // namespace
}  // namespace plat::test
