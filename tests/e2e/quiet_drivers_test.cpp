// The headless drivers print nothing on stderr but their own messages, also
// where no XDG_RUNTIME_DIR is set (as under a service or a plain ssh shell).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "tests/e2e/captured_run.h"

namespace {

common::Position ExampleInFolder(const std::string& name) {
  common::Position position(plat::testing::TestFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* kind : {"ECHO_G", "ECHO_L"}) {
    const std::string from = plat::testing::BinFolder() + "EXAMPLES/" + kind + "." + name + ".TXT";
    EXPECT_TRUE(plat::CopyFile(from, position.TextFile(kind), true)) << from;
  }
  return position;
}

TEST(QuietDrivers, NothingOnStderrWithoutARuntimeFolder) {
  const common::Position position = ExampleInFolder("BEAM2");
  const std::string messages = plat::testing::TestFolder() + "messages.txt";
  const std::vector<std::string> unset = {"XDG_RUNTIME_DIR"};
  struct Case {
    const char* program;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {"store-position", {position.data_path(), position.name()}},
      {"compute-position", {position.data_path(), position.name()}},  // PUNDF and ZEDIR inside
      {"PUNDF", {position.ext(), "@" + position.data_path(), "@G"}},
      {"KELMF", {position.ext(), "@" + position.data_path(), "@G"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    plat::RemoveFile(messages);
    const e2e::CapturedRun run = e2e::RunCaptured(c.program, c.args, messages, 120.0, unset);
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.stderr_text, "");
    EXPECT_FALSE(plat::FileExists(messages));
  }
}

}  // namespace
