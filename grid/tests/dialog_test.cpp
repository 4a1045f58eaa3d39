// A grid in a dialog: attached in place of a placeholder, sized with the dialog.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/testing/window_testing.h"

namespace grid::test {
namespace {

inline constexpr plat::UINT kGrid = 1001;

class TableDialog : public plat::Dialog {
 public:
  TableDialog() : Dialog(140, "Table") {}
  LoggingGrid grid;
  std::vector<int> codes;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override {
    layout.Grid(kGrid, 190, 100);
    layout.OkCancel("OK", "Cancel");
  }
  bool OnInitDialog() override {
    EXPECT_TRUE(AttachToPlaceholder(kGrid, grid));
    grid.SetRowCount(40);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.StretchColumnsToWidth();
    return Dialog::OnInitDialog();
  }
  bool OnNotify(plat::WPARAM, plat::LPARAM lParam, plat::LRESULT* result) override {
    codes.push_back(reinterpret_cast<const GridNotifyInfo*>(lParam)->hdr.code);
    *result = 0;
    return true;
  }
};

TEST(GridInDialog, TakesThePlaceholdersPlaceFontAndParent) {
  TableDialog dialog;
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(plat::testing::PumpMessages());
  CGridCtrl& grid = dialog.grid;
  EXPECT_EQ(dialog.GetDlgItem(kGrid), &grid);
  EXPECT_EQ(grid.GetGridFont(), plat::Dialog::DialogFont());
  EXPECT_NE(grid.GetDefaultRowHeight(), 30);  // measured in the dialog font when the window was made
  EXPECT_EQ(grid.GetRowHeight(5), grid.GetDefaultRowHeight());
  // Forty rows do not fit: the vertical bar shows, and the columns fill the width left.
  const plat::Rect client = ClientOf(grid);
  EXPECT_GT(grid.GetVerticalScrollMaximum(), 0);
  int sum = 0;
  for (int c = 0; c < 4; ++c) sum += grid.GetColumnWidth(c);
  EXPECT_LE(sum, client.Width() + 4);
  grid.SetFocusCell(1, 1);
  EXPECT_EQ(dialog.codes, (std::vector<int>{GridNotifyFocusChanged}));
  dialog.DestroyWindow();
}

TEST(GridInDialog, ResizingEndsAnEditInsideTheGridButTakesNoOtherFocus) {
  GridFixture f;
  f.MakeFixtureA();
  plat::Edit sibling;
  ASSERT_TRUE(sibling.Create(plat::WS_VISIBLE, plat::Rect{300, 10, 380, 30}, &f.parent, 20));
  sibling.SetFocus();
  f.grid.MoveWindow(0, 0, 250, 150);
  EXPECT_EQ(plat::Window::GetFocus(), &sibling);

  plat::Edit editor;  // stands in for the in-place editor
  ASSERT_TRUE(editor.Create(plat::WS_VISIBLE, plat::Rect{40, 30, 90, 50}, &f.grid, kCellEditorId));
  editor.SetFocus();
  f.grid.MoveWindow(0, 0, 260, 160);
  EXPECT_EQ(plat::Window::GetFocus(), &f.grid);
}

}  // namespace
}  // namespace grid::test
