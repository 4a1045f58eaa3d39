// A waited start pauses the script: its next step waits until the start ends.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/script/script_run.h"
#include "platform/script/tests/scripted_child.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace plat::test {
namespace {

TEST(ScriptPauseTest, TheNextStepWaitsWhileAWaitedStartRuns) {
  const std::string folder = testing::TestFolder();
  std::ofstream(folder + "paused.script") << "wait 0\n";
  setenv("PLAT_SCRIPT", folder.c_str(), 1);
  std::unique_ptr<ScriptRun> run;
  {
    ScriptPauseScope outer;
    run = StartScriptRun("/somewhere/paused");
    unsetenv("PLAT_SCRIPT");
    ASSERT_NE(run, nullptr);
    {
      ScriptPauseScope inner;  // pauses nest
    }
    EXPECT_TRUE(ScriptPaused());
    testing::PumpUntil([] { return false; }, 300);
    EXPECT_FALSE(std::filesystem::exists(folder + "paused.log"));
  }
  EXPECT_FALSE(ScriptPaused());
  EXPECT_TRUE(testing::PumpUntil([&] { return std::filesystem::exists(folder + "paused.log"); }, 5000));
  run.reset();
  EXPECT_EQ(FileLines(folder + "paused.log"), std::vector<std::string>{"line 1: wait 0: ok"});
}

TEST(ScriptPauseTest, NoScriptRunWithoutPlatScript) {
  unsetenv("PLAT_SCRIPT");
  EXPECT_EQ(StartScriptRun("paused"), nullptr);
}

}  // namespace
}  // namespace plat::test
