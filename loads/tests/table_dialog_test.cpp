// The line-load and point-load table dialogs in the load editor.
#include <gtest/gtest.h>

#include <cstring>

#include "loads/editor/change_test.h"
#include "loads/editor/editor_ids.h"
#include "loads/tables/load_table_dialogs.h"
#include "loads/tests/editor_fixture.h"
#include "platform/files.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/window/virtual_keys.h"

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

// Types over a row's cells; an editor open in the grid ends first.
void SetRow(tables::TableDialog& d, int row, const Row& texts) {
  d.grid().SetFocus();
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

// A number too large for the files is refused at the table's OK, naming row, column and text; it
// never reaches the load case (where it was an infinity shown as "inf").
TEST(TableDialogs, ANumberTooLargeIsRefusedAtOk) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
  const LoadCase before = editor.session().model.load_case;
  int row = 0;
  bool stayed = false;
  grid::CCellID shown;
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    row = d.PrintRowsOfTable();
    SetRow(d, row, {"2", "", "", "1E40", "1", "Y"});
    plat::testing::Press(d, tables::kOkButton);
    stayed = !d.Ended();
    shown = d.grid().GetFocusCell();
    plat::testing::PressKey(d.grid(), plat::VK_ESCAPE);
  });
  editor.dialogs.AnswerBox(plat::IDOK);
  editor.dialogs.AnswerBox(plat::IDYES);  // the changed table is left
  editor.Command(ids::kLineLoads);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(shown, (grid::CCellID{row, 4}));
  EXPECT_EQ(editor.Boxes(), "Input error\tRow " + std::to_string(row) +
                                ", column \"Value A\": \"1E40\" is too large for the files.\n"
                                "Line loads\tDiscard the changes to the table?\n");
  EXPECT_EQ(editor.session().model.load_case.line_loads.count(), before.line_loads.count());
  EXPECT_FALSE(LoadCaseChanged(editor.session()));
}

// Escape (or Stop, or the close box) in a table whose cells changed asks before the typed rows are
// thrown away; No goes back to the table, Yes leaves it without taking them. An unchanged table
// closes at once.
TEST(TableDialogs, LeavingAChangedTableAsksFirst) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  struct Case {
    const char* how;
    plat::UINT command;
    bool change;
  };
  for (const Case& c : {Case{"Escape", ids::kLineLoads, true}, Case{"Stop", ids::kSettlements, true},
                        Case{"Escape unchanged", ids::kPointLoads, false}}) {
    SCOPED_TRACE(c.how);
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(EditorCommandLine(position, "2")));
    const LoadCase before = editor.session().model.load_case;
    bool stayed_after_no = false;
    bool left = false;
    editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
      auto& d = dynamic_cast<tables::TableDialog&>(dialog);
      if (c.change) SetRow(d, 1, {"4", "", "0.5", ""});
      auto leave = [&] {
        if (std::string(c.how) == "Stop") {
          plat::testing::Press(d, plat::IDCANCEL);
        } else {
          plat::testing::PressKey(d.grid(), plat::VK_ESCAPE);
        }
      };
      leave();
      stayed_after_no = !d.Ended();
      if (d.Ended()) return;
      leave();
      left = d.Ended();
    });
    editor.dialogs.AnswerBox(plat::IDNO);
    editor.dialogs.AnswerBox(plat::IDYES);
    editor.Command(c.command);
    if (c.change) {
      EXPECT_TRUE(stayed_after_no);
      EXPECT_TRUE(left);
      const std::string caption = c.command == ids::kLineLoads ? "Line loads" : "Settlements";
      EXPECT_EQ(editor.Boxes(), caption + "\tDiscard the changes to the table?\n" + caption +
                                    "\tDiscard the changes to the table?\n");
    } else {
      EXPECT_FALSE(stayed_after_no);
      EXPECT_EQ(editor.Boxes(), "");
    }
    EXPECT_FALSE(LoadCaseChanged(editor.session()));
    EXPECT_TRUE(editor.session().model.load_case.params == before.params);
    EXPECT_FALSE(editor.quit.code()) << "the editor stays open";
  }
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

// Stores the load case under its number (the solver's start is recorded, not run).
void StoreAs(OpenedEditor& editor, const std::string& number) {
  editor.dialogs.OnNextDialog([number](plat::Dialog& d) {
    plat::testing::SetItemText(d, 1000, number);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kStore);
}

TEST(TableDialogs, SettlementsGoToTheSupportOfTheirNodeAndAreStored) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position, "3")));
  Row first, second;
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    // The rows in the other order, as a loaded text file may have them.
    SetRow(d, 1, {"4", "", "0,02", ""});
    SetRow(d, 2, {"1", "", "0.0005", ""});
    plat::testing::Press(d, tables::kOkButton);
  });
  editor.Command(ids::kSettlements);
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    first = GridRow(d, 1);
    second = GridRow(d, 2);
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kSettlements);
  EXPECT_EQ(first, (Row{"1", "1", "0.000", "0.001", "0.000"}));
  EXPECT_EQ(second, (Row{"2", "4", "0.000", "0.020", "0.000"}));
  StoreAs(editor, "3");
  const std::string supports = testing::ReadAll(position.LoadCaseFile("LKNOTENR", 3));
  ASSERT_EQ(supports.size(), 2u + 2 * 32u);
  const std::string support2 = supports.substr(2 + 32, 32);
  float v = 0;
  std::memcpy(&v, support2.data() + 8, 4);
  EXPECT_FLOAT_EQ(v, 0.02f);
  EXPECT_EQ(support2[31], 1);
  EXPECT_EQ(supports[2 + 31], 0);
  const std::string pl = testing::ReadAll(position.LoadCaseFile("PL", 3));
  ASSERT_EQ(pl.size(), 400u);
  EXPECT_EQ(pl[34], 1);
  EXPECT_EQ(pl[347], 1);
}

TEST(TableDialogs, PrestressOfANewCaseIsStored) {
  const common::Position position = ExampleWithLoadCases("PORTAL");
  plat::testing::ProcessRecorder processes;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(EditorCommandLine(position)));
  editor.Command(ids::kNew);
  const int number = editor.session().model.load_case.number();
  editor.dialogs.OnNextDialog([&](plat::Dialog& dialog) {
    auto& d = dynamic_cast<tables::TableDialog&>(dialog);
    SetRow(d, 1, {"2", "8,000E+02"});
    SetRow(d, 2, {"3", ""});
    plat::testing::Press(d, tables::kOkButton);
  });
  editor.Command(ids::kPrestressing);
  EXPECT_EQ(editor.dialogs.Captions(), (std::vector<std::string>{"Prestressing"}));
  EXPECT_EQ(editor.session().model.load_case.prestress.count(), 1);
  StoreAs(editor, std::to_string(number));
  const std::string pl = testing::ReadAll(position.LoadCaseFile("PL", number));
  ASSERT_EQ(pl.size(), 400u);
  EXPECT_EQ(pl[36], 1);
  EXPECT_EQ(pl[353], 1);
  EXPECT_EQ(testing::ReadAll(position.LoadCaseFile("PRESTRESS", number)),
            std::string("\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00\x48\x44", 12));
}

}  // namespace
}  // namespace pundf
