// The headless drivers print nothing on stderr but their own messages, also
// where no XDG_RUNTIME_DIR is set (as under a service or a plain ssh shell).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/position/position.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "tests/e2e/captured_run.h"
#include "tests/e2e/e2e_positions.h"

namespace {

TEST(QuietDrivers, NothingOnStderrWithoutARuntimeFolder) {
  const common::Position position =
      e2e::PositionWithEchoes("BEAM2", e2e::ExampleText("ECHO_G", "BEAM2"), e2e::ExampleText("ECHO_L", "BEAM2"));
  const std::string messages = plat::testing::TestFolder() + "messages.txt";
  const std::vector<std::string> unset = {"XDG_RUNTIME_DIR"};
  // KELMF's window waits for Store or End, which nobody chooses here: it ends at once with 97 and
  // says so itself.
  const std::string kelmf_waits =
      "KELMF waits for Store or End, and nobody can choose them in an unattended run without PLAT_SCRIPT\n";
  struct Case {
    const char* program;
    std::vector<std::string> args;
    int exit_code = 0;
    std::string stderr_text;
  };
  const Case cases[] = {
      {"store-position", {position.data_path(), position.name()}, 0, ""},
      {"compute-position", {position.data_path(), position.name()}, 0, ""},  // PUNDF and ZEDIR inside
      {"PUNDF", {position.ext(), "@" + position.data_path(), "@G"}, 0, ""},
      {"KELMF", {position.ext(), "@" + position.data_path(), "@G"}, 97, kelmf_waits},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    plat::RemoveFile(messages);
    const e2e::CapturedRun run = e2e::RunCaptured(c.program, c.args, messages, 120.0, unset);
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.exit_code, c.exit_code);
    EXPECT_EQ(run.stderr_text, c.stderr_text);
    EXPECT_FALSE(plat::FileExists(messages));
  }
}

}  // namespace
