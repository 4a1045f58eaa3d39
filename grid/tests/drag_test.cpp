// Drag and drop of cell text: the effect a drop would have, and a drag of
// cells within the grid that moves or copies them.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "platform/testing/drag_testing.h"
#include "platform/testing/window_testing.h"

namespace grid::test {
namespace {

// Fixture A: (1,1) lies at 40..89 x 30..49, (2,1) below it, (1,2) right of it.
constexpr plat::Point kCell11{60, 40};
constexpr plat::Point kCell21{60, 60};
constexpr plat::Point kCell12{110, 40};
constexpr plat::Point kHeading{20, 40};

TEST(GridDrop, TheEffectDependsOnTheSwitchesTheCellAndCtrl) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetItemState(1, 2, kStateReadOnly);
  const auto data = plat::DataObject::FromText("t");
  struct Case {
    bool drag_and_drop;
    bool editable;
    plat::Point at;
    std::uint32_t keys;
    plat::DROPEFFECT effect;
  };
  const Case cases[] = {
      {true, true, kHeading, 0, plat::DROPEFFECT_NONE},
      {true, true, kCell12, 0, plat::DROPEFFECT_NONE},
      {true, true, kCell11, plat::MK_CONTROL, plat::DROPEFFECT_COPY},
      {true, true, kCell11, 0, plat::DROPEFFECT_MOVE},
      {false, true, kCell11, 0, plat::DROPEFFECT_NONE},
      {true, false, kCell11, 0, plat::DROPEFFECT_NONE},
  };
  for (const Case& c : cases) {
    f.grid.SetDragAndDrop(c.drag_and_drop);
    f.grid.SetEditable(c.editable);
    EXPECT_EQ(f.grid.OnDragEnter(*data, c.keys, c.at), c.effect) << c.at.x << " " << c.keys;
    EXPECT_EQ(f.grid.OnDragOver(*data, c.keys, c.at), c.effect) << c.at.x << " " << c.keys;
    f.grid.OnDragLeave();
  }
  // The highlighted cell follows the drag and is cleared when it leaves.
  f.grid.SetDragAndDrop(true);
  f.grid.SetEditable(true);
  f.grid.OnDragOver(*data, 0, kCell11);
  EXPECT_TRUE(f.grid.GetItemState(1, 1) & kStateDropTarget);
  f.grid.OnDragOver(*data, 0, kCell21);
  EXPECT_FALSE(f.grid.GetItemState(1, 1) & kStateDropTarget);
  EXPECT_TRUE(f.grid.GetItemState(2, 1) & kStateDropTarget);
  EXPECT_EQ(f.grid.OnDragOver(*data, 0, plat::Point{60, 150}), plat::DROPEFFECT_NONE);  // below the rows
  EXPECT_FALSE(f.grid.GetItemState(2, 1) & kStateDropTarget);
  // The drop target never scrolls and answers for its grid only.
  ASSERT_TRUE(f.grid.drop_target().Register(&f.grid));
  EXPECT_EQ(f.grid.drop_target().OnDragScroll(&f.grid, plat::MK_CONTROL, kCell11), plat::DROPEFFECT_COPY);
  EXPECT_EQ(f.grid.drop_target().OnDragScroll(&f.grid, 0, kCell11), plat::DROPEFFECT_MOVE);
  EXPECT_EQ(f.grid.drop_target().OnDragEnter(&f.parent, *data, 0, kCell11), plat::DROPEFFECT_NONE);
}

class DragOfTwoCells : public ::testing::TestWithParam<bool> {};

TEST_P(DragOfTwoCells, MovesOrWithCtrlCopiesThemWithinTheGrid) {
  const bool ctrl = GetParam();
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetDragAndDrop(true);
  ASSERT_TRUE(f.grid.drop_target().Register(&f.grid));
  f.grid.SetItemText(1, 1, "a");
  f.grid.SetItemText(2, 1, "b");
  f.grid.SelectCellRange(1, 1, 2, 1);
  f.parent.notes.clear();
  plat::testing::DragScript script({{&f.grid, kCell21, ctrl ? plat::testing::kCtrl : 0u}});
  f.grid.StartCellDrag();
  EXPECT_EQ(script.runs(), 1);
  ASSERT_FALSE(f.parent.notes.empty());
  EXPECT_EQ(f.parent.notes.front(), (Note{GridNotifyBeginDrag, 1, 1}));
  EXPECT_EQ(f.grid.GetItemText(1, 1), ctrl ? "a" : "");
  EXPECT_EQ(f.grid.GetItemText(2, 1), "a");
  EXPECT_EQ(f.grid.GetItemText(3, 1), "b");
  EXPECT_EQ(f.grid.GetMouseMode(), kMouseNothing);
  EXPECT_FALSE(f.grid.GetItemState(2, 1) & kStateDropTarget);
}

INSTANTIATE_TEST_SUITE_P(MoveAndCopy, DragOfTwoCells, ::testing::Bool());

TEST(GridDrag, PressingOnTheSelectionAndMovingDragsItElsewhere) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetDragAndDrop(true);
  ASSERT_TRUE(f.grid.drop_target().Register(&f.grid));
  f.grid.SetItemText(1, 1, "a");
  f.grid.SetItemText(2, 1, "b");
  plat::testing::Click(f.grid, {45, 35});
  plat::testing::Click(f.grid, {45, 55}, plat::testing::MouseButton::kLeft, plat::testing::kShift);
  ASSERT_TRUE(plat::testing::PumpMessages());
  ASSERT_EQ(SelectionOf(f.grid), "(1,1)(2,1)");
  plat::testing::DragScript script({{&f.grid, plat::Point{60, 80}}});  // onto (3,1)
  plat::testing::MouseDown(f.grid, {45, 35});
  ASSERT_EQ(f.grid.GetMouseMode(), kMousePrepareDrag);
  plat::testing::MouseMove(f.grid, {47, 37}, plat::MK_LBUTTON);
  EXPECT_EQ(script.runs(), 1);
  EXPECT_EQ(f.grid.GetMouseMode(), kMouseNothing);
  plat::testing::MouseUp(f.grid, {60, 80});
  const char* expected[] = {"", "", "a", "b"};
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(f.grid.GetItemText(r, 1), expected[r - 1]) << r;
}

TEST(GridDrag, NothingStartsWithDragAndDropOffOrNothingSelected) {
  GridFixture f;
  f.MakeFixtureA();
  ASSERT_TRUE(f.grid.drop_target().Register(&f.grid));
  f.grid.SetItemText(1, 1, "a");
  plat::testing::DragScript script({{&f.grid, kCell21}});
  f.grid.StartCellDrag();  // off
  f.grid.SelectCellRange(1, 1, 1, 1);
  f.grid.StartCellDrag();
  f.grid.SetDragAndDrop(true);
  f.grid.SelectCellRange(-1, -1, -1, -1);
  f.grid.StartCellDrag();  // nothing selected
  EXPECT_EQ(script.runs(), 0);
  EXPECT_EQ(f.grid.GetItemText(1, 1), "a");
}

}  // namespace
}  // namespace grid::test
