// The line-load and point-load table dialogs in the load editor.
#include <gtest/gtest.h>

#include "loads/editor/change_test.h"
#include "loads/editor/editor_ids.h"
#include "loads/tables/load_table_dialogs.h"
#include "loads/tests/editor_fixture.h"
#include "platform/files.h"
#include "platform/print/tests/pdf_reading.h"

namespace pundf {
namespace {

using testing::EditorCommandLine;
using testing::ExampleWithLoadCases;
using testing::OpenedEditor;
using Row = std::vector<std::string>;

Row GridRow(tables::TableDialog& d, int row) {
  Row cells;
  for (int c = 0; c < d.grid().GetColumnCount(); ++c) cells.push_back(d.grid().GetItemText(row, c));
  return cells;
}

void SetRow(tables::TableDialog& d, int row, const Row& texts) {
  for (std::size_t c = 0; c < texts.size(); ++c) d.grid().SetItemText(row, static_cast<int>(c) + 1, texts[c]);
}

TEST(TableDialogs, PortalCaseTwoOpensWithItsLoadsAndItsTextComesBackTheSame) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  const std::string text_file = plat::testing::TestFolder() + "Line loads.PORTAL";
  Row line, point, reloaded;
  std::string saved;
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    line = GridRow(d, 1);
    const tables::CellTexts before = d.Cells();
    ASSERT_TRUE(d.grid().Save(text_file));
    saved = testing::ReadAll(text_file);
    for (int r = 0; r < d.grid().GetRowCount(); ++r) {
      for (int c = 0; c < d.grid().GetColumnCount(); ++c) d.grid().SetItemText(r, c, "");
    }
    ASSERT_TRUE(d.LoadText(text_file));
    EXPECT_EQ(d.Cells(), before);
    const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
    ASSERT_TRUE(plat::MakeFolder(snapshots));
    EXPECT_TRUE(plat::testing::WindowPixels(d).Save(snapshots + "pundf-line-loads.png").ok());
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kLineLoads);
  EXPECT_EQ(line, (Row{"1", "1", "", "", "1.50", "1.50", "X", "wind on the left column"}));
  const std::string heading = "Nr.,Element,Start [m],End [m],Value A,Value B,Direction,Notes\r\n";
  EXPECT_EQ(saved.substr(0, 2 * heading.size()), heading + heading);

  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    point = GridRow(d, 1);
    const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
    EXPECT_TRUE(plat::testing::WindowPixels(d).Save(snapshots + "pundf-point-loads.png").ok());
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kPointLoads);
  EXPECT_EQ(point, (Row{"1", "F", "2", "", "", "10.00", "X", "wind on the roof edge"}));
  EXPECT_FALSE(LoadCaseChanged(editor.session()));
}

TEST(TableDialogs, ARefusedRowKeepsTheDialogAndTheLoadsThenOkTakesThem) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  const int before = editor.session().model.load_case.line_loads.count();
  bool stayed = false;
  int row = 0;
  grid::CCellID shown;
  bool ended = false;
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    row = d.PrintRowsOfTable();  // the first empty row
    SetRow(d, row, {"9", "", "", "1", "1", "Y"});
    plat::testing::Press(d, tables::kOkButton);
    stayed = !d.Ended();
    shown = d.grid().GetFocusCell();
    SetRow(d, row, {"2", "1", "3", "2", "2", "Y"});
    plat::testing::Press(d, tables::kOkButton);
    ended = d.Ended();
  });
  editor.Command(ids::kLineLoads);
  EXPECT_TRUE(stayed);
  ASSERT_EQ(row, before + 1);
  EXPECT_EQ(shown, (grid::CCellID{row, 1}));
  const std::string message = "Row " + std::to_string(row) + ": element \"9\"";
  EXPECT_NE(editor.Boxes().find(message), std::string::npos) << editor.Boxes();
  EXPECT_TRUE(ended);
  const auto& loads = editor.session().model.load_case.line_loads;
  ASSERT_EQ(loads.count(), before + 1);
  EXPECT_FLOAT_EQ(loads[row].x1(), 1.0f);
  EXPECT_FLOAT_EQ(loads[row].x2(), 3.0f);
  EXPECT_TRUE(LoadCaseChanged(editor.session()));
}

TEST(TableDialogs, PrintCoversTheFilledRows) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  const std::string pdf = plat::testing::TestFolder() + "line-loads.pdf";
  plat::testing::PrintToPdf to_pdf(pdf);
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  int printed = 0;
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    SetRow(d, 2, {"2", "", "", "3", "3", "Y"});
    SetRow(d, 3, {"3", "", "", "4", "4", "X"});
    plat::testing::Press(d, tables::kPrintButton);
    printed = d.grid().host().PrintRowCount(d.grid());
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kLineLoads);
  EXPECT_EQ(printed, 4);  // rows 0..3
  EXPECT_EQ(plat::testing::PdfPages(pdf).size(), 1u);
  const std::string text = plat::testing::PdfPageText(pdf, 1);
  EXPECT_NE(text.find("wind on the left col"), std::string::npos) << text;
}

}  // namespace
}  // namespace pundf
