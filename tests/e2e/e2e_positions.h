#pragma once
// Positions for the end-to-end tests: folders holding given echo texts, the examples installed
// beside the programs, and compute-position run on them.
#include <gtest/gtest.h>

#include <string>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"
#include "tests/e2e/file_bytes.h"

namespace e2e {

// The position `name` in the test's data folder, its folder holding `echo_g` and `echo_l` as the echo texts.
inline common::Position PositionWithEchoes(const std::string& name, const std::string& echo_g,
                                           const std::string& echo_l) {
  common::Position position(plat::testing::TestFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), echo_g.data(), echo_g.size()));
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_L"), echo_l.data(), echo_l.size()));
  return position;
}

inline std::string ExampleText(const std::string& kind, const std::string& name) {
  return ReadBytes(plat::testing::BinFolder() + "EXAMPLES/" + kind + "." + name + ".TXT");
}

inline plat::testing::ProgramRun ComputePosition(const common::Position& position) {
  auto run = plat::testing::RunProgram("compute-position", {position.data_path(), position.name()});
  EXPECT_NE(run.exit_code, -2) << run.start_error;
  return run;
}

// An example position installed beside the programs, computed in the test's data folder.
inline common::Position ComputedExample(const std::string& name) {
  const common::Position position =
      PositionWithEchoes(name, ExampleText("ECHO_G", name), ExampleText("ECHO_L", name));
  const auto run = ComputePosition(position);
  EXPECT_EQ(run.exit_code, 0) << name;
  EXPECT_EQ(run.messages, "") << name;
  return position;
}

}  // namespace e2e
