// "Analysis": the table filled from the diary, Enter in the table, Start and the side button.
#include "shell/job/dia_start.h"

#include <gtest/gtest.h>

#include "common/records/load_case_diary.h"
#include "grid/grid_notify.h"
#include "grid/tests/marked_cells.h"
#include "platform/message_box.h"
#include "platform/testing/dialog_testing.h"
#include "platform/window/virtual_keys.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::PutFile;

class StartDialogTest : public testing::PositionTest {
 protected:
  void PutDiary(const std::vector<int>& load_cases, int claimed) {
    common::LoadCaseDiary diary;
    diary.set_count(static_cast<std::int16_t>(claimed));
    for (std::size_t k = 0; k < load_cases.size(); ++k) {
      diary.set_load_case(static_cast<int>(k) + 1, static_cast<std::int16_t>(load_cases[k]));
    }
    PutFile(state_.position_folder + "DIARY.Halle",
            std::string_view(reinterpret_cast<const char*>(diary.bytes().data()), diary.bytes().size()));
  }
  std::string Batch() const { return InPosition("BATCH.Halle"); }
  // The dialog's table with the focus, on its first row.
  static ShellGrid& FocusTable(CDiaStart& dialog) {
    ShellGrid& grid = dialog.grid();
    grid.SetFocusCell(1, 1);
    grid.SetFocus();
    return grid;
  }

  plat::testing::MessageBoxScript boxes_;
  plat::testing::ProcessRecorder starts_;
};

TEST_F(StartDialogTest, TheTableShowsTheDiary) {
  struct Case {
    std::vector<int> diary;  // empty: no file
    int claimed;
    std::vector<std::string> rows_1_to_4;
    std::string row_99;
  };
  std::vector<int> ninety_nine;
  for (int k = 1; k <= 99; ++k) ninety_nine.push_back(k);
  const Case cases[] = {
      {{2, 5, 9}, 3, {"2", "5", "9", ""}, ""},
      {{}, -1, {"1", "", "", ""}, ""},
      {ninety_nine, 99, {"1", "2", "3", "4"}, "99"},
      {{3, 4}, 150, {"", "", "", ""}, ""},
  };
  for (const Case& c : cases) {
    plat::RemoveFile(state_.position_folder + "DIARY.Halle");
    if (c.claimed >= 0) PutDiary(c.diary, c.claimed);
    CDiaStart dialog(state_);
    ASSERT_TRUE(dialog.Create());
    std::vector<std::string> texts = dialog.LoadCaseTexts();
    ASSERT_EQ(texts.size(), 99u);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4), c.rows_1_to_4) << c.claimed;
    EXPECT_EQ(texts[98], c.row_99);
    dialog.DestroyWindow();
  }
  ASSERT_EQ(boxes_.shown().size(), 1u);  // the diary claiming 150
  EXPECT_NE(boxes_.shown()[0].text.find("DIARY.Halle"), std::string::npos);
}

TEST_F(StartDialogTest, TheTableIsSetUpForLoadCaseNumbers) {
  CDiaStart dialog(state_);
  ASSERT_TRUE(dialog.Create());
  ShellGrid& grid = dialog.grid();
  EXPECT_EQ(dialog.GetDlgItem(CDiaStart::kGridId), &grid);
  EXPECT_EQ(grid.GetRowCount(), 100);
  EXPECT_EQ(grid.GetColumnCount(), 2);
  EXPECT_EQ(grid.GetFixedRowCount(), 1);
  EXPECT_EQ(grid.GetFixedColumnCount(), 1);
  EXPECT_EQ(grid.GetItemText(37, 0), "37");
  EXPECT_TRUE(grid.GetCell(37, 0)->format & plat::DT_RIGHT);
  EXPECT_TRUE(grid.GetCell(37, 1)->format & plat::DT_CENTER);
  EXPECT_EQ(grid.shell_host().ColumnType(1), 3);
  EXPECT_EQ(grid.shell_host().ColumnType(0), 1);
  EXPECT_EQ(grid.colours().background, CDiaStart::kTableColour);
  EXPECT_LT(grid.GetColumnWidth(0), grid.GetColumnWidth(1));
  EXPECT_TRUE(grid.GetDragAndDrop());
  testing::SaveSnapshot(dialog, "start_dialog.png");
  dialog.DestroyWindow();
}

TEST_F(StartDialogTest, EnterInTheTableEditsAndStartWritesTheJob) {
  CDiaStart dialog(state_);
  ASSERT_TRUE(dialog.Create());
  ShellGrid& grid = FocusTable(dialog);
  grid.SetItemText(2, 1, "300");
  dialog.SendMessage(plat::WM_COMMAND, plat::IDOK, 0);  // Enter with the table focused
  EXPECT_FALSE(dialog.Ended());
  EXPECT_NE(plat::Window::GetFocus(), &grid);  // the editor has it
  grid.SetFocus();
  plat::testing::PumpMessages();

  // Start with a load case out of range: refused, the dialog stays for the table to be mended.
  ASSERT_TRUE(plat::testing::Press(dialog, plat::IDOK));
  EXPECT_FALSE(dialog.Ended());
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(boxes_.shown()[0].text, "Row 2: load case 300 lies outside 1..99.");
  EXPECT_EQ(Batch(), "(missing)");

  grid.SetItemText(2, 1, "4");
  grid.SetFocus();
  ASSERT_TRUE(plat::testing::Press(dialog, plat::IDOK));
  EXPECT_TRUE(dialog.Ended());
  std::string batch(1820, '\0');
  batch[0] = 2;
  batch[3] = 1;
  batch[4] = 4;
  EXPECT_EQ(Batch(), batch);
  EXPECT_EQ(starts_.calls().size(), 1u);
  dialog.DestroyWindow();
}

TEST_F(StartDialogTest, EnterTypedInTheTableOpensTheEditorAndTheDialogStays) {
  CDiaStart dialog(state_);
  ASSERT_TRUE(dialog.Create());
  ShellGrid& grid = FocusTable(dialog);
  plat::testing::PressKey(grid, plat::VK_RETURN);
  plat::testing::PumpMessages();
  EXPECT_FALSE(dialog.Ended());
  plat::Window* editor = plat::Window::GetFocus();
  ASSERT_NE(editor, &grid);
  EXPECT_EQ(editor->GetParent(), &grid);
  plat::testing::TypeText(*editor, "5");
  plat::testing::PressKey(*editor, plat::VK_RETURN);  // stored; on to the next row's cell
  plat::testing::PumpMessages();
  EXPECT_EQ(grid.GetItemText(1, 1), "5");
  EXPECT_FALSE(dialog.Ended());
  EXPECT_TRUE(starts_.calls().empty());
  dialog.DestroyWindow();
}

TEST_F(StartDialogTest, EnterOnTheTableOnlyOpensTheFocusCellsEditor) {
  CDiaStart dialog(state_);
  ASSERT_TRUE(dialog.Create());
  ShellGrid& grid = FocusTable(dialog);
  // As the window system delivers them: the press to the table, the release
  // to the editor that the press opened.
  plat::testing::KeyDown(grid, plat::VK_RETURN);
  plat::Window* editor = grid.GetDlgItem(grid::kCellEditorId);
  ASSERT_NE(editor, nullptr);
  plat::testing::KeyUp(*plat::Window::GetFocus(), plat::VK_RETURN);
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(grid.GetDlgItem(grid::kCellEditorId), editor);
  EXPECT_EQ(plat::Window::GetFocus(), editor);
  EXPECT_EQ(grid.GetFocusCell(), grid::CCellID(1, 1));
  EXPECT_FALSE(dialog.Ended());

  // Enter in the editor ends the edit and opens the next row's.
  plat::testing::TypeText(*editor, "3");
  plat::testing::PressKey(*editor, plat::VK_RETURN);
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(grid.GetItemText(1, 1), "3");
  EXPECT_EQ(grid.GetFocusCell(), grid::CCellID(2, 1));
  EXPECT_NE(grid.GetDlgItem(grid::kCellEditorId), nullptr);
  EXPECT_FALSE(dialog.Ended());
  dialog.DestroyWindow();
}

TEST_F(StartDialogTest, AfterARowIsInsertedOrDeletedOnlyTheFocusCellIsMarked) {
  for (const int key : {'I', 'L'}) {
    SCOPED_TRACE(static_cast<char>(key));
    PutDiary({2, 5, 9}, 3);
    CDiaStart dialog(state_);
    ASSERT_TRUE(dialog.Create());
    ShellGrid& grid = dialog.grid();
    const auto click_row = [&](int row, unsigned mods) {
      plat::Rect cell;
      ASSERT_TRUE(grid.GetCellRect(row, 1, &cell));
      plat::testing::Click(grid, {cell.left + 5, cell.top + 5}, plat::testing::MouseButton::kLeft, mods);
      ASSERT_TRUE(plat::testing::PumpMessages());
    };
    click_row(2, 0);
    click_row(3, plat::testing::kShift);  // rows 2 and 3 selected, the focus in row 3
    plat::testing::PressKey(grid, key, plat::testing::kCtrl);
    ASSERT_TRUE(plat::testing::PumpMessages());
    const int focus_row = key == 'I' ? 4 : 3;
    EXPECT_EQ(grid.GetFocusCell(), grid::CCellID(focus_row, 1));
    EXPECT_EQ(dialog.LoadCaseTexts()[2], "");
    EXPECT_EQ(dialog.LoadCaseTexts()[3], key == 'I' ? "9" : "");
    EXPECT_EQ(grid::test::Describe(grid::test::MarksOfPaint(grid)),
              "framed (" + std::to_string(focus_row) + ",1) highlighted");
    dialog.DestroyWindow();
  }
}

TEST_F(StartDialogTest, TheSideButtonCancels) {
  CDiaStart dialog(state_);
  ASSERT_TRUE(dialog.Create());
  plat::testing::Click(dialog.grid(), {60, 60}, plat::testing::MouseButton::kX1);
  plat::testing::PumpMessages();
  EXPECT_TRUE(dialog.Ended());
  EXPECT_EQ(Batch(), "(missing)");
  EXPECT_TRUE(starts_.calls().empty());
  dialog.DestroyWindow();
}

}  // namespace
}  // namespace quentaris
