// Copy, cut and paste of cell text: the text a selection gives, how pasted
// text splits into cells, read-only cells and reads that fail.
#include <gtest/gtest.h>

#include "grid/pasted_text.h"
#include "grid/tests/fixture.h"
#include "platform/clipboard/clipboard.h"
#include "platform/testing/drag_testing.h"
#include "platform/testing/testing.h"

namespace grid::test {
namespace {

struct Cell {
  int row;
  int col;
  std::string text;
};

// Fixture A with "o" in every non-fixed cell.
void FillWithO(CGridCtrl& grid) {
  for (int r = 1; r < grid.GetRowCount(); ++r) {
    for (int c = 1; c < grid.GetColumnCount(); ++c) grid.SetItemText(r, c, "o");
  }
}

// The non-fixed texts, a row per line, cells joined by "|".
std::string Texts(const CGridCtrl& grid) {
  std::string out;
  for (int r = 1; r < grid.GetRowCount(); ++r) {
    for (int c = 1; c < grid.GetColumnCount(); ++c) out += grid.GetItemText(r, c) + (c + 1 < grid.GetColumnCount() ? "|" : "\n");
  }
  return out;
}

TEST(GridPaste, TextSplitsIntoLinesAndFieldsAndDropsWhatLiesOutside) {
  struct Case {
    int row;
    int col;
    std::string text;
    std::vector<Cell> changed;
  };
  const Case cases[] = {
      {1, 1, "1,5\t2", {{1, 1, "1"}, {1, 2, "5"}, {1, 3, "2"}}},
      {1, 1, "a\t\tb", {{1, 1, "a"}, {1, 2, "b"}}},
      {1, 1, "x\n", {{1, 1, "x"}}},
      {1, 1, "a\n\nb", {{1, 1, "a"}, {2, 1, ""}, {3, 1, "b"}}},
      {1, 1, "a\r\nb\r\n", {{1, 1, "a"}, {2, 1, "b"}}},
      {1, 1, " p \t q", {{1, 1, "p"}, {1, 2, "q"}}},
      {1, 2, "a\tb\tc\td", {{1, 2, "a"}, {1, 3, "b"}}},
      {3, 1, "a\nb\nc\nd", {{3, 1, "a"}, {4, 1, "b"}}},
      {1, 1, "p\t \nq\tr", {{1, 1, "p"}, {1, 2, ""}, {2, 1, "q"}, {2, 2, "r"}}},
  };
  for (const Case& c : cases) {
    GridFixture f;
    f.MakeFixtureA();
    FillWithO(f.grid);
    GridFixture expected;
    expected.MakeFixtureA();
    FillWithO(expected.grid);
    for (const Cell& cell : c.changed) expected.grid.SetItemText(cell.row, cell.col, cell.text);
    f.grid.SelectCellRange(1, 1, 4, 3);
    EXPECT_TRUE(f.grid.PasteDataAtCell(c.row, c.col, *plat::DataObject::FromText(c.text))) << c.text;
    EXPECT_EQ(Texts(f.grid), Texts(expected.grid)) << c.text;
    EXPECT_TRUE(f.grid.GetModified());
    // The written cells are no longer selected.
    for (const Cell& cell : c.changed) EXPECT_FALSE(f.grid.GetItemState(cell.row, cell.col) & kStateSelected);
  }
}

TEST(GridPaste, ReadOnlyCellsKeepTheirTextAndARefusedTargetPastesNothing) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetItemText(1, 2, "keep");
  f.grid.SetItemState(1, 2, kStateReadOnly);
  EXPECT_TRUE(f.grid.PasteDataAtCell(1, 1, *plat::DataObject::FromText("u\tv\tw")));
  EXPECT_EQ(f.grid.GetItemText(1, 1), "u");
  EXPECT_EQ(f.grid.GetItemText(1, 2), "keep");
  EXPECT_EQ(f.grid.GetItemText(1, 3), "w");

  const auto data = plat::DataObject::FromText("z");
  EXPECT_FALSE(f.grid.PasteDataAtCell(1, 2, *data));  // a read-only target
  EXPECT_FALSE(f.grid.PasteDataAtCell(9, 1, *data));  // outside
  f.grid.SetEditable(false);
  EXPECT_FALSE(f.grid.PasteDataAtCell(2, 1, *data));
  EXPECT_EQ(f.grid.GetItemText(2, 1), "");
}

class AskOnceHost : public GridHost {
 public:
  PasteReading PasteReadAttempts(const CGridCtrl&) const override { return PasteReading{1, false}; }
};

TEST(GridPaste, TextThatCannotBeReadIsTriedAsOftenAsTheHostSays) {
  GridFixture f;
  f.MakeFixtureA();
  const auto data = plat::DataObject::FromText("t");
  {
    plat::testing::MessageBoxScript boxes;
    plat::testing::FailingTextReads failing(7);
    EXPECT_FALSE(f.grid.PasteDataAtCell(1, 1, *data));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Ole NullPtr, try again");
    EXPECT_EQ(f.grid.GetItemText(1, 1), "");
    EXPECT_FALSE(f.grid.GetModified());
  }
  {
    plat::testing::MessageBoxScript boxes;
    plat::testing::FailingTextReads failing(6);
    EXPECT_TRUE(f.grid.PasteDataAtCell(1, 1, *data));
    EXPECT_EQ(f.grid.GetItemText(1, 1), "t");
    EXPECT_TRUE(boxes.shown().empty());
  }
  AskOnceHost once;
  f.grid.SetHost(&once);
  plat::testing::MessageBoxScript boxes;
  plat::testing::FailingTextReads failing(1);
  EXPECT_FALSE(f.grid.PasteDataAtCell(2, 1, *data));
  EXPECT_TRUE(boxes.shown().empty());
  f.grid.SetHost(nullptr);
}

TEST(GridCopy, TheSelectionsBlockWithBlanksForEmptyCellsAndGapsForUnselectedOnes) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetItemText(1, 1, "p");
  f.grid.SetItemText(2, 1, "q");
  f.grid.SetItemText(2, 2, "r");
  EXPECT_EQ(f.grid.CopySelectionToData(), nullptr);  // nothing selected
  f.grid.SelectCellRange(1, 1, 2, 2);
  const std::optional<std::string> block = f.grid.CopySelectionToData()->GetText();
  ASSERT_TRUE(block);
  EXPECT_EQ(*block, std::string("\x70\x09\x20\x0A\x71\x09\x72", 7));
  f.grid.SelectCellRange(-1, -1, -1, -1);
  f.grid.SetItemState(1, 1, kStateSelected);
  f.grid.SetItemState(2, 2, kStateSelected);
  EXPECT_EQ(f.grid.CopySelectionToData()->GetText(), "p\t\n\tr");
}

TEST(GridCopy, CutEmptiesTheSelectedCellsButReadOnlyOnesAndPasteGoesToTheFocus) {
  GridFixture f;
  f.MakeFixtureA();
  FillWithO(f.grid);
  f.grid.SetItemState(1, 2, kStateReadOnly);
  f.grid.SelectCellRange(1, 1, 2, 3);
  f.grid.OnEditCut();
  EXPECT_EQ(plat::GetClipboardText(), "o\to\to\no\to\to");
  EXPECT_EQ(Texts(f.grid), "|o|\n||\no|o|o\no|o|o\n");
  EXPECT_TRUE(f.grid.GetModified());
  EXPECT_TRUE(f.grid.GetSelectedCells().size() <= 1u);  // the read-only cell may stay selected

  f.grid.SetFocusCell(3, 2);
  f.grid.OnEditPaste();
  EXPECT_EQ(Texts(f.grid), "|o|\n||\no|o|o\no|o|o\n");  // (3,2) onward: o, o | o, o
  ASSERT_TRUE(plat::SetClipboardText("1\t2\n3"));
  f.grid.OnEditPaste();
  EXPECT_EQ(Texts(f.grid), "|o|\n||\no|1|2\no|3|o\n");

  // Not editable: cut and paste change nothing.
  f.grid.SetEditable(false);
  f.grid.SelectCellRange(3, 1, 3, 3);
  f.grid.OnEditCut();
  f.grid.OnEditPaste();
  EXPECT_EQ(Texts(f.grid), "|o|\n||\no|1|2\no|3|o\n");
}

TEST(PastedText, EmptyLinesThatALineFeedEndsGiveOneField) {
  using Lines = std::vector<std::vector<std::string>>;
  EXPECT_EQ(SplitPastedText(""), (Lines{{}}));
  EXPECT_EQ(SplitPastedText("\n"), (Lines{{""}, {}}));
  EXPECT_EQ(SplitPastedText(",,\t,"), (Lines{{}}));
  EXPECT_EQ(SplitPastedText(std::string("a\0b", 3)), (Lines{{"a"}}));
}

}  // namespace
}  // namespace grid::test
