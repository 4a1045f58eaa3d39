#include "platform/process.h"

#include <gtest/gtest.h>

#include "platform/testing/testing.h"

namespace {

std::string Child() { return plat::ProgramFolder() + "plat_child"; }

TEST(Process, RealChildReportsItsExitCode) {
  std::string error;
  EXPECT_EQ(plat::RunAndWait(Child(), {"exit", "3"}, {}, &error), 3);
  EXPECT_EQ(plat::RunAndWait(Child(), {"exit", "0"}, plat::testing::TestFolder(), &error), 0);
}

TEST(Process, MissingProgramGivesTheSystemText) {
  std::string error;
  EXPECT_FALSE(plat::RunAndWait("/nonexistent/ZEDIR", {}, {}, &error).has_value());
  EXPECT_EQ(error, "No such file or directory");
  common::Result r = plat::StartDetached("/nonexistent/ZEDIR", {});
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.text(), "No such file or directory");
  EXPECT_TRUE(plat::StartDetached(Child(), {"exit", "0"}).ok());
}

TEST(Process, RecorderKeepsArgumentsAndScriptedFailures) {
  plat::testing::ProcessRecorder recorder;
  EXPECT_TRUE(plat::StartDetached(plat::SiblingProgram("ZEDIR.EXE"), {".12", "@/d/"}, "/tmp").ok());
  recorder.FailNext("Access denied");
  common::Result failed = plat::StartDetached("KELMF", {});
  EXPECT_EQ(failed.text(), "Access denied");
  recorder.SetExitCode(4);
  EXPECT_EQ(plat::RunAndWait("PUNDF", {"a b"}), 4);
  EXPECT_TRUE(plat::OpenDocument("/x/manual.pdf").ok());

  const auto& calls = recorder.calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, plat::hooks::ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(calls[0].program, plat::ProgramFolder() + "ZEDIR");
  EXPECT_EQ(calls[0].args, (std::vector<std::string>{".12", "@/d/"}));
  EXPECT_EQ(calls[0].folder, "/tmp");
  EXPECT_EQ(calls[2].args, (std::vector<std::string>{"a b"}));
  EXPECT_EQ(calls[3].kind, plat::hooks::ProcessCall::Kind::kOpenDocument);
}

TEST(Process, SiblingNames) {
  EXPECT_EQ(plat::SiblingProgram("LERVENTA.exe"), plat::ProgramFolder() + "LERVENTA");
  EXPECT_EQ(plat::SiblingProgram("REVUZAVI"), plat::ProgramFolder() + "REVUZAVI");
  EXPECT_EQ(plat::ProgramFolder().back(), '/');
}

}  // namespace
