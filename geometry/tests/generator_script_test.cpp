// The real KELMF run by a script: a new position's title and storey frame
// typed into the Input panel's dialogs, then stored.
#include <gtest/gtest.h>

#include "common/position/position.h"
#include <cstring>

#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/position_fixture.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"

namespace kelmf {
namespace {

// Cells of the storey grid by their place in the grid: rows 30, 50 (and 70
// to leave the last cell), columns 185, 310 and 435.
constexpr const char* kTwoStoreys =
    "command 32817\n"
    "press 1042\n"
    "set 1000 Two storeys\n"
    "press 1\n"
    "press 311\n"
    "click-in 1001 185 30\ntype 3,5\nclick-in 1001 310 30\ntype 3\nclick-in 1001 435 30\ntype 4\n"
    "click-in 1001 185 50\ntype 3\nclick-in 1001 310 50\ntype 2\nclick-in 1001 435 50\ntype 4\n"
    "click-in 1001 185 70\n"
    "press 1002\n"
    "command 57603\n";

TEST(GeneratorScript, ATwoStoreyFrameTypedIntoANewPositionIsStored) {
  const common::Position position(plat::testing::TestFolder() + "script/", ".S2");
  ASSERT_TRUE(common::EnsurePositionFolder(position));
  for (const char* base : {"ELEMENTS", "NODES", "LKNOTENR", "PARAMR", "GEOMETRY", "INVERSE", "RAHMENDAT"}) {
    plat::RemoveFile(position.File(base));
  }
  plat::RemoveFile(position.TextFile("ECHO_G"));
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "KELMF",
                                            {position.ext(), "@" + position.data_path()}, kTwoStoreys);
  ASSERT_EQ(run.exit_code, 1) << run.log_text() << run.messages;
  EXPECT_EQ(run.messages, "");

  const auto lines = plat::ReadLines(position.TextFile("ECHO_G"));
  ASSERT_TRUE(lines.has_value());
  const std::vector<std::string>& echo = *lines;
  ASSERT_GE(echo.size(), 33u);
  EXPECT_EQ(echo[1], "Two storeys");
  EXPECT_EQ(echo[8], "ELEMENTS");
  EXPECT_EQ(echo[9], "8");
  EXPECT_EQ(echo[10], "1 0.00 0.00 0.00 3.50 0 0 1 1 1 1");
  EXPECT_EQ(echo[17], "8 0.00 6.50 4.00 6.50 0 0 1 1 1 1");
  EXPECT_EQ(echo[28], "SUPPORTS");
  EXPECT_EQ(echo[29], "3");
  EXPECT_EQ(echo[30], "1 1.000000 1.000000 0.000000");
  EXPECT_EQ(echo[31], "3 1.000000 1.000000 0.000000");
  EXPECT_EQ(echo[32], "5 1.000000 1.000000 0.000000");

  const auto params = plat::ReadWholeFile(position.File("PARAMR"));
  ASSERT_TRUE(params.has_value());
  ASSERT_GE(params->size(), 40u);
  std::int16_t equations = 0;
  std::memcpy(&equations, params->data() + 38, sizeof equations);
  EXPECT_EQ(equations, 24);
  EXPECT_EQ(plat::FileSize(position.File("INVERSE")).value_or(0), 4608);
  EXPECT_EQ(testing::GeometryMarker(position), 1);
}

}  // namespace
}  // namespace kelmf
