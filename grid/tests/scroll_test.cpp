// Scrolling by rows and columns, into view, and by the wheel.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "grid/wheel_scroll.h"
#include "platform/settings_store/settings_store.h"
#include "platform/testing/window_testing.h"

namespace grid::test {
namespace {

using plat::Rect;
using Scroll = LoggingGrid::Scroll;

void Send(CGridCtrl& grid, plat::UINT message, plat::UINT code) {
  grid.SendMessage(message, plat::MAKEWPARAM(code, 0), 0);
}

TEST(GridScroll, LinesAndPagesStopAtTheLimit) {
  GridFixture f;
  f.MakeFixtureA();
  struct Step {
    plat::UINT code;
    int pos;
    int top_row;
  };
  const Step steps[] = {
      {plat::SB_LINEDOWN, 10, 2}, {plat::SB_LINEDOWN, 10, 2}, {plat::SB_LINEUP, 0, 1},  {plat::SB_LINEUP, 0, 1},
      {plat::SB_PAGEDOWN, 10, 2}, {plat::SB_PAGEUP, 0, 1},    {plat::SB_BOTTOM, 10, 2}, {plat::SB_TOP, 0, 1},
  };
  for (const Step& s : steps) {
    Send(f.grid, plat::WM_VSCROLL, s.code);
    EXPECT_EQ(f.grid.GetScrollPos(plat::SB_VERT), s.pos) << s.code;
    EXPECT_EQ(f.grid.TopLeftScrollableCell().row, s.top_row) << s.code;
  }
  EXPECT_EQ(plat::Window::GetFocus(), &f.grid);  // scrolling takes the focus
  f.grid.SendMessage(plat::WM_VSCROLL, plat::MAKEWPARAM(plat::SB_THUMBPOSITION, 7), 0);
  EXPECT_EQ(f.grid.GetScrollPos(plat::SB_VERT), 7);
  EXPECT_EQ(f.grid.TopLeftScrollableCell().row, 2);
  f.grid.SendMessage(plat::WM_HSCROLL, plat::MAKEWPARAM(plat::SB_THUMBTRACK, 99), 0);
  EXPECT_EQ(f.grid.GetScrollPos(plat::SB_HORZ), 30);
  EXPECT_EQ(f.grid.TopLeftScrollableCell().col, 2);
}

TEST(GridScroll, DraggingTheThumbScrollsToWhereItIsLetGo) {
  GridFixture f;
  f.MakeFixtureA();
  plat::testing::DragScrollThumb(f.grid, plat::SB_HORZ, 60, 3);
  EXPECT_GT(f.grid.GetScrollPos(plat::SB_HORZ), 0);
  EXPECT_EQ(f.grid.TopLeftScrollableCell().col, 2);
}

TEST(GridScroll, ScrolledRowsMoveTheCellsAndTheHeadingsStay) {
  GridFixture f;
  f.MakeFixtureA();
  Send(f.grid, plat::WM_VSCROLL, plat::SB_LINEDOWN);
  Rect rect;
  EXPECT_FALSE(f.grid.GetCellRect(1, 1, &rect));
  ASSERT_TRUE(f.grid.GetCellRect(2, 1, &rect));
  EXPECT_EQ(rect, (Rect{40, 30, 89, 49}));
  ASSERT_TRUE(f.grid.GetCellRect(0, 1, &rect));
  EXPECT_EQ(rect, (Rect{40, 0, 89, 29}));
  EXPECT_EQ(f.grid.CellAtPoint(plat::Point{45, 35}), CCellID(2, 1));
  EXPECT_EQ(f.grid.VisibleScrollableRange(), (CellRange{2, 1, 4, 3}));
  EXPECT_FALSE(f.grid.CellIsVisible(1, 1));
}

TEST(GridScroll, ACellBelowComesIntoViewWithOneLineDown) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.ScrollCellIntoView(4, 1);
  EXPECT_EQ(f.grid.scrolls, (std::vector<Scroll>{{plat::WM_VSCROLL, plat::SB_LINEDOWN}}));
  EXPECT_EQ(f.grid.GetScrollPos(plat::SB_VERT), 10);
  f.grid.scrolls.clear();
  f.grid.ScrollCellIntoView(2, 1);  // already shown whole
  EXPECT_TRUE(f.grid.scrolls.empty());
}

TEST(GridScroll, ACellOnTheRightComesIntoViewWithOneLineRight) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.ScrollCellIntoView(1, 3);
  EXPECT_EQ(f.grid.scrolls, (std::vector<Scroll>{{plat::WM_HSCROLL, plat::SB_LINERIGHT}}));
  EXPECT_EQ(f.grid.GetScrollPos(plat::SB_HORZ), 30);
  EXPECT_EQ(f.grid.TopLeftScrollableCell().col, 2);
  Rect rect;
  ASSERT_TRUE(f.grid.GetCellRect(1, 3, &rect));
  EXPECT_EQ(rect, (Rect{90, 30, 169, 49}));
  Send(f.grid, plat::WM_HSCROLL, plat::SB_LINELEFT);
  EXPECT_EQ(f.grid.GetScrollPos(plat::SB_HORZ), 0);
  EXPECT_EQ(f.grid.TopLeftScrollableCell().col, 1);
  f.grid.scrolls.clear();
  f.grid.ScrollCellIntoView(1, 1);  // the first column: nothing to the left
  Send(f.grid, plat::WM_HSCROLL, plat::SB_LINELEFT);
  EXPECT_EQ(f.grid.GetScrollPos(plat::SB_HORZ), 0);
}

TEST(WheelScrollPosts, NotchesTimesLinesCappedAtTheRows) {
  struct Case {
    int delta, lines, rows;
    WheelScroll expected;
  };
  const Case cases[] = {
      {-120, 3, 5, {plat::SB_LINEDOWN, 3}},
      {120, 3, 5, {plat::SB_LINEUP, 3}},
      {60, 3, 5, {plat::SB_LINEUP, 1}},  // a half notch
      {-240, 3, 100, {plat::SB_LINEDOWN, 6}},
      {-120, -1, 5, {plat::SB_PAGEDOWN, 1}},
      {240, -1, 5, {plat::SB_PAGEUP, 2}},
      {-120, 2147483647, 5, {plat::SB_LINEDOWN, 5}},
      {32767, 2147483647, 5, {plat::SB_LINEUP, 5}},
      {-32768, -2147483647 - 1, 7, {plat::SB_LINEUP, 7}},
      {-120, 0, 5, {plat::SB_LINEDOWN, 0}},
      {-120, 3, 0, {plat::SB_LINEDOWN, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WheelScrollPosts(c.delta, c.lines, c.rows), c.expected) << c.delta << " x " << c.lines;
  }
}

// The wheel posts its scroll messages to the grid; "WheelScrollLines" is read
// from the settings store.
TEST(GridScroll, TheWheelPostsLineScrollsToTheGrid) {
  struct Case {
    const char* setting;  // nullptr: none stored
    int delta;
    std::vector<Scroll> posts;
  };
  const Scroll down{plat::WM_VSCROLL, plat::SB_LINEDOWN};
  const Scroll up{plat::WM_VSCROLL, plat::SB_LINEUP};
  const Case cases[] = {
      {nullptr, -120, {down, down, down}},
      {nullptr, 120, {up, up, up}},
      {"-1", -120, {{plat::WM_VSCROLL, plat::SB_PAGEDOWN}}},
      {"2147483647", -120, {down, down, down, down, down}},
      {"99999999999", 120, {up, up, up, up, up}},
  };
  for (const Case& c : cases) {
    plat::SettingsStore store;
    if (c.setting) {
      ASSERT_TRUE(store.SetString("Control Panel/Desktop", "WheelScrollLines", c.setting));
    } else {
      store.DeleteValue("Control Panel/Desktop", "WheelScrollLines");
    }
    GridFixture f;
    f.MakeFixtureA();
    ASSERT_TRUE(plat::testing::PumpMessages());
    f.grid.scrolls.clear();
    f.grid.SendMessage(plat::WM_MOUSEWHEEL, plat::MAKEWPARAM(0, static_cast<unsigned>(c.delta)), 0);
    EXPECT_TRUE(f.grid.scrolls.empty());  // posted, not sent
    ASSERT_TRUE(plat::testing::PumpMessages());
    EXPECT_EQ(f.grid.scrolls, c.posts) << (c.setting ? c.setting : "none") << " " << c.delta;
  }
}

}  // namespace
}  // namespace grid::test
