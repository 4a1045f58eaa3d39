// The table keys that the hosts share: every key ends with the focus cell in
// view, also a key whose target is the focus cell itself.
#include <gtest/gtest.h>

#include "grid/table_keys.h"
#include "grid/tests/fixture.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace grid::test {
namespace {

// Fixture A grown to 30 rows: a few rows are shown, column 3 only in part.
void MakeLongTable(GridFixture& f) {
  f.MakeFixtureA();
  ASSERT_TRUE(f.grid.SetRowCount(30));
}

// The cell lies whole inside the client area, below the headings.
bool ShownWhole(const CGridCtrl& grid, CCellID cell) {
  plat::Rect rect;
  if (!grid.GetCellRect(cell.row, cell.col, &rect)) return false;
  const plat::Rect client = ClientOf(grid);
  return rect.top >= 30 && rect.left >= 40 && rect.bottom < client.bottom && rect.right < client.right;
}

TEST(TableKeys, AKeyWhoseTargetIsTheFocusCellScrollsItIntoView) {
  enum class Via { kMove, kCopy };
  struct Case {
    const char* what;
    CCellID focus;
    plat::UINT scroll;  // where the bar was dragged before the key
    plat::UINT vk;
    bool shift;
    Via via;
  } cases[] = {
      {"Home on the first row", {1, 1}, plat::SB_BOTTOM, plat::VK_HOME, false, Via::kMove},
      {"Up on the first row", {1, 1}, plat::SB_BOTTOM, plat::VK_UP, false, Via::kMove},
      {"Shift+Up on the first row", {1, 1}, plat::SB_BOTTOM, plat::VK_UP, true, Via::kMove},
      {"Page up to the first row", {1, 1}, plat::SB_BOTTOM, plat::VK_PRIOR, false, Via::kMove},
      {"Left in the first column", {1, 1}, plat::SB_BOTTOM, plat::VK_LEFT, false, Via::kMove},
      {"Shift+Tab in the first cell", {1, 1}, plat::SB_BOTTOM, plat::VK_TAB, true, Via::kMove},
      {"Ctrl+Left in the first column", {1, 1}, plat::SB_BOTTOM, plat::VK_LEFT, false, Via::kCopy},
      {"End on the last row", {29, 1}, plat::SB_TOP, plat::VK_END, false, Via::kMove},
      {"Down on the last row", {29, 1}, plat::SB_TOP, plat::VK_DOWN, false, Via::kMove},
      {"Page down to the last row", {29, 2}, plat::SB_TOP, plat::VK_NEXT, false, Via::kMove},
      {"Tab in the last cell", {29, 3}, plat::SB_TOP, plat::VK_TAB, false, Via::kMove},
      {"Right in the last column", {29, 3}, plat::SB_TOP, plat::VK_RIGHT, false, Via::kMove},
      {"Ctrl+Right in the last column", {29, 3}, plat::SB_TOP, plat::VK_RIGHT, false, Via::kCopy},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GridFixture f;
    MakeLongTable(f);
    f.grid.SetFocusCell(c.focus);
    f.grid.SendMessage(plat::WM_VSCROLL, plat::MAKEWPARAM(c.scroll, 0), 0);
    ASSERT_FALSE(ShownWhole(f.grid, c.focus));
    ASSERT_TRUE(c.via == Via::kMove ? MoveByTableKey(f.grid, c.vk, c.shift) : CopyToNeighbourKey(f.grid, c.vk));
    EXPECT_EQ(f.grid.GetFocusCell(), c.focus);
    EXPECT_TRUE(ShownWhole(f.grid, c.focus));
  }
}

// The wheel scrolls the table away from the focus; Home brings it back.
TEST(TableKeys, HomeAfterTheWheelShowsTheFocusCellAgain) {
  GridFixture f;
  MakeLongTable(f);
  f.grid.SetFocusCell(1, 1);
  plat::testing::Wheel(f.grid, -120);
  plat::testing::PumpMessages();
  ASSERT_GT(f.grid.TopLeftScrollableCell().row, 1);
  ASSERT_TRUE(MoveByTableKey(f.grid, plat::VK_HOME, false));
  EXPECT_EQ(f.grid.TopLeftScrollableCell().row, 1);
}

// A move into a row that the client area cuts shows it whole.
TEST(TableKeys, AMoveIntoARowShownInPartShowsItWhole) {
  GridFixture f;
  MakeLongTable(f);
  f.grid.SetFocusCell(3, 1);
  ASSERT_TRUE(f.grid.CellIsVisible(4, 1));
  ASSERT_FALSE(ShownWhole(f.grid, CCellID(4, 1)));
  ASSERT_TRUE(MoveByTableKey(f.grid, plat::VK_DOWN, false));
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID(4, 1));
  EXPECT_TRUE(ShownWhole(f.grid, CCellID(4, 1)));
}

}  // namespace
}  // namespace grid::test
