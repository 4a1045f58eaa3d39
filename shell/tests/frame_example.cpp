#include "shell/tests/frame_example.h"

#include <gtest/gtest.h>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris::testing {

common::Position ComputedExample(const std::string& name) {
  // Outside a test (a suite's set-up) in a folder of its own, never in the working folder.
  common::Position position(plat::testing::WorkFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    const std::string text = FileText(plat::testing::BinFolder() + "EXAMPLES/" + echo + "." + name + ".TXT");
    EXPECT_NE(text, "(missing)") << echo;
    EXPECT_TRUE(plat::WriteBlock(position.TextFile(echo), text.data(), text.size()));
  }
  const auto run = plat::testing::RunProgram("compute-position", {position.data_path(), position.name()});
  EXPECT_EQ(run.exit_code, 0) << run.start_error;
  EXPECT_EQ(run.messages, "");
  return position;
}

}  // namespace quentaris::testing
