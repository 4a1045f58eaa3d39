// The grid's model: counts, cells, states, sizes, fonts, colours and the sort.
#include <gtest/gtest.h>

#include "grid/column_stretch.h"
#include "grid/tests/fixture.h"
#include "platform/dc/painter_dc.h"
#include "platform/settings_store/settings_store.h"

namespace grid::test {
namespace {

std::vector<CCellID> Cells(std::initializer_list<CCellID> cells) { return cells; }

TEST(GridModel, NewRowsTakeTheFormatAboveAndTheDefaultHeight) {
  GridFixture f;
  f.MakeFixtureA();
  GridItem item;
  item.row = 4;
  item.col = 2;
  item.mask = kMaskFormat;
  item.format = plat::DT_RIGHT;
  ASSERT_TRUE(f.grid.SetItem(&item));
  ASSERT_TRUE(f.grid.SetRowCount(7));
  for (int row : {5, 6}) {
    GridItem read;
    read.row = row;
    read.col = 2;
    read.mask = kMaskFormat;
    ASSERT_TRUE(f.grid.GetItem(&read));
    EXPECT_EQ(read.format, plat::DT_RIGHT) << row;
    EXPECT_EQ(f.grid.GetRowHeight(row), f.grid.GetDefaultRowHeight()) << row;
  }
  GridItem other;
  other.row = 5;
  other.col = 1;
  other.mask = kMaskFormat;
  ASSERT_TRUE(f.grid.GetItem(&other));
  EXPECT_EQ(other.format, 0u);
  EXPECT_GT(f.grid.GetDefaultRowHeight(), 0);
  EXPECT_NE(f.grid.GetDefaultRowHeight(), 30);  // measured in the grid's font once the window exists
}

TEST(GridModel, ShrinkingRowsClearsTheFocusAndForgetsRemovedCells) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetFocusCell(3, 2);
  ASSERT_TRUE(f.grid.SetItemState(4, 2, kStateSelected));
  f.grid.KeepSelectionAsPrevious();
  ASSERT_TRUE(f.grid.SetItemState(4, 2, 0));
  ASSERT_TRUE(f.grid.SetItemState(1, 1, kStateSelected));
  ASSERT_TRUE(f.grid.SetItemState(3, 1, kStateSelected));
  f.grid.SetSelectionAnchor(CCellID(4, 1));
  EXPECT_EQ(f.grid.GetPreviousSelection(), Cells({{4, 2}}));
  f.parent.notes.clear();

  ASSERT_TRUE(f.grid.SetRowCount(3));
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyCellActivated, 3, 2}}));
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID());
  EXPECT_EQ(f.grid.GetSelectedCells(), Cells({{1, 1}}));
  EXPECT_TRUE(f.grid.GetPreviousSelection().empty());
  EXPECT_EQ(f.grid.GetSelectionAnchor(), CCellID());

  ASSERT_TRUE(f.grid.SetRowCount(0));
  EXPECT_EQ(f.grid.GetFixedRowCount(), 0);
  EXPECT_TRUE(f.grid.GetSelectedCells().empty());
  EXPECT_FALSE(f.grid.SetRowCount(-1));
  EXPECT_EQ(f.grid.GetRowCount(), 0);
}

TEST(GridModel, ShrinkingColumnsClearsTheFocusAndForgetsRemovedCells) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetFocusCell(2, 3);
  ASSERT_TRUE(f.grid.SetItemState(1, 3, kStateSelected));
  ASSERT_TRUE(f.grid.SetItemState(1, 1, kStateSelected));
  f.parent.notes.clear();
  ASSERT_TRUE(f.grid.SetColumnCount(2));
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyCellActivated, 2, 3}}));
  EXPECT_EQ(f.grid.GetSelectedCells(), Cells({{1, 1}}));
  ASSERT_TRUE(f.grid.SetColumnCount(0));
  EXPECT_EQ(f.grid.GetFixedColumnCount(), 0);
  EXPECT_EQ(f.grid.GetRowCount(), 5);
  EXPECT_FALSE(f.grid.IsValid(0, 0));
}

TEST(GridModel, MovingTheFocusTellsTheOwnerAndMarksTheCell) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetFocusCell(1, 1);
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyFocusChanged, -1, -1}}));
  EXPECT_EQ(f.grid.GetItemState(1, 1), kStateFocused);
  f.parent.notes.clear();
  EXPECT_EQ(f.grid.SetFocusCell(2, 2), CCellID(1, 1));
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyCellActivated, 1, 1}, {GridNotifyFocusChanged, 1, 1}}));
  EXPECT_EQ(f.grid.GetItemState(1, 1), 0u);
  EXPECT_EQ(f.grid.GetItemState(2, 2), kStateFocused);
  f.parent.notes.clear();
  f.grid.SetFocusCell(2, 2);  // the same cell: nothing
  f.grid.SetFocusCell(9, 9);  // outside: the focus goes
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyCellActivated, 2, 2}}));
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID());
}

TEST(GridModel, AnOwnerTakesTheNotificationsInsteadOfTheParent) {
  GridFixture f;
  f.MakeFixtureA();
  NoteTaker owner;
  ASSERT_TRUE(owner.Create("owner", 0, plat::Rect{0, 0, 100, 100}));
  f.grid.SetOwner(&owner);
  f.grid.SetFocusCell(1, 1);
  EXPECT_TRUE(f.parent.notes.empty());
  EXPECT_EQ(owner.notes, (std::vector<Note>{{GridNotifyFocusChanged, -1, -1}}));
  owner.DestroyWindow();  // a gone owner: back to the parent
  f.grid.SetFocusCell(2, 1);
  EXPECT_EQ(f.parent.notes.size(), 2u);
}

TEST(GridModel, DiscardingACellKeepsTheFocusAndReadOnlyBits) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetFocusCell(1, 1);
  ASSERT_TRUE(f.grid.SetItemState(1, 1, kStateFocused | kStateSelected | kStateDropTarget | kStateReadOnly));
  f.grid.SetItemText(1, 1, "x");
  f.grid.DiscardCell(f.grid.GetCell(1, 1), 1, 1);
  EXPECT_EQ(f.grid.GetItemState(1, 1), kStateFocused | kStateReadOnly);
  EXPECT_EQ(f.grid.GetItemText(1, 1), "");
  EXPECT_TRUE(f.grid.GetSelectedCells().empty());
}

TEST(GridModel, ItemsSetAndReadOnlyTheMaskedFields) {
  GridFixture f;
  f.MakeFixtureA();
  GridItem item;
  item.row = 2;
  item.col = 3;
  item.mask = kMaskText | kMaskData | kMaskBackground;
  item.text = "1,5";
  item.data = 77;
  item.background = plat::Rgb(1, 2, 3);
  item.format = plat::DT_CENTER;  // not in the mask
  ASSERT_TRUE(f.grid.SetItem(&item));
  GridItem read;
  read.row = 2;
  read.col = 3;
  read.mask = kMaskText | kMaskData | kMaskBackground | kMaskFormat | kMaskTextColour | kMaskImage;
  ASSERT_TRUE(f.grid.GetItem(&read));
  EXPECT_EQ(read.text, "1,5");
  EXPECT_EQ(read.data, 77u);
  EXPECT_EQ(read.background, plat::Rgb(1, 2, 3));
  EXPECT_EQ(read.format, 0u);
  EXPECT_EQ(read.text_colour, kDefaultColour);
  EXPECT_EQ(read.image, -1);
  // The state through SetItem leaves the selected cells alone.
  item.mask = kMaskState;
  item.state = kStateSelected | kStateReadOnly;
  ASSERT_TRUE(f.grid.SetItem(&item));
  EXPECT_TRUE(f.grid.GetSelectedCells().empty());
  // Out of range: refused quietly.
  for (CCellID cell : {CCellID(5, 0), CCellID(0, 4), CCellID(-1, 0)}) {
    item.row = cell.row;
    item.col = cell.col;
    EXPECT_FALSE(f.grid.SetItem(&item));
    EXPECT_FALSE(f.grid.GetItem(&item));
    EXPECT_FALSE(f.grid.SetItemState(cell.row, cell.col, kStateSelected));
    f.grid.SetItemText(cell.row, cell.col, "no");
    EXPECT_EQ(f.grid.GetItemText(cell.row, cell.col), "");
  }
  EXPECT_FALSE(f.grid.SetItem(nullptr));
}

// A program's grid with cells of its own and texts it supplies.
class NumberedCell : public CGridCell {
 public:
  explicit NumberedCell(int n, std::vector<int>& gone) : number(n), gone_(gone) {}
  ~NumberedCell() override { gone_.push_back(number); }
  int number;

 private:
  std::vector<int>& gone_;
};

class ProgramGrid : public LoggingGrid {
 public:
  explicit ProgramGrid(std::vector<int>& gone) : gone_(gone) {}
  std::vector<std::string> discarded;
  CGridCell* NewCell(int row, int col) override { return new NumberedCell(row * 10 + col, gone_); }
  void DiscardCell(CGridCell* cell, int row, int col) override {
    discarded.push_back(std::to_string(row) + "," + std::to_string(col));
    CGridCtrl::DiscardCell(cell, row, col);
  }
  std::string GetItemText(int row, int col) const override { return "<" + CGridCtrl::GetItemText(row, col) + ">"; }

 private:
  std::vector<int>& gone_;
};

TEST(GridModel, AProgramsOwnCellsAndTextsAreTheOnesTheGridUses) {
  NoteTaker parent;
  ASSERT_TRUE(parent.Create("dialog", 0, plat::Rect{100, 100, 600, 500}));
  std::vector<int> gone;
  auto grid = std::make_unique<ProgramGrid>(gone);
  ASSERT_TRUE(grid->Create("", plat::WS_CHILD, plat::Rect{0, 0, 190, 100}, &parent, 5));
  ASSERT_TRUE(grid->SetRowCount(2));
  ASSERT_TRUE(grid->SetColumnCount(2));
  EXPECT_EQ(static_cast<NumberedCell*>(grid->GetCell(1, 1))->number, 11);
  grid->SetItemText(1, 0, "a");
  GridItem item;
  item.row = 1;
  item.col = 0;
  item.mask = kMaskText;
  ASSERT_TRUE(grid->GetItem(&item));
  EXPECT_EQ(item.text, "<a>");
  ASSERT_TRUE(grid->SetRowCount(1));
  EXPECT_EQ(grid->discarded, (std::vector<std::string>{"1,0", "1,1"}));
  EXPECT_EQ(gone, (std::vector<int>{10, 11}));
  grid.reset();  // the rest go with the grid
  EXPECT_EQ(gone, (std::vector<int>{10, 11, 0, 1}));
}

TEST(StretchWidths, SpreadsTheDifferenceAndNeverGoesBelowZero) {
  struct Case {
    int client;
    std::vector<int> widths;
  };
  const Case cases[] = {
      {193, {41, 51, 51, 50}}, {187, {39, 49, 49, 50}}, {203, {44, 53, 53, 53}},
      {183, {38, 48, 48, 49}}, {10, {0, 5, 5, 5}},      {190, {40, 50, 50, 50}},
  };
  for (const Case& c : cases) EXPECT_EQ(StretchWidths({40, 50, 50, 50}, c.client), c.widths) << c.client;
  EXPECT_TRUE(StretchWidths({}, 100).empty());
}

TEST(GridModel, StretchColumnsToWidthFillsTheClientArea) {
  GridFixture f;
  f.MakeGrid(1, 4, 1, 1);
  const int widths[] = {40, 50, 50, 50};
  for (int c = 0; c < 4; ++c) ASSERT_TRUE(f.grid.SetColumnWidth(c, widths[c]));
  f.grid.MoveWindow(0, 0, 193, 100);
  f.grid.StretchColumnsToWidth();
  EXPECT_EQ(f.grid.GetColumnWidth(0), 41);
  EXPECT_EQ(f.grid.GetColumnWidth(3), 50);
  f.grid.MoveWindow(0, 0, 10, 100);
  f.grid.StretchColumnsToWidth();
  for (int c = 0; c < 4; ++c) EXPECT_GE(f.grid.GetColumnWidth(c), 0);
  EXPECT_EQ(f.grid.GetColumnWidth(0), 0);
}

// Rows 1-4 of fixture A with texts in column 1, row numbers in column 0 and
// heights 20, 21, 22, 23.
void FillForSort(CGridCtrl& grid, const std::vector<std::string>& texts) {
  for (int r = 1; r <= 4; ++r) {
    grid.SetItemText(r, 0, std::to_string(r));
    grid.SetItemText(r, 1, texts[static_cast<std::size_t>(r - 1)]);
    ASSERT_TRUE(grid.SetRowHeight(r, 19 + r));
  }
}

TEST(GridModel, SortingMovesWholeRowsWithTheirHeights) {
  struct Case {
    std::vector<std::string> texts;
    bool ascending;
    std::vector<std::string> sorted;
    std::vector<std::string> numbers;
    std::vector<int> heights;
  };
  const Case cases[] = {
      {{"b", "a", "b", "a"}, true, {"a", "a", "b", "b"}, {"4", "2", "3", "1"}, {23, 21, 22, 20}},
      {{"b", "a", "b", "a"}, false, {"b", "b", "a", "a"}, {"1", "3", "2", "4"}, {20, 22, 21, 23}},
      {{"c", "a", "B", "b"}, true, {"B", "a", "b", "c"}, {"3", "2", "4", "1"}, {22, 21, 23, 20}},
      {{"a", "a", "a", "a"}, true, {"a", "a", "a", "a"}, {"1", "2", "3", "4"}, {20, 21, 22, 23}},
  };
  for (const Case& c : cases) {
    GridFixture f;
    f.MakeFixtureA();
    FillForSort(f.grid, c.texts);
    f.grid.SetFocusCell(2, 2);
    ASSERT_TRUE(f.grid.SetItemState(1, 1, kStateSelected));
    f.grid.SortRowsByText(1, c.ascending);
    std::vector<std::string> sorted, numbers;
    std::vector<int> heights;
    for (int r = 1; r <= 4; ++r) {
      sorted.push_back(f.grid.GetItemText(r, 1));
      numbers.push_back(f.grid.GetItemText(r, 0));
      heights.push_back(f.grid.GetRowHeight(r));
    }
    EXPECT_EQ(sorted, c.sorted);
    EXPECT_EQ(numbers, c.numbers);
    EXPECT_EQ(heights, c.heights);
    EXPECT_EQ(f.grid.GetFocusCell(), CCellID());
    EXPECT_TRUE(f.grid.GetSelectedCells().empty());
    for (int r = 0; r < 5; ++r) {
      for (int col = 0; col < 4; ++col) EXPECT_EQ(f.grid.GetItemState(r, col), 0u);
    }
  }
}

TEST(GridModel, TheFontGoesToEveryCellAndSetsTheDefaultSizes) {
  GridFixture f;
  f.MakeFixtureA();
  const int small_height = f.grid.GetDefaultRowHeight();
  const int small_width = f.grid.GetDefaultColumnWidth();
  plat::Font big;
  big.face = "Times New Roman";
  big.height = -30;
  f.grid.SetFont(&big);
  EXPECT_EQ(*f.grid.GetFont(), big);  // WM_GETFONT
  EXPECT_GT(f.grid.GetDefaultRowHeight(), small_height);
  EXPECT_GT(f.grid.GetDefaultColumnWidth(), small_width);
  EXPECT_GT(f.grid.GetMargin(), 0);
  EXPECT_EQ(f.grid.GetCell(3, 2)->font, big);
  ASSERT_TRUE(f.grid.SetRowCount(6));
  EXPECT_EQ(f.grid.GetCell(5, 0)->font, big);
  f.grid.SetFont(nullptr);  // no font: nothing changes
  EXPECT_EQ(f.grid.GetGridFont(), big);
}

TEST(GridModel, FittingAColumnTakesItsWidestText) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetItemText(2, 1, "a much longer text than the others");
  f.grid.SetItemText(3, 1, "short");
  ASSERT_TRUE(f.grid.FitColumnWidth(1));
  plat::Bitmap scratch(1, 1);
  plat::PainterDc dc(scratch);
  const plat::Size longest = f.grid.MeasureCellText(2, 1, dc);
  EXPECT_EQ(f.grid.GetColumnWidth(1), longest.cx);
  EXPECT_GT(longest.cx, f.grid.MeasureCellText(3, 1, dc).cx);
  EXPECT_EQ(f.grid.GetHorizontalScrollMaximum(), longest.cx + 50 + 80 - 1);
  ASSERT_TRUE(f.grid.FitRowHeight(2));
  EXPECT_EQ(f.grid.GetRowHeight(2), longest.cy);
  EXPECT_FALSE(f.grid.FitColumnWidth(4));
  EXPECT_FALSE(f.grid.FitRowHeight(-1));
}

TEST(FollowSystemColours, ColoursTakenFromTheSystemFollowItAndSetOnesStay) {
  const SystemColours before{plat::Rgb(0, 0, 0), plat::Rgb(255, 255, 255), plat::Rgb(240, 240, 240),
                             plat::Rgb(160, 160, 160)};
  const SystemColours now{plat::Rgb(10, 10, 10), plat::Rgb(250, 250, 200), plat::Rgb(200, 200, 200),
                          plat::Rgb(90, 90, 90)};
  GridColours colours = GridColours::From(before);
  colours.fixed_text = plat::Rgb(255, 0, 0);  // set by the program
  FollowSystemColours(colours, before, now);
  EXPECT_EQ(colours.text, now.window_text);
  EXPECT_EQ(colours.text_background, now.window);
  EXPECT_EQ(colours.background, now.shadow);
  EXPECT_EQ(colours.fixed_background, now.face);
  EXPECT_EQ(colours.fixed_text, plat::Rgb(255, 0, 0));
  EXPECT_EQ(colours.grid_lines, plat::Rgb(0, 0, 0));
}

TEST(GridModel, SettingChangeKeepsSetColoursAndReadsTheWheelLinesAgain) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetTextBkColor(plat::Rgb(1, 2, 3));
  EXPECT_EQ(f.grid.GetWheelScrollLines(), 3);
  ASSERT_TRUE(plat::SettingsStore().SetString("Control Panel/Desktop", "WheelScrollLines", "7"));
  f.grid.SendMessage(plat::WM_SYSCOLORCHANGE);
  EXPECT_EQ(f.grid.GetWheelScrollLines(), 3);
  f.grid.SendMessage(plat::WM_SETTINGCHANGE);
  EXPECT_EQ(f.grid.GetWheelScrollLines(), 7);
  EXPECT_EQ(f.grid.colours().text_background, plat::Rgb(1, 2, 3));
  EXPECT_EQ(f.grid.colours().text, plat::GetSysColor(plat::COLOR_WINDOWTEXT));
}

}  // namespace
}  // namespace grid::test
