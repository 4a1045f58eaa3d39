// Title tips: shown over a cell whose text does not fit, passing clicks and
// keys on to the grid.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "platform/dc/painter_dc.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace grid::test {
namespace {

struct TipFixture : GridFixture {
  // Column 1 as wide as " abcdef " measures, plus `extra`.
  explicit TipFixture(int extra) {
    MakeFixtureA();
    grid.SetHost(&host);
    grid.EnableTitleTips(true);
    grid.SetItemText(1, 1, "abcdef");
    plat::Bitmap scratch(1, 1);
    plat::PainterDc dc(scratch);
    dc.SelectFont(grid.GetGridFont());
    grid.SetColumnWidth(1, dc.GetTextExtent(" abcdef ").cx + extra);
    grid.SetFocus();
  }
  bool TipShown() { return grid.title_tip().GetSafeHwnd() && grid.title_tip().IsWindowVisible(); }
};

TEST(GridTitleTip, ATextWiderThanItsCellShowsOverTheCell) {
  TipFixture f(0);
  plat::testing::MouseMove(f.grid, {45, 35});
  ASSERT_TRUE(f.TipShown());
  plat::Rect tip;
  f.grid.title_tip().GetWindowRect(&tip);
  plat::Point cell{40, 30};
  f.grid.ClientToScreen(&cell);
  EXPECT_EQ(tip.left, cell.x);
  EXPECT_EQ(tip.top, cell.y);
  EXPECT_EQ(plat::Window::GetCapture(), &f.grid.title_tip());
}

TEST(GridTitleTip, ATextThatFitsOrNoFocusedWindowShowsNone) {
  {
    TipFixture f(1);
    plat::testing::MouseMove(f.grid, {45, 35});
    EXPECT_FALSE(f.TipShown());
  }
  {
    TipFixture f(0);
    plat::SetFocus(nullptr);
    plat::testing::MouseMove(f.grid, {45, 35});
    EXPECT_FALSE(f.TipShown());
  }
}

TEST(GridTitleTip, AClickOnTheTipReachesTheGridAndHidesIt) {
  TipFixture f(0);
  plat::testing::MouseMove(f.grid, {45, 35});
  ASSERT_TRUE(f.TipShown());
  plat::Point point{45, 35};
  f.grid.ClientToScreen(&point);
  f.grid.title_tip().ScreenToClient(&point);
  plat::testing::MouseDown(f.grid.title_tip(), point);
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_FALSE(f.TipShown());
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID(1, 1));
  EXPECT_EQ(f.grid.GetClickedCell(), CCellID(1, 1));
}

TEST(GridTitleTip, AKeyHidesTheTipAndReachesTheGrid) {
  TipFixture f(0);
  plat::testing::MouseMove(f.grid, {45, 35});
  ASSERT_TRUE(f.TipShown());
  plat::testing::PressKey(f.grid, plat::VK_DOWN);
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_FALSE(f.TipShown());
  EXPECT_EQ(f.host.log, (std::vector<std::string>{"key " + std::to_string(plat::VK_DOWN)}));
}

}  // namespace
}  // namespace grid::test
