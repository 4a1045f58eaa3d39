// A waited start keeps the owner painted and its posted messages handled,
// with the owner disabled until the child ends.
#include <gtest/gtest.h>

#include "platform/process.h"
#include "platform/script/script_run.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

class Owner : public Recorder {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_USER + 5) {
      enabled_when_posted = IsWindowEnabled();
      paused_when_posted = ScriptPaused();
      ++posted;
      return 0;
    }
    return Recorder::WindowProc(message, wParam, lParam);
  }
  int posted = 0;
  bool enabled_when_posted = true;
  bool paused_when_posted = false;
};

TEST(WaitedStart, PostedMessagesRunWhileTheOwnerIsDisabled) {
  Owner w;
  ASSERT_TRUE(w.Create("owner", WS_VISIBLE, TopLevelRect()));
  ASSERT_TRUE(w.PostMessage(WM_USER + 5));
  std::string error;
  EXPECT_EQ(RunAndWaitPainted(&w, ProgramFolder() + "plat_child", {"sleep", "300", "7"}, {}, &error), 7);
  EXPECT_EQ(w.posted, 1);
  EXPECT_FALSE(w.enabled_when_posted);
  EXPECT_TRUE(w.paused_when_posted);
  EXPECT_TRUE(w.IsWindowEnabled());
  EXPECT_FALSE(ScriptPaused());
}

TEST(WaitedStart, FailureLeavesTheOwnerEnabledAndRecorderAnswers) {
  Owner w;
  ASSERT_TRUE(w.Create("owner", WS_VISIBLE, TopLevelRect()));
  std::string error;
  EXPECT_FALSE(RunAndWaitPainted(&w, "/nonexistent/KELMF", {}, {}, &error).has_value());
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_TRUE(w.IsWindowEnabled());

  ProcessRecorder recorder;
  recorder.SetExitCode(2);
  EXPECT_EQ(RunAndWaitPainted(&w, "KELMF", {".A", "@D/"}), 2);
  recorder.FailNext("Access denied");
  EXPECT_FALSE(RunAndWaitPainted(nullptr, "KELMF", {}, {}, &error).has_value());
  EXPECT_EQ(error, "Access denied");
  ASSERT_EQ(recorder.calls().size(), 2u);
  EXPECT_EQ(recorder.calls()[0].kind, hooks::ProcessCall::Kind::kRunAndWait);
  EXPECT_EQ(recorder.calls()[0].args, (std::vector<std::string>{".A", "@D/"}));
}

}  // namespace
}  // namespace plat::test
