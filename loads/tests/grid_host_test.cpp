// PUNDF's table grid: the end of an edit by column kind and the tables' keys.
#include <gtest/gtest.h>

#include "grid/grid_ctrl.h"
#include "loads/tables/pundf_grid_host.h"
#include "platform/window/virtual_keys.h"

namespace pundf::tables {
namespace {

struct TableGrid {
  TableState state;
  PundfGridHost host{state};
  plat::Window parent;
  grid::CGridCtrl grid;

  explicit TableGrid(int mode = kNoTableMode) {
    EXPECT_TRUE(parent.Create("dialog", plat::WS_VISIBLE, plat::Rect{100, 100, 700, 500}));
    EXPECT_TRUE(grid.Create("", plat::WS_CHILD | plat::WS_VISIBLE, plat::Rect{0, 0, 500, 300}, &parent, 1041));
    grid.SetHost(&host);
    grid.SetRowCount(5);
    grid.SetColumnCount(8);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    state.Reset(8);
    state.mode = mode;
  }
  void EndEdit(int row, int col, const std::string& text, plat::UINT key) {
    grid::GridEditInfo info;
    info.hdr.idFrom = grid::kCellEditorId;
    info.hdr.code = grid::GridNotifyEndEdit;
    info.item.row = row;
    info.item.col = col;
    info.item.mask = grid::kMaskText | grid::kMaskData;
    info.item.text = text;
    info.item.data = key;
    grid.SendMessage(plat::WM_NOTIFY, grid::kCellEditorId, reinterpret_cast<plat::LPARAM>(&info));
  }
  void Key(int row, int col, plat::UINT vk) {
    grid.SetFocusCell(row, col);
    grid.SendMessage(plat::WM_KEYDOWN, vk, 0);
  }
};

TEST(TableGridHost, TheEndOfAnEditCleansByKind) {
  struct Case {
    int kind;
    std::string typed;
    std::string kept;
  };
  const Case cases[] = {{1, "1,5,3", "1.53"},  {2, "1,5e3", "1.5E3"}, {2, "-2,5e-3", "-2.5E-3"},
                        {3, "12.5", "125"},    {7, "x", "X"},         {7, "z", ""},
                        {0, "abc, d", "abc, d"}, {6, "K", "K"},       {1, "1.5L", "1.5L"}};
  for (const Case& c : cases) {
    TableGrid t;
    t.state.SetKind(2, c.kind);
    t.EndEdit(1, 2, c.typed, plat::VK_TAB);
    EXPECT_EQ(t.grid.GetItemText(1, 2), c.kept) << c.typed;
    EXPECT_EQ(t.grid.GetModified(), !c.kept.empty()) << c.typed;
  }
}

TEST(TableGridHost, EscapeNeverMarksTheGridModified) {
  TableGrid t;
  t.EndEdit(1, 2, "4", plat::VK_ESCAPE);
  EXPECT_EQ(t.grid.GetItemText(1, 2), "4");
  EXPECT_FALSE(t.grid.GetModified());
}

TEST(TableGridHost, TypedLettersAreUpperCasedButNotNumberCharacters) {
  TableGrid t;
  EXPECT_EQ(t.host.TranslateChar(t.grid, 'x'), static_cast<plat::UINT>('X'));
  EXPECT_EQ(t.host.TranslateChar(t.grid, 'e'), static_cast<plat::UINT>('E'));
  for (char ch : std::string("-0123456789., E\b")) {
    EXPECT_EQ(t.host.TranslateChar(t.grid, static_cast<plat::UINT>(ch)), static_cast<plat::UINT>(ch));
  }
}

TEST(TableGridHost, EnterCopiesTheCellAboveIntoAnEmptyCell) {
  TableGrid t;
  t.grid.SetItemText(2, 3, "12");
  t.Key(3, 3, plat::VK_RETURN);
  EXPECT_EQ(t.grid.GetItemText(3, 3), "12");
  EXPECT_TRUE(t.grid.GetModified());
  t.grid.SetItemText(4, 3, "5");
  t.Key(4, 3, plat::VK_RETURN);
  EXPECT_EQ(t.grid.GetItemText(4, 3), "5");
}

TEST(TableGridHost, F5CopiesDownAndMovesThere) {
  TableGrid t;
  t.grid.SetItemText(2, 1, "7");
  t.Key(2, 1, plat::VK_F5);
  EXPECT_EQ(t.grid.GetItemText(3, 1), "7");
  EXPECT_EQ(t.grid.GetFocusCell(), (grid::CCellID{3, 1}));
  t.grid.SetItemText(4, 1, "8");
  t.Key(4, 1, plat::VK_F5);  // the last row: nothing
  EXPECT_EQ(t.grid.GetFocusCell(), (grid::CCellID{4, 1}));
  EXPECT_EQ(t.grid.GetRowCount(), 5);
}

TEST(TableGridHost, PointLoadTypeWithEnterFillsSizeAndDirection) {
  TableGrid t(kPointLoadMode);
  t.grid.SetItemText(1, 1, "h");
  t.Key(1, 1, plat::VK_RETURN);
  EXPECT_EQ(t.grid.GetItemText(1, 1), "H");
  EXPECT_EQ(t.grid.GetItemText(1, 5), "1");
  EXPECT_EQ(t.grid.GetItemText(1, 6), "0");
  t.grid.SetItemText(2, 1, "F");
  t.Key(2, 1, plat::VK_RETURN);
  EXPECT_EQ(t.grid.GetItemText(2, 5), "");
}

TEST(TableGridHost, LineLoadEnterInValueBFillsOnlyAnEmptyDirection) {
  TableGrid t(kLineLoadMode);
  t.grid.SetItemText(1, 5, "3");
  t.Key(1, 5, plat::VK_RETURN);
  EXPECT_EQ(t.grid.GetItemText(1, 6), "Y");
  EXPECT_EQ(t.grid.GetFocusCell(), (grid::CCellID{1, 6}));
  t.grid.SetItemText(2, 5, "3");
  t.grid.SetItemText(2, 6, "X");
  t.Key(2, 5, plat::VK_RETURN);
  EXPECT_EQ(t.grid.GetItemText(2, 6), "X");
}

TEST(TableGridHost, ArrowsMoveTheFocusInsideTheTable) {
  TableGrid t;
  t.Key(1, 1, plat::VK_UP);
  EXPECT_EQ(t.grid.GetFocusCell(), (grid::CCellID{1, 1}));
  t.Key(1, 1, plat::VK_RIGHT);
  EXPECT_EQ(t.grid.GetFocusCell(), (grid::CCellID{1, 2}));
  t.Key(1, 2, plat::VK_END);
  EXPECT_EQ(t.grid.GetFocusCell(), (grid::CCellID{1, 7}));
  t.Key(4, 7, plat::VK_DOWN);
  EXPECT_EQ(t.grid.GetFocusCell(), (grid::CCellID{4, 7}));
}

}  // namespace
}  // namespace pundf::tables
