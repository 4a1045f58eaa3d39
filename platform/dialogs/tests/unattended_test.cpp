// Dialogs in a real program nobody answers: under the offscreen platform
// without PLAT_MESSAGES the program ends at once with 97; with it, a dialog
// that its program ends runs normally and common dialogs are cancelled.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/testing/testing.h"

namespace plat::test {
namespace {

int RunChild(const std::string& what) {
  return RunAndWait(ProgramFolder() + "plat_dialog_child", {what}).value_or(-1);
}

TEST(UnattendedDialogTest, NobodyToAnswerEndsTheProgramAtOnceWith97) {
  unsetenv("PLAT_MESSAGES");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(RunChild("modal"), 97);
  EXPECT_EQ(RunChild("file"), 97);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(UnattendedDialogTest, UnattendedRunsKeepTheLoopAndCancelCommonDialogs) {
  const std::string log = testing::TestFolder() + "messages.txt";
  setenv("PLAT_MESSAGES", log.c_str(), 1);
  EXPECT_EQ(RunChild("self"), 7);
  EXPECT_EQ(RunChild("file"), IDCANCEL);
  unsetenv("PLAT_MESSAGES");
}

}  // namespace
}  // namespace plat::test
