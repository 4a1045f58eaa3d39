// The table input of the grid dialogs: cleaning by column kind, the Return
// steps of each table, the copy keys, and OK storing whole tables only.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/position/model_defaults.h"
#include "common/records/record_files.h"
#include "geometry/tables/cell_chars.h"
#include "geometry/tables/kelmf_grid_host.h"
#include "geometry/tables/table_stores.h"
#include "geometry/tests/position_fixture.h"
#include "geometry/tests/tables_fixture.h"
#include "grid/grid_ctrl.h"
#include "grid/grid_notify.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

TEST(CellChars, CleaningByKind) {
  struct Case {
    const char* typed;
    int kind;
    const char* cleaned;
  };
  for (const Case& c : std::vector<Case>{{"1,5e3", 2, "1.5E3"},
                                         {"12a", 3, "12"},
                                         {"c30/37", 10, "C30/37"},
                                         {"abc", 0, "abc"},
                                         {"-1,25x", 1, "-1.25"},
                                         {"j", 99, ""}}) {
    EXPECT_EQ(CleanCellText(c.typed, c.kind), c.cleaned) << c.typed << " kind " << c.kind;
  }
  EXPECT_FALSE(IsCellCharAllowed('\0', 3));
}

// A grid window with KELMF's host in a parent window.
struct TableFixture {
  GridInputState state;
  common::FrameParams params;
  KelmfGridHost host{state, params};
  plat::Window parent;
  grid::CGridCtrl grid;

  TableFixture(GridTable table, int rows, int cols, std::vector<int> kinds) {
    EXPECT_TRUE(parent.Create("dialog", plat::WS_VISIBLE, plat::Rect{100, 100, 700, 500}));
    EXPECT_TRUE(grid.Create("", plat::WS_CHILD | plat::WS_VISIBLE, plat::Rect{0, 0, 500, 300}, &parent, 5));
    grid.SetHost(&host);
    EXPECT_TRUE(grid.SetRowCount(rows));
    EXPECT_TRUE(grid.SetColumnCount(cols));
    EXPECT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_TRUE(grid.SetFixedColumnCount(1));
    state.active_table = table;
    state.column_kinds = std::move(kinds);
    grid.SetFocus();
    grid.SetFocusCell(1, 1);
  }
  ~TableFixture() { grid.SetHost(nullptr); }

  plat::Window* Editor() const { return grid.GetDlgItem(grid::kCellEditorId); }
  // Types `text` into the editor at the focus cell (opened when none is) and
  // ends the edit with `key`.
  void Type(const std::string& text, plat::UINT key = plat::VK_RETURN) {
    if (Editor() == nullptr) {
      const grid::CCellID focus = grid.GetFocusCell();
      grid.BeginCellEdit(focus.row, focus.col, 0);
    }
    ASSERT_NE(Editor(), nullptr);
    plat::testing::TypeText(*Editor(), text);
    plat::testing::PressKey(*Editor(), static_cast<int>(key));
    ASSERT_TRUE(plat::testing::PumpMessages());
  }
  // Ends an open editor without a key step.
  void Close() {
    if (Editor() != nullptr) plat::testing::PressKey(*Editor(), plat::VK_ESCAPE);
    ASSERT_TRUE(plat::testing::PumpMessages());
  }
  void Key(plat::UINT vk, bool ctrl = false) { host.HandleKey(grid, vk, ctrl, false); }
  std::string At(int r, int c) const { return grid.GetItemText(r, c); }
};

TEST(TableInput, EscapeStoresTheCleanedTextWithoutModified) {
  TableFixture f(GridTable::kCrossSections, 51, 5, {0, 1, 1, 2, 2});
  grid::GridEditInfo info;
  info.item.row = 1;
  info.item.col = 1;
  info.item.text = "1,5x";
  info.item.data = plat::VK_ESCAPE;
  f.host.EndEdit(f.grid, info);
  EXPECT_EQ(f.At(1, 1), "1.5");
  EXPECT_FALSE(f.grid.GetModified());
  f.Type("2", plat::VK_TAB);
  EXPECT_TRUE(f.grid.GetModified());
}

TEST(TableInput, MaterialClassGivesTheModulus) {
  struct Case {
    const char* typed;
    bool second_table;
    const char* modulus;
    int class_index;
  };
  TableFixture f(GridTable::kMaterials, 21, 3, {0, 10, 2});
  for (const Case& c : std::vector<Case>{{"C30/37", false, "2.830E+07", 2},
                                         {"C30/37", true, "3.300E+07", 2},
                                         {"B25", false, "3.000E+07", 2},
                                         {"C33", false, "2.830E+07", 2},
                                         {"B12", false, "3.000E+07", 2},
                                         {"c100", false, "4.520E+07", 12}}) {
    f.params.set_material_input_flag(c.second_table ? 1 : 0);
    f.Close();
    f.grid.SetFocusCell(1, 1);
    f.Type(c.typed);
    EXPECT_EQ(f.At(1, 2), c.modulus) << c.typed;
    EXPECT_EQ(f.params.concrete_class(), c.class_index) << c.typed;
  }
}

TEST(TableInput, CrossSectionAreaAndInertia) {
  TableFixture f(GridTable::kCrossSections, 51, 5, {0, 1, 1, 2, 2});
  f.Type("0.2");
  f.Type("0.4");
  EXPECT_EQ(f.At(1, 3), "8.0000E-02");
  EXPECT_EQ(f.At(1, 4), "1.0667E-03");
  EXPECT_EQ(f.grid.GetFocusCell(), grid::CCellID(2, 1));
  f.Type("0.3");
  f.Type("0.5");
  EXPECT_EQ(f.At(2, 3), "1.5000E-01");
  EXPECT_EQ(f.At(2, 4), "3.1250E-03");
}

TEST(TableInput, NodesTakeNoMaterialStep) {
  TableFixture f(GridTable::kNodes, 201, 6, {0, 2, 2, 2, 2, 2});
  f.Type("30");
  EXPECT_EQ(f.At(1, 2), "");
  EXPECT_EQ(f.grid.GetFocusCell(), grid::CCellID(1, 2));
}

TEST(TableInput, ElementsFillDefaultsAndStartTheNextElement) {
  TableFixture f(GridTable::kElements, 101, 11, {0, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3});
  for (const char* v : {"0", "0", "4", "0"}) f.Type(v);
  std::string row1;
  for (int c = 5; c <= 10; ++c) row1 += f.At(1, c);
  EXPECT_EQ(row1, "111100");
  EXPECT_EQ(f.grid.GetFocusCell(), grid::CCellID(1, 5));
  for (int i = 0; i < 4; ++i) f.Type("");
  EXPECT_EQ(f.At(2, 1), "4");
  EXPECT_EQ(f.At(2, 2), "0");
  EXPECT_EQ(f.grid.GetFocusCell(), grid::CCellID(2, 3));
}

TEST(TableInput, CopyKeys) {
  TableFixture f(GridTable::kElements, 101, 11, {0, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3});
  f.grid.SetItemText(1, 2, "7");
  f.grid.SetFocusCell(1, 2);
  f.Key(plat::VK_F5);
  EXPECT_EQ(f.At(2, 2), "7");
  EXPECT_EQ(f.grid.GetFocusCell(), grid::CCellID(2, 2));
  f.Key(plat::VK_RIGHT, true);
  EXPECT_EQ(f.At(2, 3), "7");
  f.grid.SetItemText(100, 4, "5");
  f.grid.SetFocusCell(100, 4);
  f.state.table_changed = false;
  f.Key(plat::VK_F5);
  EXPECT_TRUE(f.state.table_changed);
  EXPECT_EQ(f.grid.GetFocusCell(), grid::CCellID(100, 4));
  // Return in an empty cell copies from above.
  f.grid.SetFocusCell(3, 2);
  f.Key(plat::VK_RETURN);
  EXPECT_EQ(f.At(3, 2), "7");
}

// The cell lies whole inside the client area, below the headings.
bool ShownWhole(const grid::CGridCtrl& grid, grid::CCellID cell) {
  plat::Rect rect;
  plat::Rect client;
  grid.GetClientRect(&client);
  return grid.GetCellRect(cell.row, cell.col, &rect) && rect.top >= grid.GetRowHeight(0) &&
         rect.bottom < client.bottom && rect.right < client.right;
}

// Every key of the table ends with the focus cell in view, also one whose
// target is the focus cell itself after the table was scrolled away from it.
TEST(TableInput, AKeyWhoseTargetIsTheFocusCellScrollsItIntoView) {
  struct Case {
    const char* what;
    grid::CCellID focus;
    plat::UINT scroll;  // where the bar was dragged before the key
    plat::UINT vk;
    bool ctrl, shift;
  } cases[] = {
      {"Home on the first row", {1, 1}, plat::SB_BOTTOM, plat::VK_HOME, false, false},
      {"Up on the first row", {1, 1}, plat::SB_BOTTOM, plat::VK_UP, false, false},
      {"Page up to the first row", {1, 1}, plat::SB_BOTTOM, plat::VK_PRIOR, false, false},
      {"Left in the first column", {1, 1}, plat::SB_BOTTOM, plat::VK_LEFT, false, false},
      {"Shift+Tab in the first cell", {1, 1}, plat::SB_BOTTOM, plat::VK_TAB, false, true},
      {"End on the last row", {200, 1}, plat::SB_TOP, plat::VK_END, false, false},
      {"Down on the last row", {200, 1}, plat::SB_TOP, plat::VK_DOWN, false, false},
      {"Page down to the last row", {200, 2}, plat::SB_TOP, plat::VK_NEXT, false, false},
      {"Tab in the last cell", {200, 5}, plat::SB_TOP, plat::VK_TAB, false, false},
      {"F5 on the last row", {200, 2}, plat::SB_TOP, plat::VK_F5, false, false},
      {"Ctrl+Right in the last column", {200, 5}, plat::SB_TOP, plat::VK_RIGHT, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TableFixture f(GridTable::kNodes, 201, 6, {0, 2, 2, 2, 2, 2});
    f.grid.SetItemText(c.focus.row, c.focus.col, "3");
    f.grid.SetFocusCell(c.focus);
    f.grid.SendMessage(plat::WM_VSCROLL, plat::MAKEWPARAM(c.scroll, 0), 0);
    ASSERT_FALSE(ShownWhole(f.grid, c.focus));
    f.host.HandleKey(f.grid, c.vk, c.ctrl, c.shift);
    EXPECT_EQ(f.grid.GetFocusCell(), c.focus);
    EXPECT_TRUE(ShownWhole(f.grid, c.focus));
  }
}

TableCells Rows(std::vector<std::vector<std::string>> rows, int width, int total) {
  for (auto& r : rows) r.resize(static_cast<std::size_t>(width));
  rows.resize(static_cast<std::size_t>(total), std::vector<std::string>(static_cast<std::size_t>(width)));
  return rows;
}

TEST(TableStores, ElementsStoreTheFrame) {
  const common::Position position = testing::FreshTablePosition("TEL");
  std::ofstream(position.File("INVERSE")) << "xxxxxxxx";
  ASSERT_TRUE(plat::FileExists(position.File("INVERSE")));
  FrameModel model;
  model.materials.Append(common::DefaultMaterial());
  const TableCells cells = Rows({{"0", "0", "4", "0", "1", "1", "1", "1", "1", "1"},
                                 {"4", "0", "4", "3", "1", "1", "1", "1", "0", "0"}},
                                10, 100);
  const common::Result stored = StoreElementTable(model, position, cells);
  ASSERT_TRUE(stored.ok()) << stored.text();
  ASSERT_EQ(model.elements.count(), 2);
  EXPECT_EQ(model.elements[2].zb(), 3.0f);
  EXPECT_EQ(model.elements[2].yb(), -3.0f);
  EXPECT_EQ(model.params.element_count(), 2);
  EXPECT_EQ(model.params.node_count(), 3);
  EXPECT_EQ(model.params.vertical_sign(), -1);
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));
  EXPECT_EQ(testing::GeometryMarker(position), 0);
  auto read = common::ReadTable<common::ElementTable>(position.File("ELEMENTS"));
  EXPECT_EQ(read.table.count(), 2);
}

TEST(TableStores, RefusedTablesChangeNothing) {
  const common::Position position = testing::FreshTablePosition("TREF");
  struct Case {
    TableCells cells;
    const char* message;
  };
  const std::vector<std::string> full = {"0", "0", "1", "0", "1", "1", "1", "1", "0", "0"};
  TableCells too_many(101, full);
  for (const Case& c : std::vector<Case>{
           {Rows({full, {}, full}, 10, 100), "Row 3 follows an empty row."},
           {Rows({full, {"1", "0"}}, 10, 100), "Element 2 is incomplete."},
           {too_many, "Too many elements 101, max = 100"}}) {
    FrameModel model;
    const common::Result r = StoreElementTable(model, position, c.cells);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.text(), c.message);
    EXPECT_EQ(model.elements.count(), 0);
    EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
  }
}

TEST(TableStores, SectionsAndMaterials) {
  const common::Position position = testing::FreshTablePosition("TSM");
  FrameModel model;
  ASSERT_TRUE(StoreCrossSectionTable(model, position, Rows({{"0.2", "0.4", "8.0000E-02", "1.0667E-03"}}, 4, 50)).ok());
  EXPECT_EQ(model.cross_sections.count(), 1);
  EXPECT_FLOAT_EQ(model.cross_sections[1].area(), 0.08f);
  EXPECT_EQ(model.cross_sections[1].number(), 1);
  ASSERT_TRUE(StoreMaterialTable(model, position, Rows({{"2", "2.67E7"}}, 2, 20)).ok());
  EXPECT_EQ(model.materials[1].number(), 2);
  EXPECT_DOUBLE_EQ(model.params.default_modulus(), 2.67e7);
  EXPECT_FLOAT_EQ(static_cast<float>(BaseStiffness(model)), 2.136e6f);
  EXPECT_EQ(common::ReadTable<common::MaterialTable>(position.File("MATR")).table.count(), 1);
  const common::Result refused = StoreMaterialTable(model, position, TableCells(21, {"1", "1"}));
  EXPECT_EQ(refused.text(), "Too many materials, max = 20");
}

TEST(TableStores, NodesAndSupports) {
  const common::Position position = testing::FreshTablePosition("TND");
  FrameModel model;
  model.params.set_vertical_sign(-1);
  const common::Result stored =
      StoreNodeTable(model, position, Rows({{"0", "0", "-1", "1", "0"}, {"4", "3", "0", "0", "0"}}, 5, 200));
  ASSERT_TRUE(stored.ok()) << stored.text();
  EXPECT_EQ(model.nodes.count(), 2);
  EXPECT_EQ(model.nodes[1].support_flag(1), 1);
  EXPECT_EQ(model.nodes[1].support_flag(3), 0);
  EXPECT_EQ(model.nodes[2].y(), -3.0f);
  std::ifstream in(position.File("LKNOTENR"), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string* file = &bytes;
  ASSERT_EQ(file->size(), 2u + 32u);
  std::int16_t count = 0;
  std::memcpy(&count, file->data(), 2);
  EXPECT_EQ(count, 1);
  const char* rec = file->data() + 2;
  float f16 = 0, f20 = 0;
  std::memcpy(&f16, rec + 16, 4);
  std::memcpy(&f20, rec + 20, 4);
  EXPECT_EQ(f16, 1.0f);
  EXPECT_EQ(f20, 1.0f);
  EXPECT_EQ(rec[28], 1);
  EXPECT_EQ(rec[29], 1);
  EXPECT_EQ(rec[30], 0);
}

}  // namespace
}  // namespace kelmf
