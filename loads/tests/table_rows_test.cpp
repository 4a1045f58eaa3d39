// The OK steps of the line-load and point-load tables on the portal frame.
#include <gtest/gtest.h>

#include "loads/tables/line_load_rows.h"
#include "loads/tables/point_load_rows.h"
#include "loads/tables/support_rows.h"
#include "loads/tables/grid_text_file.h"
#include "loads/tables/temperature_rows.h"
#include "loads/tests/example_frames.h"
#include "loads/tests/frame_fixture.h"

namespace pundf::tables {
namespace {

using Row = std::vector<std::string>;

// Rows from 1 on, their cells from column 1 on, in a 101-row table.
CellTexts Rows(const std::vector<Row>& rows, int cols = 8) {
  CellTexts cells(101, Row(static_cast<std::size_t>(cols)));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) cells[r + 1][c + 1] = rows[r][c];
  }
  return cells;
}

struct Portal {
  Geometry g = testing::PortalFrame();
  LoadCase lc = EmptyLoadCase(g, 1);
};

TEST(LineLoadTable, OkBuildsTheRecordsFromTheCells) {
  Portal p;
  const CellTexts cells = Rows({{"2", "", "", "10", "10", "y", "beam"},
                                 {"2", "1,5", "4.5", "2", "4", "Y"},
                                 {"1", "1", "", "3", "3", "X"},
                                 {"3", "", "", "5", "", "X"},
                                 {"1", "1", "3", "5", "5", "t"}});
  ASSERT_FALSE(ReadLineLoads(cells, p.g, p.lc));
  ASSERT_EQ(p.lc.line_loads.count(), 4);
  const auto& whole = p.lc.line_loads[1];
  EXPECT_EQ(whole.element(), 2);
  EXPECT_EQ(whole.whole_element(), 1);
  EXPECT_EQ(whole.direction(), 'Y');
  EXPECT_FLOAT_EQ(whole.x1(), 0.0f);
  EXPECT_FLOAT_EQ(whole.z1(), 4.0f);
  EXPECT_FLOAT_EQ(whole.y1(), -4.0f);
  EXPECT_FLOAT_EQ(whole.x2(), 6.0f);
  EXPECT_FLOAT_EQ(whole.z2(), 4.0f);
  EXPECT_EQ(p.lc.line_notes[1].text(), "beam");
  const auto& stretch = p.lc.line_loads[2];
  EXPECT_EQ(stretch.whole_element(), 0);
  EXPECT_FLOAT_EQ(stretch.x1(), 1.5f);
  EXPECT_FLOAT_EQ(stretch.z1(), 4.0f);
  EXPECT_FLOAT_EQ(stretch.x2(), 4.5f);
  EXPECT_FLOAT_EQ(stretch.value_a(), 2.0f);
  EXPECT_FLOAT_EQ(stretch.value_b(), 4.0f);
  EXPECT_EQ(p.lc.line_loads[3].whole_element(), 1);  // only Start filled
  const auto& column = p.lc.line_loads[4];
  EXPECT_EQ(column.direction(), 'T');
  EXPECT_NEAR(column.x1(), 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(column.z1(), 1.0f);
  EXPECT_FLOAT_EQ(column.z2(), 3.0f);
}

TEST(LineLoadTable, EmptyStartWithAnEndStartsAtTheElementsStart) {
  Portal p;
  ASSERT_FALSE(ReadLineLoads(Rows({{"2", "", "3", "1", "1", "Y"}}), p.g, p.lc));
  EXPECT_EQ(p.lc.line_loads[1].whole_element(), 0);
  EXPECT_FLOAT_EQ(p.lc.line_loads[1].xa(), 0.0f);
  EXPECT_FLOAT_EQ(p.lc.line_loads[1].x1(), 0.0f);
}

TEST(LineLoadTable, ABadRowRefusesTheWholeTable) {
  struct Case {
    Row row;
    int col;
  };
  const Case cases[] = {{{"9", "", "", "1", "1", "Y"}, 1},
                        {{"0", "", "", "1", "1", "Y"}, 1},
                        {{"2", "1", "7", "1", "1", "Y"}, 3},
                        {{"2", "-1", "3", "1", "1", "Y"}, 2},
                        {{"2", "", "", "1", "1", "Q"}, 6}};
  for (const Case& c : cases) {
    Portal p;
    p.lc.line_loads.Append(testing::WholeLoad(p.g, 1, 'X', 1.5f, 1.5f));
    const auto refusal = ReadLineLoads(Rows({{"2", "", "", "1", "1", "Y"}, c.row}), p.g, p.lc);
    ASSERT_TRUE(refusal) << c.row[0];
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(refusal->col, c.col);
    EXPECT_NE(refusal->message.find("Row 2"), std::string::npos) << refusal->message;
    EXPECT_EQ(p.lc.line_loads.count(), 1);
    EXPECT_EQ(p.lc.line_loads[1].element(), 1);
  }
}

TEST(LineLoadTable, CellsShowTheLoads) {
  Portal p;
  p.lc.line_loads.Append(testing::WholeLoad(p.g, 1, 'X', 1.5f, 1.5f));
  p.lc.line_notes.Append(common::NoteRecord{});
  p.lc.line_notes[1].set_text("wind on the left column");
  const CellTexts cells = LineLoadCells(p.lc, 101);
  ASSERT_EQ(cells.size(), 101u);
  EXPECT_EQ(cells[0][1], "Element");
  EXPECT_EQ(cells[1], (Row{"1", "1", "", "", "1.50", "1.50", "X", "wind on the left column"}));
  EXPECT_EQ(cells[2][0], "2");
  EXPECT_EQ(cells[2][1], "");
}

TEST(PointLoadTable, OkBuildsTheRecordsFromTheCells) {
  Portal p;
  const CellTexts cells = Rows({{"F", "2", "", "", "10", "x"},
                                 {"f", "", "2", "3", "20", "Y"},
                                 {"K", "", "1", "2", "8", "N"},
                                 {"H", "", "2", "3", "", ""},
                                 {"M", "3", "", "", "-12", ""},
                                 {"F", "", "2", "1", "0", "Y"},
                                 {"F", "2", "", "", "5", ""}});
  ASSERT_FALSE(ReadPointLoads(cells, p.g, p.lc));
  ASSERT_EQ(p.lc.point_loads.count(), 6);
  const auto& at_node = p.lc.point_loads[1];
  EXPECT_EQ(at_node.placement(), 1);
  EXPECT_EQ(at_node.node(), 2);
  EXPECT_FLOAT_EQ(at_node.x(), 0.0f);
  EXPECT_FLOAT_EQ(at_node.z(), 4.0f);
  EXPECT_FLOAT_EQ(at_node.force_x(), 10.0f);
  EXPECT_FLOAT_EQ(at_node.force_y(), 0.0f);
  const auto& on_beam = p.lc.point_loads[2];
  EXPECT_EQ(on_beam.placement(), 2);
  EXPECT_FLOAT_EQ(on_beam.x(), 3.0f);
  EXPECT_FLOAT_EQ(on_beam.z(), 4.0f);
  EXPECT_FLOAT_EQ(on_beam.force_y(), 20.0f);
  EXPECT_FLOAT_EQ(on_beam.force_normal(), 20.0f);
  EXPECT_NEAR(on_beam.force_along(), 0.0f, 1e-6);
  const auto& normal = p.lc.point_loads[3];
  EXPECT_EQ(normal.kind(), 0);
  EXPECT_NEAR(normal.x(), 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(normal.z(), 2.0f);
  EXPECT_FLOAT_EQ(normal.force_x(), -8.0f * p.g.elements[1].sine());
  EXPECT_NEAR(normal.force_y(), 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(normal.force_normal(), 8.0f);
  const auto& hinge = p.lc.point_loads[4];
  EXPECT_EQ(hinge.kind(), 2);
  EXPECT_FLOAT_EQ(hinge.value(), 1.0f);
  EXPECT_EQ(hinge.direction(), '0');
  const auto& moment = p.lc.point_loads[5];
  EXPECT_EQ(moment.kind(), 1);
  EXPECT_FLOAT_EQ(moment.kind_value(), -12.0f);
  EXPECT_FLOAT_EQ(p.lc.point_loads[6].value(), 0.0001f);
}

TEST(PointLoadTable, ABadRowRefusesTheWholeTable) {
  struct Case {
    Row row;
    int col;
    std::string message;
  };
  const Case cases[] = {{{"F", "5", "", "", "1", "X"}, 2, "Node number too large"},
                        {{"F", "0", "", "", "1", "X"}, 2, "Node number too large"},
                        {{"F", "", "4", "1", "1", "X"}, 3, "Row 2"},
                        {{"F", "", "2", "7", "1", "X"}, 4, "Row 2"},
                        {{"F", "2", "", "", "5", "N"}, 6, "Row 2"},
                        {{"V", "2", "", "", "", ""}, 1, "Row 2"},
                        {{"F", "", "", "", "5", "X"}, 2, "Row 2"}};
  for (const Case& c : cases) {
    Portal p;
    const auto refusal = ReadPointLoads(Rows({{"F", "2", "", "", "10", "X"}, c.row}), p.g, p.lc);
    ASSERT_TRUE(refusal) << c.row[1];
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(refusal->col, c.col) << c.row[1];
    EXPECT_NE(refusal->message.find(c.message), std::string::npos) << refusal->message;
    EXPECT_EQ(p.lc.point_loads.count(), 0);
  }
}

TEST(PointLoadTable, CellsShowTheLoads) {
  Portal p;
  const CellTexts in = Rows({{"F", "2", "", "", "10", "X", "at the corner"}, {"H", "", "2", "3", "", ""}});
  ASSERT_FALSE(ReadPointLoads(in, p.g, p.lc));
  const CellTexts cells = PointLoadCells(p.lc, 101);
  EXPECT_EQ(cells[1], (Row{"1", "F", "2", "", "", "10.00", "X", "at the corner"}));
  EXPECT_EQ(cells[2], (Row{"2", "H", "", "2", "3.00", "1.00", "0", ""}));
}

TEST(SettlementTable, RowsGoToTheSupportOfTheirNodeAndOnlyRealSettlementsCount) {
  const Geometry g = testing::HingedPortal();  // support 1 at node 1, support 2 at node 4
  LoadCase lc = EmptyLoadCase(g, 3);
  lc.settlements[1].set_settlement(1, 0.5f);  // a cleared cell reads as 0
  const CellTexts opened = SettlementCells(lc, 101);
  EXPECT_EQ(opened[1], (Row{"1", "1", "0.500", "0.000", "0.000"}));
  EXPECT_EQ(opened[2], (Row{"2", "4", "0.000", "0.000", "0.000"}));
  ASSERT_FALSE(ReadSettlements(Rows({{"4", "", "0,02", ""}, {"1", "", "0.0005", ""}}, 5), lc));
  EXPECT_FLOAT_EQ(lc.settlements[2].settlement(2), 0.02f);
  EXPECT_EQ(lc.settlements[2].settled(), 1);
  EXPECT_EQ(lc.settlements[2].bytes()[31], std::byte{1});
  EXPECT_FLOAT_EQ(lc.settlements[1].settlement(2), 0.0005f);
  EXPECT_FLOAT_EQ(lc.settlements[1].settlement(1), 0.0f);
  EXPECT_EQ(lc.settlements[1].settled(), 0);
  EXPECT_EQ(lc.settlements[1].node(), 1);
  EXPECT_EQ(lc.settlements[2].node(), 4);
  EXPECT_EQ(lc.params.settled_support_count(), 1);
  EXPECT_EQ(lc.params.settlement_flag(), 1);
}

TEST(SettlementTable, ANodeWithoutSupportOrTwiceOrMissingRefuses) {
  const Geometry g = testing::HingedPortal();
  for (const Row& row : {Row{"2", "", "0.1", ""}, Row{"4", "", "0.2", ""}, Row{"", "", "0.1", ""}}) {
    LoadCase lc = EmptyLoadCase(g, 3);
    const auto refusal = ReadSettlements(Rows({{"4", "", "0.1", ""}, row}, 5), lc);
    ASSERT_TRUE(refusal) << row[0];
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(lc.params.settlement_flag(), 0);
    EXPECT_FLOAT_EQ(lc.settlements[2].settlement(2), 0.0f);
  }
}

TEST(PrestressTable, EveryRowWithElementAndForceIsAnEntry) {
  Portal p;
  CellTexts cells = Rows({{"2", "8,000E+02"}, {"3", ""}}, 3);
  cells[5][1] = "1";
  cells[5][2] = "5";
  ASSERT_FALSE(ReadPrestress(cells, p.g, p.lc));
  ASSERT_EQ(p.lc.prestress.count(), 2);
  const auto bytes = p.lc.prestress[1].bytes();
  const std::vector<unsigned> expected = {0x02, 0, 0, 0, 0, 0, 0x48, 0x44};
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(static_cast<unsigned>(bytes[i]), expected[i]) << i;
  EXPECT_EQ(p.lc.prestress[2].element(), 1);
  EXPECT_EQ(p.lc.params.prestress_count(), 2);
  EXPECT_EQ(p.lc.params.prestress_flag(), 1);
  EXPECT_EQ(PrestressCells(p.lc, 101)[1], (Row{"1", "2", "8.00E+02"}));
  const auto refusal = ReadPrestress(Rows({{"4", "1"}}, 3), p.g, p.lc);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(p.lc.prestress.count(), 2);
}

// A number cell holding no number (a sign, a letter the grid keeps, a word loaded from a text
// file) or a number beyond the files' floats refuses the whole table with the one message of the
// tables, naming row, column and text; the load case keeps what it had. A row of signs and
// letters was once stored as a load of length 0 and 0 kN/m.
TEST(EveryTable, ACellThatHoldsNoNumberOrTooLargeANumberRefusesTheTable) {
  struct Case {
    const char* table;
    Row row;
    int col;
    std::string message;
  };
  const Case cases[] = {
      {"line", {"2", "L", "-", "-", "+", "Y"}, 2, "Row 1, column \"Start [m]\": \"L\" is not a number."},
      {"line", {"2", "", "", "-", "+", "Y"}, 4, "Row 1, column \"Value A\": \"-\" is not a number."},
      {"line", {"2", "", "", "10", "zz", "Y"}, 5, "Row 1, column \"Value B\": \"zz\" is not a number."},
      {"line", {"2", "1", "abc", "10", "10", "Y"}, 3, "Row 1, column \"End [m]\": \"abc\" is not a number."},
      {"line", {"2", "", "", "1e40", "1", "Y"}, 4, "Row 1, column \"Value A\": \"1e40\" is too large for the files."},
      {"point", {"F", "2", "", "", "+", "X"}, 5, "Row 1, column \"Size\": \"+\" is not a number."},
      {"point", {"F", "", "2", "L", "5", "X"}, 4, "Row 1, column \"Left Distance\": \"L\" is not a number."},
      {"point", {"M", "2", "", "", "-1E39", ""}, 5, "Row 1, column \"Size\": \"-1E39\" is too large for the files."},
      {"settlement", {"4", "", "+", ""}, 3, "Row 1, column \"uy [m]\": \"+\" is not a number."},
      {"prestress", {"2", "1e40"}, 2, "Row 1, column \"Force\": \"1e40\" is too large for the files."},
      {"temperature", {"L", "5"}, 1, "Row 1, column \"T\": \"L\" is not a number."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const Geometry g = testing::HingedPortal();
    LoadCase lc = EmptyLoadCase(g, 1);
    lc.line_loads.Append(testing::WholeLoad(g, 1, 'X', 1.5f, 1.5f));
    const LoadCase before = lc;
    const std::string table = c.table;
    std::optional<Refusal> refusal;
    if (table == "line") refusal = ReadLineLoads(Rows({c.row}), g, lc);
    if (table == "point") refusal = ReadPointLoads(Rows({c.row}), g, lc);
    if (table == "settlement") refusal = ReadSettlements(Rows({c.row}, 5), lc);
    if (table == "prestress") refusal = ReadPrestress(Rows({c.row}, 3), g, lc);
    if (table == "temperature") refusal = ReadTemperatures(Rows({c.row}, 3), lc);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, c.message);
    EXPECT_EQ(refusal->caption, "Input error");
    EXPECT_EQ(refusal->row, 1);
    EXPECT_EQ(refusal->col, c.col);
    EXPECT_TRUE(lc.params == before.params);
    EXPECT_EQ(lc.line_loads.count(), 1);
    EXPECT_TRUE(lc.line_loads[1] == before.line_loads[1]);
    EXPECT_TRUE(lc.settlements[2] == before.settlements[2]);
    EXPECT_TRUE(lc.temperatures[1] == before.temperatures[1]);
  }
}

TEST(GridTextFile, SkipsTheFirstLineAndReadsWholeLinesIntoTheGrid) {
  const std::string long_note(3000, 'n');
  const std::string text = "A,B,C\r\nA,B,C\r\n1,x,y\n2,p," + long_note + ",more\n3,a,b\n4,c,d\n";
  const CellTexts cells = ReadGridText(text, 3, 3);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[0], (Row{"A", "B", "C"}));
  EXPECT_EQ(cells[1], (Row{"1", "x", "y"}));
  EXPECT_EQ(cells[2], (Row{"2", "p", long_note + ",more"}));
}

}  // namespace
}  // namespace pundf::tables
