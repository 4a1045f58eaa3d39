// Return and Escape in the grid tables as a person presses them: Return never
// stores, and typed rows are never thrown away without a question.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/position/model_defaults.h"
#include "geometry/tables/table_dialogs.h"
#include "geometry/tests/tables_fixture.h"
#include "grid/grid_notify.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/testing/write_faults.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

using testing::ModelWithDefaults;

using MakeTable = std::function<std::unique_ptr<CTableDialog>(FrameModel&, const common::Position&, GridInputState&)>;

struct TableCase {
  const char* name;
  MakeTable make;
  std::vector<std::string> row;  // row 1 as typed: a row the table would store
  bool return_edits;             // Return on the grid opens the focus cell's editor
};

template <class Dialog>
MakeTable Make() {
  return [](FrameModel& model, const common::Position& position, GridInputState& state) {
    return std::make_unique<Dialog>(model, position, state);
  };
}

const std::vector<TableCase>& Tables() {
  static const std::vector<TableCase> cases = {
      {"elements", Make<CDiaElemente>(), {"0", "0", "4", "0", "1", "1", "1", "1", "0", "0"}, true},
      {"nodes", Make<CDiaKnoten>(), {"0", "0", "1", "1", "0"}, false},
      {"cross sections", Make<CDiaQuer>(), {"0.3", "0.5", "0.15", "0.003125"}, true},
      {"materials", Make<CDiaMaterial>(), {"1", "3E7"}, true},
  };
  return cases;
}

plat::Window* CellEditor(grid::CGridCtrl& grid) { return grid.GetDlgItem(grid::kCellEditorId); }

// Ends an open cell edit with Escape, so that the grid itself has the focus.
void EndCellEdit(grid::CGridCtrl& grid) {
  if (plat::Window* editor = CellEditor(grid)) plat::testing::PressKey(*editor, plat::VK_ESCAPE);
  plat::testing::PumpMessages();
}

TEST(TableKeys, ReturnOnTheGridNeverStores) {
  for (const TableCase& c : Tables()) {
    SCOPED_TRACE(c.name);
    const common::Position position = testing::FreshTablePosition("KRET");
    FrameModel model = ModelWithDefaults();
    GridInputState state;
    plat::testing::MessageBoxScript boxes;
    const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
    std::unique_ptr<CTableDialog> dialog = c.make(model, position, state);
    ASSERT_TRUE(dialog->Create());
    testing::SetRow(dialog->grid(), 1, c.row);
    EndCellEdit(dialog->grid());
    dialog->grid().SetFocus();
    ASSERT_EQ(plat::Window::GetFocus(), &dialog->grid());

    const grid::CCellID focus = dialog->grid().GetFocusCell();
    plat::testing::KeyDown(dialog->grid(), plat::VK_RETURN);
    plat::testing::PumpMessages();
    // The release goes to the window that has the focus by then.
    plat::Window* now = plat::Window::GetFocus();
    plat::testing::KeyUp(now != nullptr ? *now : dialog->grid(), plat::VK_RETURN);
    plat::testing::PumpMessages();
    EXPECT_FALSE(dialog->Ended());
    EXPECT_EQ(plat::testing::SnapshotFolder(position.folder()), before);
    EXPECT_EQ(CellEditor(dialog->grid()) != nullptr, c.return_edits);
    EXPECT_EQ(dialog->grid().GetFocusCell(), focus);  // the focus cell itself is edited
    EXPECT_TRUE(boxes.shown().empty());
  }
}

// In the nodes table Return computes the factor in "target value" and stores
// nowhere; the cross sections keep "&OK" as their default button (Return
// outside the grid stores them), the other tables do not.
TEST(TableKeys, ReturnInTheTargetValueComputesTheFactor) {
  const common::Position position = testing::FreshTablePosition("KTGT");
  FrameModel model = ModelWithDefaults();
  GridInputState state;
  CDiaKnoten nodes(model, position, state);
  ASSERT_TRUE(nodes.Create());
  testing::SetRow(nodes.grid(), 1, {"0", "0", "1", "1", "0"});
  nodes.SetDlgItemText(table_ids::kTargetValue, "1e5");
  plat::Window* target = nodes.GetDlgItem(table_ids::kTargetValue);
  ASSERT_NE(target, nullptr);
  target->SetFocus();
  plat::testing::PressKey(*target, plat::VK_RETURN);
  plat::testing::PumpMessages();
  EXPECT_FALSE(nodes.Ended());
  EXPECT_EQ(nodes.GetDlgItemText(table_ids::kFactor), "0.04682");
  EXPECT_FALSE(plat::FileExists(position.File("NODES")));

  CDiaQuer sections(model, position, state);
  ASSERT_TRUE(sections.Create());
  EXPECT_EQ(sections.GetDefID(), table_ids::kOk);
  EXPECT_NE(nodes.GetDefID(), table_ids::kOk);
}

// Escape, Stop and the close box on a changed table ask first; an unchanged
// table closes at once.
TEST(TableKeys, TypedRowsAreNotDiscardedWithoutAQuestion) {
  struct Close {
    const char* name;
    std::function<void(CTableDialog&)> act;
  };
  const Close closes[] = {
      {"Escape", [](CTableDialog& d) { plat::testing::PressKey(d.grid(), plat::VK_ESCAPE); }},
      {"Stop", [](CTableDialog& d) { d.SendMessage(plat::WM_COMMAND, table_ids::kStop, reinterpret_cast<plat::LPARAM>(d.GetDlgItem(table_ids::kStop))); }},
      {"close box", [](CTableDialog& d) { d.SendMessage(plat::WM_CLOSE); }},
  };
  for (const TableCase& table : Tables()) {
    for (const Close& close : closes) {
      SCOPED_TRACE(std::string(table.name) + ", " + close.name);
      const common::Position position = testing::FreshTablePosition("KESC");
      FrameModel model = ModelWithDefaults();
      GridInputState state;
      plat::testing::MessageBoxScript boxes;

      std::unique_ptr<CTableDialog> unchanged = table.make(model, position, state);
      ASSERT_TRUE(unchanged->Create());
      EndCellEdit(unchanged->grid());
      close.act(*unchanged);
      plat::testing::PumpMessages();
      EXPECT_TRUE(unchanged->Ended());
      EXPECT_TRUE(boxes.shown().empty());

      std::unique_ptr<CTableDialog> typed = table.make(model, position, state);
      ASSERT_TRUE(typed->Create());
      EndCellEdit(typed->grid());
      typed->grid().SetItemText(2, 1, "7");
      boxes.Answer(plat::IDNO);
      close.act(*typed);
      plat::testing::PumpMessages();
      EXPECT_FALSE(typed->Ended());
      ASSERT_EQ(boxes.shown().size(), 1u);
      EXPECT_EQ(boxes.shown()[0].text, "Discard the changes to the table?");
      EXPECT_EQ(typed->grid().GetItemText(2, 1), "7");

      boxes.Answer(plat::IDYES);
      close.act(*typed);
      plat::testing::PumpMessages();
      EXPECT_TRUE(typed->Ended());
      EXPECT_EQ(boxes.shown().size(), 2u);
      EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
      EXPECT_FALSE(plat::FileExists(position.File("NODES")));
    }
  }
}

// A click on a support column of the nodes table switches "0" and "1".
TEST(TableKeys, AClickOnASupportCellOfTheNodesSwitchesIt) {
  const common::Position position = testing::FreshTablePosition("KSW");
  FrameModel model = ModelWithDefaults();
  GridInputState state;
  CDiaKnoten nodes(model, position, state);
  ASSERT_TRUE(nodes.Create());
  grid::CGridCtrl& grid = nodes.grid();
  testing::SetRow(grid, 1, {"0", "0", "0", "1", "2"});
  auto click = [&](int col) {
    plat::Rect cell;
    ASSERT_TRUE(grid.GetCellRect(1, col, &cell));
    plat::testing::Click(grid, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    plat::testing::PumpMessages();
  };
  struct Case {
    int col;
    const char* after;
  } cases[] = {{3, "1"}, {4, "0"}, {5, "2"}, {1, "0"}};  // 2 is no switch; x is no support
  for (const Case& c : cases) {
    SCOPED_TRACE(c.col);
    click(c.col);
    EXPECT_EQ(grid.GetItemText(1, c.col), c.after);
  }
}

}  // namespace
}  // namespace kelmf
