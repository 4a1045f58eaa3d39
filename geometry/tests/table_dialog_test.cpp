// The grid dialogs: filled from the model, typed into, stored by OK, and a
// refused table keeps the dialog open.
#include <gtest/gtest.h>

#include "common/position/model_defaults.h"
#include "geometry/tables/table_dialogs.h"
#include "geometry/tests/position_fixture.h"
#include "geometry/tests/tables_fixture.h"
#include "grid/grid_notify.h"
#include "grid/tests/marked_cells.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/files.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

using testing::ClickTableOk;
using testing::TypeInGrid;

TEST(TableDialogs, ElementsTypedAndStored) {
  const common::Position position = testing::FreshTablePosition("DEL");
  FrameModel model;
  model.materials.Append(common::DefaultMaterial());
  GridInputState state;
  CDiaElemente dialog(model, position, state);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(state.active_table, GridTable::kElements);
  EXPECT_EQ(dialog.grid().GetRowCount(), 101);
  for (const char* v : {"0", "0", "4", "0", "", "", "", "", "4", "3"}) TypeInGrid(dialog.grid(), v);
  EXPECT_EQ(dialog.grid().GetItemText(2, 5), "1");

  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(dialog).Save(snapshots + "kelmf-elements-table.png").ok());

  ClickTableOk(dialog);
  EXPECT_TRUE(dialog.Ended());
  ASSERT_EQ(model.elements.count(), 2);
  EXPECT_EQ(model.elements[2].xa(), 4.0f);
  EXPECT_EQ(model.elements[2].zb(), 3.0f);
  EXPECT_EQ(model.params.node_count(), 3);
  EXPECT_EQ(testing::GeometryMarker(position), 0);
  EXPECT_EQ(state.active_table, GridTable::kNone);
}

TEST(TableDialogs, AfterCtrlIOrCtrlLOnlyTheFocusCellIsMarked) {
  for (const int key : {'I', 'L'}) {
    SCOPED_TRACE(static_cast<char>(key));
    const common::Position position = testing::FreshTablePosition("DMARK");
    FrameModel model;
    GridInputState state;
    CDiaElemente dialog(model, position, state);
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(plat::testing::PumpMessages());
    grid::CGridCtrl& grid = dialog.grid();
    plat::Rect cell;
    ASSERT_TRUE(grid.GetCellRect(2, 3, &cell));
    plat::testing::Click(grid, {cell.left + 5, cell.top + 5});
    ASSERT_TRUE(plat::testing::PumpMessages());
    ASSERT_EQ(grid.GetFocusCell(), grid::CCellID(2, 3));
    plat::testing::PressKey(grid, key, plat::testing::kCtrl);
    ASSERT_TRUE(plat::testing::PumpMessages());
    const int focus_row = key == 'I' ? 3 : 2;
    EXPECT_EQ(grid.GetFocusCell(), grid::CCellID(focus_row, 1));
    EXPECT_EQ(grid::test::Describe(grid::test::MarksOfPaint(grid)),
              "framed (" + std::to_string(focus_row) + ",1) highlighted");
    dialog.DestroyWindow();
  }
}

TEST(TableDialogs, ResizingGrowsTheGridAndKeepsTheButtonsAtTheEdges) {
  const common::Position position = testing::FreshTablePosition("DSZ");
  FrameModel model;
  GridInputState state;
  CDiaMaterial dialog(model, position, state);
  ASSERT_TRUE(dialog.Create());
  auto rect_of = [&](plat::UINT id) {
    plat::Rect r;
    dialog.GetDlgItem(id)->GetWindowRect(&r);
    dialog.ScreenToClient(&r);
    return r;
  };
  const plat::Rect grid_before = rect_of(table_ids::kGrid);
  const plat::Rect ok_before = rect_of(table_ids::kOk);
  plat::Rect window;
  dialog.GetWindowRect(&window);
  dialog.MoveWindow(window.left, window.top, window.Width() + 100, window.Height() + 80);
  ASSERT_TRUE(plat::testing::PumpMessages());
  const plat::Rect grid_after = rect_of(table_ids::kGrid);
  EXPECT_EQ(grid_after.left, grid_before.left);
  EXPECT_EQ(grid_after.top, grid_before.top);
  EXPECT_GT(grid_after.Width(), grid_before.Width());
  EXPECT_EQ(grid_after.Height(), grid_before.Height() + 80);
  EXPECT_EQ(rect_of(table_ids::kOk).top, ok_before.top + 80);
}

TEST(TableDialogs, ARefusedTableKeepsTheDialogOpen) {
  const common::Position position = testing::FreshTablePosition("DREF");
  FrameModel model;
  GridInputState state;
  plat::testing::MessageBoxScript boxes;
  CDiaElemente dialog(model, position, state);
  ASSERT_TRUE(dialog.Create());
  dialog.grid().SetItemText(2, 1, "3");
  ClickTableOk(dialog);
  EXPECT_FALSE(dialog.Ended());
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Row 2 follows an empty row.");
  EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
}

TEST(TableDialogs, RearrangeTurnsTheElementAndStores) {
  const common::Position position = testing::FreshTablePosition("DRE");
  FrameModel model;
  model.materials.Append(common::DefaultMaterial());
  GridInputState state;
  CDiaElemente dialog(model, position, state);
  ASSERT_TRUE(dialog.Create());
  const char* row[] = {"6", "0", "0", "0", "1", "1", "1", "1", "1", "0"};
  for (int c = 0; c < 10; ++c) dialog.grid().SetItemText(1, c + 1, row[c]);
  ASSERT_TRUE(dialog.Rearrange());
  std::string shown;
  for (int c = 1; c <= 10; ++c) shown += dialog.grid().GetItemText(1, c) + (c < 10 ? " " : "");
  EXPECT_EQ(shown, "0.00 0.00 6.00 0.00 1 1 1 1 0 1");
  EXPECT_EQ(model.elements[1].hinge_b(), 1);
  EXPECT_EQ(model.elements[1].xb(), 6.0f);
}

TEST(TableDialogs, NewTablesShowTheDefaults) {
  const common::Position position = testing::FreshTablePosition("DDEF");
  FrameModel model;
  GridInputState state;
  {
    CDiaQuer sections(model, position, state);
    ASSERT_TRUE(sections.Create());
    EXPECT_EQ(sections.grid().GetItemText(1, 1), "0.200");
    EXPECT_EQ(sections.grid().GetItemText(1, 3), "8.000E-02");
    EXPECT_EQ(sections.grid().GetItemText(1, 4), "1.067E-03");
  }
  {
    CDiaMaterial materials(model, position, state);
    ASSERT_TRUE(materials.Create());
    EXPECT_EQ(materials.grid().GetItemText(1, 1), "1");
    EXPECT_EQ(materials.grid().GetItemText(1, 2), "2.670E+07");
    EXPECT_EQ(state.active_table, GridTable::kMaterials);
  }
  CDiaKnoten nodes(model, position, state);
  ASSERT_TRUE(nodes.Create());
  EXPECT_EQ(nodes.grid().GetRowCount(), 202);
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(nodes).Save(snapshots + "kelmf-nodes-table.png").ok());
  EXPECT_EQ(state.active_table, GridTable::kNodes);
}

// The printed table's page head: the application title right, the table's
// caption in the middle.
TEST(TableDialogs, APrintedTableNamesTheProgramInItsPageHead) {
  const common::Position position = testing::FreshTablePosition("DPRT");
  const std::string pdf = plat::testing::TestFolder() + "materials.pdf";
  plat::testing::PrintToPdf print_to(pdf);
  FrameModel model;
  GridInputState state;
  CDiaMaterial materials(model, position, state);
  ASSERT_TRUE(materials.Create());
  materials.PrintTable();
  const std::string text = plat::testing::PdfPageText(pdf, 1);
  EXPECT_NE(text.find("KELMWF"), std::string::npos) << text;
  EXPECT_NE(text.find("Material"), std::string::npos) << text;
  EXPECT_NE(text.find("2.670E+07"), std::string::npos) << text;
}

// Every column is as wide as the values the table writes into it: the area
// and I that Return computes ("%.4E") are not cut.
TEST(TableDialogs, ColumnsFitTheirFormattedValues) {
  const common::Position position = testing::FreshTablePosition("DWID");
  FrameModel model;
  GridInputState state;
  CDiaQuer sections(model, position, state);
  ASSERT_TRUE(sections.Create());
  grid::CGridCtrl& grid = sections.grid();
  grid.SetFocusCell(1, 1);
  TypeInGrid(grid, "0.25");
  TypeInGrid(grid, "0.45");
  ASSERT_EQ(grid.GetItemText(1, 3), "1.1250E-01");
  plat::Bitmap scratch(1, 1);
  plat::PainterDc dc(scratch);
  for (int col = 0; col < grid.GetColumnCount(); ++col) {
    for (int row = 0; row <= 1; ++row) {
      SCOPED_TRACE("row " + std::to_string(row) + ", column " + std::to_string(col));
      EXPECT_GE(grid.GetColumnWidth(col), grid.MeasureCellText(row, col, dc).cx);
    }
  }
  testing::SaveSnapshot(sections, "kelmf-sections-table.png");
}

TEST(TableDialogs, NodeFactorForATargetStiffness) {
  const common::Position position = testing::FreshTablePosition("DKN");
  FrameModel model;
  GridInputState state;
  plat::testing::MessageBoxScript boxes;
  CDiaKnoten empty(model, position, state);
  ASSERT_TRUE(empty.Create());
  empty.SetDlgItemText(table_ids::kTargetValue, "1e5");
  EXPECT_FALSE(empty.ComputeFactor());
  EXPECT_EQ(empty.GetDlgItemText(table_ids::kFactor), "");
  EXPECT_EQ(boxes.shown().size(), 1u);

  model.materials.Append(common::DefaultMaterial());
  model.cross_sections.Append(common::DefaultCrossSection());
  CDiaKnoten nodes(model, position, state);
  ASSERT_TRUE(nodes.Create());
  EXPECT_EQ(nodes.GetDlgItemText(table_ids::kBaseStiffness), "2.1360E+06");
  nodes.SetDlgItemText(table_ids::kTargetValue, "1e5");
  EXPECT_TRUE(nodes.ComputeFactor());
  EXPECT_EQ(nodes.GetDlgItemText(table_ids::kFactor), "0.04682");
}

}  // namespace
}  // namespace kelmf
