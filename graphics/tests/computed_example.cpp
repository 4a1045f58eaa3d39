#include "graphics/tests/computed_example.h"

#include <gtest/gtest.h>

#include "graphics/startup/startup_data.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace revuzavi::testing {

std::string ReadBytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return {};
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

common::Position ComputedExample(const std::string& name) {
  common::Position position(plat::testing::TestFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    const std::string text = ReadBytes(plat::testing::BinFolder() + "EXAMPLES/" + echo + "." + name + ".TXT");
    EXPECT_FALSE(text.empty()) << echo;
    EXPECT_TRUE(plat::WriteBlock(position.TextFile(echo), text.data(), text.size()));
  }
  const auto run = plat::testing::RunProgram("compute-position", {position.data_path(), position.name()});
  EXPECT_EQ(run.exit_code, 0) << run.start_error;
  EXPECT_EQ(run.messages, "");
  return position;
}

ViewerState ViewerOn(const common::Position& position, int load_case) {
  ViewerState state;
  const common::ReadOutcome r =
      StartupData(state, StartupRequest{position.data_path(), position.ext(), load_case}, FreeTextOperations{});
  EXPECT_TRUE(r.ok()) << r.message().text();
  return state;
}

}  // namespace revuzavi::testing
