// The grid text file: row 0 twice, then every row, texts joined by ",".
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "grid/tests/fixture.h"
#include "platform/testing/testing.h"

namespace grid::test {
namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(GridSave, RowZeroTwiceThenEveryRowWithCrLf) {
  GridFixture f;
  f.MakeGrid(3, 2, 1, 0);
  const char* texts[3][2] = {{"h1", "h2"}, {"a", "b"}, {"c", "1,5"}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 2; ++c) f.grid.SetItemText(r, c, texts[r][c]);
  }
  const std::string path = plat::testing::TestFolder() + "/Material.A1";
  ASSERT_TRUE(f.grid.Save(path));
  EXPECT_EQ(Bytes(path), "h1,h2\r\nh1,h2\r\na,b\r\nc,1,5\r\n");
  f.grid.SetItemText(2, 1, "d");
  ASSERT_TRUE(f.grid.Save(path));
  EXPECT_EQ(Bytes(path).size(), 24u);
}

TEST(GridSave, AGridWithoutRowsOrColumnsGivesAnEmptyFile) {
  for (const auto& [rows, cols] : {std::pair{0, 3}, std::pair{3, 0}}) {
    GridFixture f;
    f.MakeGrid(rows, cols, 0, 0);
    const std::string path = plat::testing::TestFolder() + "/empty.txt";
    ASSERT_TRUE(f.grid.Save(path));
    EXPECT_EQ(Bytes(path), "");
  }
}

TEST(GridSave, AFileThatCannotBeCreatedIsNamedInAMessage) {
  GridFixture f;
  f.MakeGrid(2, 2, 1, 1);
  plat::testing::MessageBoxScript boxes;
  const std::string path = plat::testing::TestFolder() + "/no/such/folder/Material.A1";
  EXPECT_FALSE(f.grid.Save(path));
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_NE(boxes.shown()[0].text.find(path), std::string::npos) << boxes.shown()[0].text;
}

}  // namespace
}  // namespace grid::test
