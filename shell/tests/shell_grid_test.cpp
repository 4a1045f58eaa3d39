// The shell's table: column types, the end of an edit, the keys and the mouse.
#include "shell/job/shell_grid.h"

#include <gtest/gtest.h>

#include "platform/clipboard/clipboard.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"
#include "shell/job/column_types.h"

namespace quentaris {
namespace {

using plat::testing::PressKey;

TEST(ColumnTypes, AFinishedEditKeepsWhatItsColumnAllows) {
  struct Case {
    const char* typed;
    int type;
    const char* stored;
  };
  const Case cases[] = {
      {"1,5.3", 1, "1,5.3"}, {"1,5.3", 3, "153"}, {"1,5.3e", 2, "1.53E"}, {"a,b,c", 0, "a.bc"},
      {"jaN", 4, "JN"},      {"x9", 13, ""},   {"1, 2", 6, "1, 2"},    {"ierwk", 14, "IERWK"},
      {"x9", 99, ""},        {"\xE4" "b", 0, "\xE4" "b"},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanEditedText(c.typed, c.type), c.stored) << c.typed << " " << c.type;
}

// The parent hears the grid's notifications and side buttons.
class Owner : public plat::Window {
 public:
  std::vector<std::array<int, 3>> notes;  // code, row, col
  std::vector<std::pair<plat::WPARAM, plat::LPARAM>> side_buttons;

  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override {
    if (message == plat::WM_XBUTTONDOWN) side_buttons.emplace_back(wParam, lParam);
    return Window::WindowProc(message, wParam, lParam);
  }

 protected:
  bool OnNotify(plat::WPARAM, plat::LPARAM lParam, plat::LRESULT* result) override {
    const auto* info = reinterpret_cast<const grid::GridNotifyInfo*>(lParam);
    notes.push_back({static_cast<int>(info->hdr.code), info->row, info->col});
    *result = 0;
    return true;
  }
};

// Five rows (one fixed) of 20 pixels, columns 40, 50, 50 (one fixed).
class ShellGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner_.Create("owner", plat::WS_VISIBLE, plat::Rect{100, 100, 500, 400}));
    ASSERT_TRUE(grid_.Create("", plat::WS_CHILD | plat::WS_VISIBLE, plat::Rect{0, 0, 200, 150}, &owner_, 7));
    grid_.SetRowCount(5);
    grid_.SetColumnCount(3);
    grid_.SetFixedRowCount(1);
    grid_.SetFixedColumnCount(1);
    for (int r = 0; r < 5; ++r) grid_.SetRowHeight(r, 20);
    grid_.SetColumnWidth(0, 40);
    grid_.SetColumnWidth(1, 50);
    grid_.SetColumnWidth(2, 50);
    grid_.shell_host().SetAllColumnTypes(3, 1);
    grid_.shell_host().SetColumnType(1, 3);
    grid_.SetFocus();
  }
  void Column1(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) grid_.SetItemText(static_cast<int>(i) + 1, 1, texts[i]);
  }
  std::vector<std::string> Column1() const {
    std::vector<std::string> texts;
    for (int r = 1; r < 5; ++r) texts.push_back(grid_.GetItemText(r, 1));
    return texts;
  }
  grid::CCellID Focus() const { return grid_.GetFocusCell(); }

  Owner owner_;
  ShellGrid grid_;
};

TEST_F(ShellGridTest, EnterCopiesTheCellAboveIntoAnEmptyCellFromRowTwoOn) {
  Column1({"7", "", "", ""});
  grid_.SetFocusCell(2, 1);
  PressKey(grid_, plat::VK_RETURN);
  EXPECT_EQ(grid_.GetItemText(2, 1), "7");
  EXPECT_TRUE(grid_.GetModified());
  EXPECT_EQ(Focus(), grid::CCellID(2, 2));  // on as Tab

  grid_.SetModified(false);
  grid_.SetItemText(1, 2, "");
  grid_.SetFocusCell(1, 2);
  PressKey(grid_, plat::VK_RETURN);  // row 1 has no row above to copy from
  EXPECT_EQ(grid_.GetItemText(1, 2), "");
  EXPECT_FALSE(grid_.GetModified());
  EXPECT_EQ(Focus(), grid::CCellID(2, 1));  // past the last column: the next row
}

TEST_F(ShellGridTest, F5CopiesDownAndFollowsButNotFromTheLastRow) {
  Column1({"4", "", "", "9"});
  grid_.SetFocusCell(1, 1);
  PressKey(grid_, plat::VK_F5);
  EXPECT_EQ(grid_.GetItemText(2, 1), "4");
  EXPECT_EQ(Focus(), grid::CCellID(2, 1));
  EXPECT_TRUE(grid_.GetModified());

  grid_.SetFocusCell(4, 1);
  PressKey(grid_, plat::VK_F5);
  EXPECT_EQ(Focus(), grid::CCellID(4, 1));
  EXPECT_EQ(Column1(), (std::vector<std::string>{"4", "4", "", "9"}));
}

TEST_F(ShellGridTest, CtrlArrowsCopyToTheNeighbourWithinTheGrid) {
  grid_.SetItemText(2, 1, "5");
  grid_.SetFocusCell(2, 1);
  PressKey(grid_, plat::VK_RIGHT, plat::testing::kCtrl);
  EXPECT_EQ(grid_.GetItemText(2, 2), "5");
  EXPECT_EQ(Focus(), grid::CCellID(2, 2));  // two to the right, kept in the grid

  grid_.SetModified(false);
  grid_.SetItemText(2, 2, "6");
  PressKey(grid_, plat::VK_RIGHT, plat::testing::kCtrl);  // the last column: nothing beyond
  EXPECT_EQ(Focus(), grid::CCellID(2, 2));
  EXPECT_FALSE(grid_.GetModified());

  PressKey(grid_, plat::VK_LEFT, plat::testing::kCtrl);
  EXPECT_EQ(grid_.GetItemText(2, 1), "6");
  EXPECT_EQ(Focus(), grid::CCellID(2, 1));  // from the last column one to the left
}

TEST_F(ShellGridTest, RowKeysShiftTextsAndLeaveTheClipboard) {
  ASSERT_TRUE(plat::SetClipboardText("kept"));
  Column1({"1", "2", "3", "4"});
  grid_.SetFocusCell(3, 1);
  PressKey(grid_, 'I', plat::testing::kCtrl);
  EXPECT_EQ(Column1(), (std::vector<std::string>{"1", "2", "", "3"}));  // five rows hold four texts: "4" falls off
  EXPECT_EQ(plat::GetClipboardText(), "kept");

  grid_.SetFocusCell(4, 1);
  PressKey(grid_, 'L', plat::testing::kCtrl);  // the last row is emptied
  EXPECT_EQ(Column1(), (std::vector<std::string>{"1", "2", "", ""}));
  EXPECT_EQ(plat::GetClipboardText(), "kept");
}

TEST_F(ShellGridTest, DeleteCutsTheSelectionUnlessTheFocusIsReadOnly) {
  Column1({"a", "b", "c", "d"});
  grid_.SetFocusCell(1, 1);
  grid_.SelectCellRange(1, 1, 3, 1);
  PressKey(grid_, plat::VK_DELETE);
  EXPECT_EQ(plat::GetClipboardText(), "a\nb\nc");
  EXPECT_EQ(Column1(), (std::vector<std::string>{"", "", "", "d"}));
  EXPECT_TRUE(grid_.GetModified());

  grid_.SetModified(false);
  grid_.SetItemState(4, 1, grid::kStateReadOnly);
  grid_.SetFocusCell(4, 1);
  grid_.SelectCellRange(4, 1, 4, 1);
  PressKey(grid_, plat::VK_DELETE);
  EXPECT_EQ(grid_.GetItemText(4, 1), "d");
  EXPECT_FALSE(grid_.GetModified());
}

TEST_F(ShellGridTest, NavigationKeysStayInTheNonFixedCells) {
  grid_.SetFocusCell(1, 1);
  const struct {
    int vk;
    unsigned mods;
    grid::CCellID focus;
  } steps[] = {
      {plat::VK_UP, 0, {1, 1}},    {plat::VK_LEFT, 0, {1, 1}},           {plat::VK_END, 0, {4, 1}},
      {plat::VK_DOWN, 0, {4, 1}},  {plat::VK_TAB, 0, {4, 2}},            {plat::VK_TAB, 0, {4, 2}},
      {plat::VK_HOME, 0, {1, 2}},  {plat::VK_TAB, plat::testing::kShift, {1, 1}},
      {plat::VK_NEXT, 0, {4, 1}},  {plat::VK_PRIOR, 0, {1, 1}},
  };
  for (const auto& step : steps) {
    PressKey(grid_, step.vk, step.mods);
    EXPECT_EQ(Focus(), step.focus) << step.vk;
  }
  // Without Shift the selection is the focus cell; with Shift the block from the anchor.
  PressKey(grid_, plat::VK_DOWN, plat::testing::kShift);
  PressKey(grid_, plat::VK_RIGHT, plat::testing::kShift);
  EXPECT_EQ(grid_.SelectedCellRange(), (grid::CellRange{1, 1, 2, 2}));
}

TEST_F(ShellGridTest, TheEndOfAnEditCleansStoresAndTellsTheOwner) {
  grid_.SetItemText(2, 1, "8");
  grid::GridEditInfo info;
  info.hdr.code = grid::GridNotifyEndEdit;
  info.item.row = 2;
  info.item.col = 1;
  info.item.text = "1,5.3";
  info.item.data = plat::VK_TAB;
  grid_.shell_host().EndEdit(grid_, info);
  EXPECT_EQ(grid_.GetItemText(2, 1), "153");
  EXPECT_TRUE(grid_.GetModified());
  EXPECT_EQ(owner_.notes, (std::vector<std::array<int, 3>>{{grid::GridNotifyEndEdit, 2, 1}}));

  grid_.SetModified(false);
  info.item.text = "153";
  grid_.shell_host().EndEdit(grid_, info);  // the same text changes nothing
  EXPECT_FALSE(grid_.GetModified());

  info.item.text = "77";
  info.item.data = plat::VK_ESCAPE;
  grid_.shell_host().EndEdit(grid_, info);
  EXPECT_EQ(grid_.GetItemText(2, 1), "153");
  EXPECT_FALSE(grid_.GetModified());
}

TEST_F(ShellGridTest, TypingIntoTheEditorAndEscapeRestoresTheText) {
  grid_.SetItemText(2, 1, "8");
  grid_.SetFocusCell(2, 1);
  plat::testing::TypeText(grid_, "3");
  plat::Window* editor = plat::Window::GetFocus();
  ASSERT_NE(editor, &grid_);
  plat::testing::TypeText(*editor, "x,4");
  PressKey(*editor, plat::VK_ESCAPE);
  plat::testing::PumpMessages();
  EXPECT_EQ(grid_.GetItemText(2, 1), "8");
  EXPECT_FALSE(grid_.GetModified());

  plat::testing::TypeText(grid_, "3");
  editor = plat::Window::GetFocus();
  ASSERT_NE(editor, &grid_);
  plat::testing::TypeText(*editor, "x,4");
  PressKey(*editor, plat::VK_DOWN);  // ends, moves down and edits there
  plat::testing::PumpMessages();
  EXPECT_EQ(grid_.GetItemText(2, 1), "34");
  EXPECT_TRUE(grid_.GetModified());
  EXPECT_EQ(Focus(), grid::CCellID(3, 1));
  EXPECT_NE(plat::Window::GetFocus(), &grid_);  // the next editor
}

TEST_F(ShellGridTest, DraggingOverRowHeadingsSelectsRowsAndChangesNoCell) {
  Column1({"1", "2", "3", "4"});
  plat::testing::MouseDown(grid_, {20, 50});  // row 2 heading
  plat::testing::MouseMove(grid_, {20, 90}, plat::MK_LBUTTON);  // row 4
  plat::testing::MouseUp(grid_, {20, 90});
  EXPECT_EQ(grid_.SelectedCellRange(), (grid::CellRange{2, 1, 4, 2}));
  EXPECT_EQ(Column1(), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_FALSE(grid_.GetModified());
}

TEST_F(ShellGridTest, ANewShellGridTakesADropTheCommonGridRefuses) {
  const auto data = plat::DataObject::FromText("12");
  EXPECT_EQ(grid_.OnDragOver(*data, 0, {60, 30}), plat::DROPEFFECT_MOVE);
  grid_.OnDragLeave();
  grid_.SetItemState(1, 1, grid::kStateReadOnly);
  EXPECT_EQ(grid_.OnDragOver(*data, 0, {60, 30}), plat::DROPEFFECT_NONE);
  grid_.OnDragLeave();

  grid::CGridCtrl common;
  ASSERT_TRUE(common.Create("", plat::WS_CHILD | plat::WS_VISIBLE, plat::Rect{0, 0, 200, 150}, &owner_, 8));
  common.SetRowCount(3);
  common.SetColumnCount(3);
  common.SetFixedRowCount(1);
  common.SetFixedColumnCount(1);
  EXPECT_EQ(common.OnDragOver(*data, 0, {60, 40}), plat::DROPEFFECT_NONE);
}

TEST_F(ShellGridTest, TheSideButtonGoesToTheOwner) {
  EXPECT_TRUE(grid_.shell_host().SideButton(grid_, 0, 1, {10, 10}));
  plat::testing::PumpMessages();
  ASSERT_EQ(owner_.side_buttons.size(), 1u);
  EXPECT_EQ(owner_.side_buttons[0].first, 7u);
  EXPECT_EQ(owner_.side_buttons[0].second, reinterpret_cast<plat::LPARAM>(grid_.GetSafeHwnd()));
}

}  // namespace
}  // namespace quentaris
