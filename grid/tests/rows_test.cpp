// Inserting and deleting a row at the focus: the texts move in memory, the
// row headings and the clipboard stay, the host hears of it.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "grid/tests/marked_cells.h"
#include "platform/clipboard/clipboard.h"
#include "platform/testing/window_testing.h"

namespace grid::test {
namespace {

class RowHost : public GridHost {
 public:
  std::vector<std::string> log;
  void RowInserted(CGridCtrl&, int row) override { log.push_back("inserted " + std::to_string(row)); }
  void RowDeleted(CGridCtrl&, int row) override { log.push_back("deleted " + std::to_string(row)); }
};

// Column `col` of rows 1-4 joined by "|".
std::string Column(const CGridCtrl& grid, int col) {
  std::string out;
  for (int r = 1; r <= 4; ++r) out += grid.GetItemText(r, col) + (r < 4 ? "|" : "");
  return out;
}

struct RowsFixture : GridFixture {
  RowHost rows;
  RowsFixture() {
    MakeFixtureA();
    grid.SetHost(&rows);
    const char* heads[] = {"1", "2", "3", "4"};
    const char* letters[] = {"a", "b", "c", "d"};
    const char* numbers[] = {"1", "1,5", "3", "4"};
    for (int r = 1; r <= 4; ++r) {
      grid.SetItemText(r, 0, heads[r - 1]);
      grid.SetItemText(r, 1, letters[r - 1]);
      grid.SetItemText(r, 2, numbers[r - 1]);
    }
    plat::SetClipboardText("clip");
  }
  ~RowsFixture() { grid.SetHost(nullptr); }
};

TEST(GridRows, InsertMovesTheRowsBelowDownAndLeavesTheClipboard) {
  RowsFixture f;
  f.grid.SetFocusCell(2, 1);
  f.grid.InsertRowAtFocus();
  EXPECT_EQ(Column(f.grid, 1), "a||b|c");
  EXPECT_EQ(Column(f.grid, 2), "1||1,5|3");
  EXPECT_EQ(Column(f.grid, 0), "1|2|3|4");
  EXPECT_EQ(f.grid.GetFocusCell(), CCellID(3, 1));
  EXPECT_EQ(f.rows.log, std::vector<std::string>{"inserted 2"});
  EXPECT_EQ(plat::GetClipboardText(), "clip");
  EXPECT_TRUE(f.grid.GetModified());
}

TEST(GridRows, DeleteMovesTheRowsBelowUpAndEmptiesTheLastRow) {
  struct Case {
    int row;
    const char* column1;
  };
  for (const Case& c : {Case{2, "a|c|d|"}, Case{4, "a|b|c|"}, Case{1, "b|c|d|"}}) {
    RowsFixture f;
    f.grid.SetFocusCell(c.row, 1);
    f.grid.DeleteRowAtFocus();
    EXPECT_EQ(Column(f.grid, 1), c.column1) << c.row;
    EXPECT_EQ(Column(f.grid, 0), "1|2|3|4");
    EXPECT_EQ(f.grid.GetFocusCell(), CCellID(c.row, 1));
    EXPECT_EQ(f.rows.log, std::vector<std::string>{"deleted " + std::to_string(c.row)});
    EXPECT_EQ(plat::GetClipboardText(), "clip");
  }
}

TEST(GridRows, NothingChangesOnTheLastRowsInsertWithoutAFocusOrWhenNotEditable) {
  RowsFixture f;
  f.grid.SetFocusCell(4, 1);
  f.grid.InsertRowAtFocus();
  f.grid.SetFocusCell(-1, -1);
  f.grid.InsertRowAtFocus();
  f.grid.DeleteRowAtFocus();
  f.grid.SetFocusCell(2, 1);
  f.grid.SetEditable(false);
  f.grid.InsertRowAtFocus();
  f.grid.DeleteRowAtFocus();
  EXPECT_EQ(Column(f.grid, 1), "a|b|c|d");
  EXPECT_EQ(Column(f.grid, 2), "1|1,5|3|4");
  EXPECT_TRUE(f.rows.log.empty());
  EXPECT_FALSE(f.grid.GetModified());
  EXPECT_EQ(plat::GetClipboardText(), "clip");
}

TEST(GridRows, TheHighlightFollowsTheFocusToItsNewCell) {
  struct Case {
    bool insert;
    bool block;  // (2,2) to (3,3) selected by a Shift+click, the focus at (3,3)
    const char* marks;
    const char* selection;
  };
  const Case cases[] = {
      {true, false, "framed (3,1) highlighted", "(3,1)"},
      {false, false, "framed (2,1) highlighted", "(2,1)"},
      {true, true, "framed (4,1) highlighted", "(4,1)"},
      {false, true, "framed (3,1) highlighted", "(3,1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.insert ? "insert" : "delete") + (c.block ? " block" : ""));
    RowsFixture f;
    plat::testing::Click(f.grid, {95, 55});  // cell (2,2)
    if (c.block) plat::testing::Click(f.grid, {145, 75}, plat::testing::MouseButton::kLeft, plat::testing::kShift);
    ASSERT_TRUE(plat::testing::PumpMessages());
    if (c.insert) {
      f.grid.InsertRowAtFocus();
    } else {
      f.grid.DeleteRowAtFocus();
    }
    EXPECT_EQ(Describe(MarksOfPaint(f.grid)), c.marks);
    EXPECT_EQ(SelectionOf(f.grid), c.selection);
  }
}

}  // namespace
}  // namespace grid::test
