// load-picture on the example positions, stored and computed by compute-position: one PNG image of
// every load case, kept in <build>/snapshots/load-picture/ for the eye.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "tests/e2e/file_bytes.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

using e2e::ReadBytes;

struct Example {
  std::string name;
  int load_cases;
};

TEST(LoadPicture, DrawsEveryLoadCaseOfTheExamples) {
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/load-picture";
  ASSERT_TRUE(plat::MakeFolder(snapshots)) << snapshots;
  for (const Example& example : {Example{"PORTAL", 4}, Example{"BEAM2", 5}, Example{"ARCH", 3}}) {
    common::Position position(plat::testing::TestFolder() + "data/", "." + example.name);
    ASSERT_TRUE(common::EnsurePositionFolder(position));
    for (const char* kind : {"ECHO_G", "ECHO_L"}) {
      const std::string echo = ReadBytes(plat::testing::BinFolder() + "EXAMPLES/" + kind + "." + example.name + ".TXT");
      ASSERT_FALSE(echo.empty()) << kind << " " << example.name;
      ASSERT_TRUE(plat::WriteBlock(position.TextFile(kind), echo.data(), echo.size()));
    }
    const auto computed = plat::testing::RunProgram("compute-position", {position.data_path(), example.name});
    ASSERT_EQ(computed.exit_code, 0) << computed.start_error << computed.messages;

    const auto drawn = plat::testing::RunProgram("load-picture", {position.data_path(), example.name, snapshots});
    EXPECT_EQ(drawn.exit_code, 0) << drawn.start_error << drawn.messages;
    EXPECT_EQ(drawn.messages, "");
    for (int lc = 1; lc <= example.load_cases; ++lc) {
      const std::string png = ReadBytes(snapshots + "/" + example.name + "_LC" + std::to_string(lc) + ".png");
      EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n") << example.name << " " << lc;
    }
  }
}

}  // namespace
