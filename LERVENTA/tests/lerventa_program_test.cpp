// The real LERVENTA of <build>/bin on the help pages beside it.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/script/script_run.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"

namespace {

TEST(LerventaProgram, AMissingPageEndsByItselfWithOneAndOneMessage) {
  const auto run = plat::testing::RunProgram("LERVENTA", {"NOPE.HTM"});
  EXPECT_EQ(run.exit_code, 1) << run.start_error;
  EXPECT_EQ(run.messages, "LERVENTA\tThe page " + plat::testing::BinFolder() + "NOPE.HTM cannot be found.\n");
}

TEST(LerventaProgram, ShowsTheTextsPageUntilTheScriptCloses) {
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "LERVENTA", {"TEXTE.HTM"},
                                            "snapshot t.png\nclose\n", {{"PLAT_SCRIPT_IDLE_S", "10"}});
  EXPECT_EQ(run.exit_code, 0) << run.log_text() << run.messages;
  EXPECT_EQ(run.messages, "");
  EXPECT_GT(plat::FileSize(plat::testing::TestFolder() + "t.png").value_or(0), 0);
}

// Without a script nobody can close the window of an unattended run: the
// program ends instead of waiting.
TEST(LerventaProgram, AnUnattendedRunWithoutAScriptDoesNotWait) {
  const auto run = plat::testing::RunProgram("LERVENTA", {"TEXTE.HTM"});
  EXPECT_EQ(run.exit_code, plat::kScriptWaitsForPerson) << run.start_error;
  EXPECT_EQ(run.messages, "");
}

}  // namespace
