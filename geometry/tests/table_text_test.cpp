// A grid table written as text and read back, and the rows a print covers.
#include <gtest/gtest.h>

#include <fstream>

#include "common/position/model_defaults.h"
#include "geometry/tables/table_dialogs.h"
#include "geometry/tables/table_stores.h"
#include "geometry/tables/table_text.h"
#include "geometry/tests/frame_builder.h"
#include "grid/grid_ctrl.h"
#include "platform/testing/testing.h"

namespace kelmf {
namespace {

std::string Path(const std::string& name) { return plat::testing::TestFolder() + name; }

// The grid of the elements table with the two elements of a portal and a beam.
struct PortalTable {
  grid::CGridCtrl grid;
  PortalTable() {
    grid.SetRowCount(101);
    grid.SetColumnCount(11);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    const char* headers[] = {"Element", "xa [m]", "ya [m]", "xb [m]", "yb [m]", "Mat.",
                             "Sect.",   "C",      "T",      "H left", "H right"};
    for (int c = 0; c < 11; ++c) grid.SetItemText(0, c, headers[c]);
    const FrameModel portal = testing::Frame({{0, 0, 0, 4}, {0, 4, 6, 4}, {6, 4, 6, 0}});
    for (int r = 1; r <= portal.elements.count(); ++r) {
      grid.SetItemText(r, 0, std::to_string(r));
      const std::vector<std::string> row = RowOfElement(portal.elements[r]);
      for (int c = 0; c < 10; ++c) grid.SetItemText(r, c + 1, row[static_cast<std::size_t>(c)]);
    }
  }
  std::vector<std::string> All() const {
    std::vector<std::string> cells;
    for (int r = 0; r < grid.GetRowCount(); ++r) {
      for (int c = 0; c < grid.GetColumnCount(); ++c) cells.push_back(grid.GetItemText(r, c));
    }
    return cells;
  }
};

TEST(TableText, ExportAndImportGiveBackEveryCell) {
  PortalTable table;
  const std::vector<std::string> before = table.All();
  ASSERT_TRUE(table.grid.Save(Path("portal-elements.txt")));
  PortalTable other;
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 11; ++c) other.grid.SetItemText(r, c, "x");
  }
  ASSERT_TRUE(ReadTableText(other.grid, Path("portal-elements.txt")));
  EXPECT_EQ(other.All(), before);
  EXPECT_EQ(FirstEmptyGridRow(table.grid), 5);
}

TEST(TableText, LongFilesAndLongLinesStayInsideTheGrid) {
  {
    std::ofstream out(Path("long.txt"), std::ios::binary);
    out << "heading\r\n";
    for (int i = 0; i < 150; ++i) out << i << ",1,2,3,4,5,6,7,8,9,10,11,12,13\r\n";
  }
  PortalTable table;
  ASSERT_TRUE(ReadTableText(table.grid, Path("long.txt")));
  EXPECT_EQ(table.grid.GetItemText(0, 0), "0");
  EXPECT_EQ(table.grid.GetItemText(100, 0), "100");
  EXPECT_EQ(table.grid.GetItemText(100, 10), "10");
  {
    std::ofstream out(Path("wide.txt"), std::ios::binary);
    out << "heading\n" << std::string(2000, 'a') << ",b\n";
  }
  ASSERT_TRUE(ReadTableText(table.grid, Path("wide.txt")));
  EXPECT_EQ(table.grid.GetItemText(0, 0).size(), 2000u);
  EXPECT_EQ(table.grid.GetItemText(0, 1), "b");
}

TEST(TableText, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
  plat::testing::MessageBoxScript boxes;
  PortalTable table;
  const std::vector<std::string> before = table.All();
  EXPECT_FALSE(ReadTableText(table.grid, Path("no-such-folder/none.txt")));
  EXPECT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(table.All(), before);
}

}  // namespace
}  // namespace kelmf
