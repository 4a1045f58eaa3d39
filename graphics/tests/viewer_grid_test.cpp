// The viewer's table: what an edited cell keeps by its column's class, the end
// of an edit, the keys (no paste, cut or row keys), the switch cells and drops.
#include "graphics/app/viewer_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/tests/fixture.h"
#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/data_object.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/drag_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

using grid::CCellID;
using plat::testing::kCtrl;
using plat::testing::PressKey;

TEST(ViewerGridClasses, AnEditedCellKeepsWhatItsColumnClassAccepts) {
  const struct {
    const char* typed;
    int column_class;
    const char* kept;
  } cases[] = {
      {"1,5.2", 1, "1.52"},  {"12a3", 3, "123"},   {"j", 4, "J"},       {"1.5e-3", 2, "1.5E-3"},
      {"a,b", 0, "a,b"},     {"x,k.m", 5, "KM"},   {"se,k", 6, "SEK"},  {"-1,,2", 1, "-1.2"},
      {"1.2", 3, "12"},      {"12", 7, ""},        {"12", -1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FilterByColumnClass(c.typed, c.column_class), c.kept) << c.typed << " " << c.column_class;
  }
}

TEST(ViewerGridClasses, ClassesBelongToTheNonFixedColumns) {
  ViewerGridHost host;
  host.SetColumnClass(3, 4);
  host.SetColumnClass(0, 2);  // the heading column has none
  EXPECT_EQ(host.ColumnClass(3), 4);
  EXPECT_EQ(host.ColumnClass(0), 0);
  EXPECT_EQ(host.ColumnClass(1), 0);
  EXPECT_EQ(host.ColumnClass(9), 0);
}

// Six rows and six columns (one fixed each) of 20 by 50 pixels (the row
// numbers 40); column 1 of class 1, column 2 of class 3, the others of class 2.
class ViewerGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner_.Create("owner", plat::WS_VISIBLE, plat::Rect{100, 100, 500, 400}));
    ASSERT_TRUE(grid_.Create("", plat::WS_CHILD | plat::WS_VISIBLE, plat::Rect{0, 0, 320, 150}, &owner_, 1015));
    grid_.SetRowCount(6);
    grid_.SetColumnCount(6);
    grid_.SetFixedRowCount(1);
    grid_.SetFixedColumnCount(1);
    for (int r = 0; r < 6; ++r) grid_.SetRowHeight(r, 20);
    grid_.SetColumnWidth(0, 40);
    for (int c = 1; c < 6; ++c) grid_.SetColumnWidth(c, 50);
    for (int r = 1; r < 6; ++r) grid_.SetItemText(r, 0, std::to_string(r));
    host().SetColumnClass(1, 1);
    host().SetColumnClass(2, 3);
    for (int c = 3; c < 6; ++c) host().SetColumnClass(c, 2);
    grid_.SetFocus();
  }
  ViewerGridHost& host() { return grid_.viewer_host(); }
  CCellID Focus() const { return grid_.GetFocusCell(); }
  // Every cell's text, row by row.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 6; ++c) texts.push_back(grid_.GetItemText(r, c));
    }
    return texts;
  }
  // Types `text` at the focus cell (its first character opens the editor)
  // and ends the edit with `key`.
  void TypeAndEnd(const std::string& text, int key) {
    plat::testing::TypeText(grid_, text.substr(0, 1));
    plat::Window* editor = plat::Window::GetFocus();
    ASSERT_NE(editor, &grid_);
    plat::testing::TypeText(*editor, text.substr(1));
    PressKey(*editor, key);
    plat::testing::PumpMessages();
  }

  grid::test::NoteTaker owner_;
  ViewerGrid grid_;
};

TEST_F(ViewerGridTest, TypedTextIsFilteredStoredAndToldToTheOwner) {
  grid_.SetFocusCell(1, 1);
  TypeAndEnd("1,5.2", plat::VK_TAB);
  EXPECT_EQ(grid_.GetItemText(1, 1), "1.52");
  EXPECT_TRUE(grid_.GetModified());
  EXPECT_EQ(owner_.notes.back(), (grid::test::Note{grid::GridNotifyEndEdit, 1, 1}));
  EXPECT_EQ(Focus(), CCellID(1, 1));  // Tab ends the edit without moving on
  EXPECT_EQ(plat::Window::GetFocus(), &grid_);
}

TEST_F(ViewerGridTest, AnEditEndedWithEscIsFilteredButLeavesTheModifiedFlagClear) {
  grid_.SetItemText(2, 1, "1,5");
  grid_.SetFocusCell(2, 1);
  TypeAndEnd("777", plat::VK_ESCAPE);
  EXPECT_EQ(grid_.GetItemText(2, 1), "1.5");  // the text from before, filtered
  EXPECT_FALSE(grid_.GetModified());
}

TEST_F(ViewerGridTest, DownEndsTheEditAndOpensItARowLower) {
  grid_.SetItemText(3, 2, "5");
  grid_.SetFocusCell(2, 2);
  TypeAndEnd("12a3", plat::VK_DOWN);
  EXPECT_EQ(grid_.GetItemText(2, 2), "123");
  EXPECT_EQ(Focus(), CCellID(3, 2));
  plat::Window* next = plat::Window::GetFocus();
  ASSERT_NE(next, &grid_);
  EXPECT_EQ(next->GetWindowText(), "5");  // the cell's own text, kept
  PressKey(*next, plat::VK_ESCAPE);
  plat::testing::PumpMessages();
  EXPECT_EQ(grid_.GetItemText(3, 2), "5");
}

TEST_F(ViewerGridTest, CtrlArrowsCopyToTheNeighbourAndMoveTheFocusTheirWay) {
  grid_.SetItemText(2, 1, "4.5");
  grid_.SetFocusCell(2, 1);
  PressKey(grid_, plat::VK_RIGHT, kCtrl);
  EXPECT_EQ(grid_.GetItemText(2, 2), "4.5");
  EXPECT_EQ(Focus(), CCellID(2, 3));
  EXPECT_TRUE(grid_.GetModified());

  grid_.SetItemText(2, 3, "7");
  PressKey(grid_, plat::VK_LEFT, kCtrl);
  EXPECT_EQ(grid_.GetItemText(2, 2), "7");
  EXPECT_EQ(Focus(), CCellID(2, 3));  // stays

  grid_.SetItemText(2, 5, "9");
  grid_.SetFocusCell(2, 5);
  PressKey(grid_, plat::VK_RIGHT, kCtrl);  // nothing right of the last column
  EXPECT_EQ(Focus(), CCellID(2, 5));
  PressKey(grid_, plat::VK_LEFT, kCtrl);  // from the last column one to the left
  EXPECT_EQ(grid_.GetItemText(2, 4), "9");
  EXPECT_EQ(Focus(), CCellID(2, 4));

  grid_.SetItemText(3, 1, "8");
  grid_.SetFocusCell(3, 1);
  PressKey(grid_, plat::VK_LEFT, kCtrl);  // column 1: never into the row numbers
  EXPECT_EQ(grid_.GetItemText(3, 0), "3");
}

TEST_F(ViewerGridTest, EnterAndF5CopyOnlyTexts) {
  grid_.SetItemText(1, 3, "2");
  grid_.SetFocusCell(2, 3);
  PressKey(grid_, plat::VK_RETURN);  // empty under "2": takes it, on as Tab
  EXPECT_EQ(grid_.GetItemText(2, 3), "2");
  EXPECT_EQ(Focus(), CCellID(2, 4));
  EXPECT_TRUE(grid_.GetModified());

  grid_.SetModified(false);
  const std::vector<std::string> before = Texts();
  grid_.SetFocusCell(3, 5);
  PressKey(grid_, plat::VK_RETURN);  // empty under empty: only moves, to the next row
  EXPECT_EQ(Focus(), CCellID(4, 1));
  EXPECT_EQ(Texts(), before);
  EXPECT_FALSE(grid_.GetModified());

  grid_.SetItemText(5, 4, "6");
  grid_.SetFocusCell(5, 4);
  PressKey(grid_, plat::VK_F5);  // the last row: nothing
  EXPECT_EQ(Focus(), CCellID(5, 4));
  EXPECT_FALSE(grid_.GetModified());

  grid_.SetFocusCell(2, 3);
  PressKey(grid_, plat::VK_F5);
  EXPECT_EQ(grid_.GetItemText(3, 3), "2");
  EXPECT_EQ(Focus(), CCellID(3, 3));
}

TEST_F(ViewerGridTest, PasteCutAndRowKeysChangeNothingAndCtrlCCopies) {
  for (int r = 1; r < 6; ++r) grid_.SetItemText(r, 3, "r" + std::to_string(r));
  ASSERT_TRUE(plat::SetClipboardText("pasted"));
  grid_.SetFocusCell(2, 3);
  grid_.SelectCellRange(2, 3, 3, 3);
  const std::vector<std::string> before = Texts();
  for (const int key : {int{'V'}, int{'X'}, int{'I'}, int{'L'}, plat::VK_ADD, plat::VK_SUBTRACT}) {
    PressKey(grid_, key, kCtrl);
    EXPECT_EQ(Texts(), before) << key;
  }
  EXPECT_FALSE(grid_.GetModified());
  EXPECT_EQ(plat::GetClipboardText(), "pasted");

  PressKey(grid_, 'C', kCtrl);
  EXPECT_EQ(plat::GetClipboardText(), "r2\nr3");
}

TEST_F(ViewerGridTest, DeleteEmptiesOnlyTheFocusCell) {
  grid_.SetItemText(2, 4, "1.0");
  grid_.SetItemText(3, 4, "2.0");
  grid_.SetFocusCell(2, 4);
  grid_.SelectCellRange(2, 4, 3, 4);
  ASSERT_TRUE(plat::SetClipboardText("kept"));
  PressKey(grid_, plat::VK_DELETE);
  EXPECT_EQ(grid_.GetItemText(2, 4), "");
  EXPECT_EQ(grid_.GetItemText(3, 4), "2.0");
  EXPECT_TRUE(grid_.GetModified());
  EXPECT_EQ(plat::GetClipboardText(), "kept");

  grid_.SetModified(false);
  grid_.SetItemState(3, 4, grid::kStateReadOnly);
  grid_.SetFocusCell(3, 4);
  PressKey(grid_, plat::VK_DELETE);
  EXPECT_EQ(grid_.GetItemText(3, 4), "2.0");
  EXPECT_FALSE(grid_.GetModified());
}

TEST_F(ViewerGridTest, NavigationKeysStayInTheNonFixedCells) {
  grid_.SetFocusCell(1, 1);
  const struct {
    int vk;
    unsigned mods;
    CCellID focus;
  } steps[] = {
      {plat::VK_UP, 0, {1, 1}},   {plat::VK_LEFT, 0, {1, 1}}, {plat::VK_END, 0, {5, 1}},
      {plat::VK_DOWN, 0, {5, 1}}, {plat::VK_TAB, plat::testing::kShift, {4, 5}},
      {plat::VK_TAB, 0, {5, 1}},  {plat::VK_HOME, 0, {1, 1}}, {plat::VK_NEXT, 0, {5, 1}},
      {plat::VK_PRIOR, 0, {1, 1}}, {plat::VK_DOWN, kCtrl, {2, 1}},
  };
  for (const auto& step : steps) {
    PressKey(grid_, step.vk, step.mods);
    EXPECT_EQ(Focus(), step.focus) << step.vk;
  }
  PressKey(grid_, plat::VK_RIGHT, plat::testing::kShift);
  PressKey(grid_, plat::VK_DOWN, plat::testing::kShift);
  EXPECT_EQ(grid_.SelectedCellRange(), (grid::CellRange{2, 1, 3, 2}));
}

TEST_F(ViewerGridTest, DraggingOverRowHeadingsSelectsRowsAndChangesNoCell) {
  for (int r = 1; r < 6; ++r) grid_.SetItemText(r, 2, std::to_string(10 * r));
  const std::vector<std::string> before = Texts();
  plat::testing::MouseDown(grid_, {20, 70});                    // row 3's number
  plat::testing::MouseMove(grid_, {20, 110}, plat::MK_LBUTTON);  // row 5's
  plat::testing::MouseUp(grid_, {20, 110});
  EXPECT_EQ(grid_.SelectedCellRange(), (grid::CellRange{3, 1, 5, 5}));
  EXPECT_EQ(Texts(), before);
  EXPECT_FALSE(grid_.GetModified());
}

TEST_F(ViewerGridTest, OnlyTheNodesTableSwitchesItsColumnsThreeToFive) {
  grid_.SetItemText(2, 4, "1");
  grid_.SetItemText(2, 2, "1");
  plat::testing::Click(grid_, {200, 50});  // (2, 4) without the switch
  EXPECT_EQ(grid_.GetItemText(2, 4), "1");

  host().SetTableKind(kNodesTableKind);
  plat::testing::Click(grid_, {160, 70});  // elsewhere: a click on the focus cell edits it
  plat::testing::Click(grid_, {200, 50});
  EXPECT_EQ(grid_.GetItemText(2, 4), "0");
  plat::testing::Click(grid_, {160, 70});  // elsewhere, so that the next click is a new one
  plat::testing::Click(grid_, {200, 50});
  EXPECT_EQ(grid_.GetItemText(2, 4), "1");
  plat::testing::Click(grid_, {110, 50});  // column 2 is no switch
  EXPECT_EQ(grid_.GetItemText(2, 2), "1");
  grid_.SetItemText(3, 5, "2.5");
  plat::testing::Click(grid_, {250, 70});  // another value stays
  EXPECT_EQ(grid_.GetItemText(3, 5), "2.5");
}

TEST_F(ViewerGridTest, ADropIsTakenOnlyWhenSwitchedOnAndAsksOnceForItsText) {
  const auto data = plat::DataObject::FromText("3,5");
  EXPECT_EQ(grid_.OnDragOver(*data, 0, {110, 30}), plat::DROPEFFECT_NONE);  // off as made
  grid_.OnDragLeave();
  grid_.SetDragAndDrop(true);
  EXPECT_EQ(grid_.OnDragOver(*data, 0, {110, 30}), plat::DROPEFFECT_MOVE);
  grid_.OnDragLeave();

  plat::testing::DialogScript boxes;
  {
    plat::testing::FailingTextReads failing(1);
    EXPECT_FALSE(grid_.PasteDataAtCell(1, 2, *data));
  }
  EXPECT_TRUE(boxes.shown().empty());  // nothing reported
  EXPECT_EQ(grid_.GetItemText(1, 2), "");
  EXPECT_TRUE(grid_.PasteDataAtCell(1, 2, *data));
  EXPECT_EQ(grid_.GetItemText(1, 2), "3");
  EXPECT_EQ(grid_.GetItemText(1, 3), "5");
}

}  // namespace
}  // namespace revuzavi
