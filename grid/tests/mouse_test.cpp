// The mouse: focus and selection by clicks, heading clicks, switch cells,
// resizing at the dividers and the auto-scroll timer (fixture A: columns at
// x 0, 40, 90, 140; rows at y 0, 30, 50, 70, 90).
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "platform/testing/window_testing.h"
#include "platform/window/cursor.h"
#include "platform/window/virtual_keys.h"

namespace grid::test {
namespace {

using plat::testing::Click;
using plat::testing::MouseButton;

struct MouseFixture : GridFixture {
  MouseFixture() {
    MakeFixtureA();
    grid.SetHost(&host);
  }
  void ClickAt(plat::Point p, unsigned mods = 0) {
    Click(grid, p, MouseButton::kLeft, mods);
    ASSERT_TRUE(plat::testing::PumpMessages());
  }
};

TEST(GridMouse, AClickMovesTheFocusSelectsTheCellAndTellsTheOwner) {
  MouseFixture f;
  f.ClickAt({45, 35});
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyFocusChanged, -1, -1}, {kCommandNote, 5, -1}}));
  EXPECT_EQ(SelectionOf(f.grid), "(1,1)");

  f.parent.notes.clear();
  f.ClickAt({95, 55});
  // The focus is cleared before it is set.
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyCellActivated, 1, 1},
                                               {GridNotifyFocusChanged, -1, -1},
                                               {kCommandNote, 5, -1}}));
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID(2, 2));

  f.ClickAt({145, 75}, plat::testing::kCtrl);
  EXPECT_EQ(SelectionOf(f.grid), "(2,2)(3,3)");

  f.grid.SetFocusCell(1, 1);
  f.ClickAt({145, 75}, plat::testing::kShift);
  EXPECT_EQ(SelectionOf(f.grid), "(1,1)(1,2)(1,3)(2,1)(2,2)(2,3)(3,1)(3,2)(3,3)");
}

TEST(GridMouse, HeadingClicksSelectColumnsRowsOrAll) {
  struct Case {
    plat::Point point;
    std::string selection;
    CCellID focus;
    std::vector<std::string> host_log;
  };
  const Case cases[] = {
      {{100, 10}, "(1,2)(2,2)(3,2)(4,2)", {1, 2}, {}},
      {{10, 55}, "(2,1)(2,2)(2,3)", {2, 1}, {"rows 2 0"}},
      {{10, 10}, "(1,1)(1,2)(1,3)(2,1)(2,2)(2,3)(3,1)(3,2)(3,3)(4,1)(4,2)(4,3)", {1, 1}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selection);
    MouseFixture f;
    f.ClickAt(c.point);
    EXPECT_EQ(SelectionOf(f.grid), c.selection);
    EXPECT_EQ(f.grid.GetFocusCell(), c.focus);
    EXPECT_EQ(f.host.log, c.host_log);
  }
}

TEST(GridMouse, AClickFlipsASwitchCellBetweenZeroAndOneOnly) {
  MouseFixture f;
  f.grid.SetItemText(0, 3, "u");
  f.grid.SetItemText(2, 3, "0");
  f.grid.SetItemText(3, 3, "2");
  f.ClickAt({145, 55});
  f.ClickAt({145, 75});
  f.ClickAt({145, 10});
  EXPECT_EQ(f.grid.GetItemText(2, 3), "1");
  EXPECT_EQ(f.grid.GetItemText(3, 3), "2");
  EXPECT_EQ(f.grid.GetItemText(0, 3), "u");
  f.ClickAt({145, 55});
  EXPECT_EQ(f.grid.GetItemText(2, 3), "0");
}

TEST(GridMouse, ADragAtADividerResizesItsColumnOrRow) {
  struct Case {
    plat::Point hover;
    plat::Point release;
    int mode;
    int cursor;
    bool column;
    int index;
    int size;
  };
  const Case cases[] = {
      {{88, 10}, {120, 10}, kMouseOverColumnDivider, plat::IDC_SIZEWE, true, 1, 80},
      {{88, 10}, {30, 10}, kMouseOverColumnDivider, plat::IDC_SIZEWE, true, 1, 50},  // negative: kept
      {{41, 10}, {60, 10}, kMouseOverColumnDivider, plat::IDC_SIZEWE, true, 0, 60},
      {{10, 48}, {10, 70}, kMouseOverRowDivider, plat::IDC_SIZENS, false, 1, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release.x * 1000 + c.release.y);
    MouseFixture f;
    plat::testing::MouseMove(f.grid, c.hover);
    EXPECT_EQ(f.grid.GetMouseMode(), c.mode);
    EXPECT_EQ(plat::CursorId(plat::GetCursor()), c.cursor);
    plat::testing::MouseDown(f.grid, c.hover);
    plat::testing::MouseMove(f.grid, c.release, plat::MK_LBUTTON);
    plat::testing::MouseUp(f.grid, c.release);
    ASSERT_TRUE(plat::testing::PumpMessages());
    EXPECT_EQ(c.column ? f.grid.GetColumnWidth(c.index) : f.grid.GetRowHeight(c.index), c.size);
    EXPECT_EQ(f.grid.GetMouseMode(), kMouseNothing);
  }
}

TEST(GridMouse, AClickThatStartsAResizeLeavesTheFocusWhereItWas) {
  struct Case {
    plat::Point at;  // with the first row scrolled off
    CCellID focus;
    std::string selection;
  };
  const Case cases[] = {
      {{88, 10}, {4, 2}, "(4,2)"},  // a column divider
      {{10, 48}, {4, 2}, "(4,2)"},  // a row divider
      {{100, 10}, {1, 2}, "(1,2)(2,2)(3,2)(4,2)"},  // a heading cell: its column from row 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selection);
    MouseFixture f;
    f.ClickAt({95, 95});
    ASSERT_EQ(f.grid.GetFocusCell(), CCellID(4, 2));
    f.grid.SendMessage(plat::WM_VSCROLL, plat::SB_LINEDOWN);
    ASSERT_EQ(f.grid.TopLeftScrollableCell(), CCellID(2, 1));
    plat::testing::MouseMove(f.grid, c.at);
    f.ClickAt(c.at);
    EXPECT_EQ(f.grid.GetFocusCell(), c.focus);
    EXPECT_EQ(SelectionOf(f.grid), c.selection);
    EXPECT_EQ(f.grid.GetMouseMode(), kMouseNothing);
  }
}

TEST(GridMouse, AButtonHeldBelowTheGridScrollsByTheHostsKeysAndExtendsTheSelection) {
  MouseFixture f;
  plat::testing::FakeInput input;
  plat::testing::MouseDown(f.grid, {45, 35});
  EXPECT_TRUE(plat::testing::HasTimer(f.grid, kAutoScrollTimer));
  plat::testing::MouseMove(f.grid, {60, 120}, plat::MK_LBUTTON);
  plat::Point screen{60, 120};
  f.grid.ClientToScreen(&screen);
  input.SetCursorPos(screen);
  ASSERT_TRUE(plat::testing::FireTimer(f.grid, kAutoScrollTimer));
  EXPECT_EQ(f.host.log, (std::vector<std::string>{"key " + std::to_string(plat::VK_DOWN)}));
  EXPECT_EQ(SelectionOf(f.grid), "(1,1)(2,1)(3,1)(4,1)");
  plat::testing::MouseUp(f.grid, {60, 120});
  EXPECT_FALSE(plat::testing::HasTimer(f.grid, kAutoScrollTimer));
}

TEST(GridMouse, ADoubleClickFitsTheColumnAtADividerAndEditsACell) {
  MouseFixture f;
  f.grid.SetItemText(0, 1, "a rather long heading");
  MouseFixture reference;
  reference.grid.SetItemText(0, 1, "a rather long heading");
  ASSERT_TRUE(reference.grid.FitColumnWidth(1));
  plat::testing::MouseMove(f.grid, {88, 10});
  plat::testing::DoubleClick(f.grid, {88, 10});
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(f.grid.GetColumnWidth(1), reference.grid.GetColumnWidth(1));
  EXPECT_NE(f.grid.GetColumnWidth(1), 50);

  f.grid.SetFocus();
  f.grid.SetColumnWidth(1, 50);
  plat::testing::DoubleClick(f.grid, {95, 55});
  ASSERT_TRUE(plat::testing::PumpMessages());
  ASSERT_NE(f.grid.GetDlgItem(kCellEditorId), nullptr);
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID(2, 2));
}

TEST(GridMouse, WithDragAndDropAClickOnTheSelectionThatStartsNoDragClearsIt) {
  MouseFixture f;
  f.grid.SetDragAndDrop(true);
  f.ClickAt({45, 35});
  f.ClickAt({95, 55}, plat::testing::kShift);
  ASSERT_EQ(SelectionOf(f.grid), "(1,1)(1,2)(2,1)(2,2)");
  plat::testing::MouseDown(f.grid, {45, 35});
  EXPECT_EQ(f.grid.GetMouseMode(), kMousePrepareDrag);
  plat::testing::MouseUp(f.grid, {45, 35});
  EXPECT_EQ(SelectionOf(f.grid), "");
}

TEST(GridMouse, TheGridAsksForArrowsCharactersAndTabWhenItHandlesTab) {
  MouseFixture f;
  EXPECT_EQ(f.grid.SendMessage(plat::WM_GETDLGCODE), 131);
  f.grid.SetHandleTabKey(false);
  EXPECT_EQ(f.grid.SendMessage(plat::WM_GETDLGCODE), 129);
}

}  // namespace
}  // namespace grid::test
