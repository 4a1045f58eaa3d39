// A waited start keeps the owner painted and its posted messages handled,
// with the owner disabled until the child ends.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

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

TEST(WatchedStart, TheEndWithItsCodeAndItsErrorTextReachesTheUserInterfaceThread) {
  std::optional<ProgramEnd> end;
  ASSERT_TRUE(StartWatched("/bin/sh", {"-c", "echo 'The file X is missing.' >&2; exit 4"},
                           [&end](const ProgramEnd& e) { end = e; })
                  .ok());
  ASSERT_TRUE(PumpUntil([&end] { return end.has_value(); }));
  EXPECT_EQ(end->code, 4);
  EXPECT_EQ(end->errors, "The file X is missing.\n");

  end.reset();
  ASSERT_TRUE(StartWatched(ProgramFolder() + "plat_child", {"exit", "0"}, [&end](const ProgramEnd& e) { end = e; }).ok());
  ASSERT_TRUE(PumpUntil([&end] { return end.has_value(); }));
  EXPECT_EQ(end->code, 0);
  EXPECT_EQ(end->errors, "");

  const common::Result missing = StartWatched("/nonexistent/ZEDIR", {}, [](const ProgramEnd&) { FAIL(); });
  EXPECT_EQ(missing.text(), "No such file or directory");
  PumpMessages();
}

TEST(WatchedStart, TheRecorderAnswersWithItsExitCode) {
  ProcessRecorder recorder;
  recorder.SetExitCode(255);
  std::optional<ProgramEnd> end;
  ASSERT_TRUE(StartWatched("ZEDIR", {}, [&end](const ProgramEnd& e) { end = e; }).ok());
  ASSERT_TRUE(PumpUntil([&end] { return end.has_value(); }));
  EXPECT_EQ(end->code, 255);
  ASSERT_EQ(recorder.calls().size(), 1u);
  EXPECT_EQ(recorder.calls()[0].kind, hooks::ProcessCall::Kind::kStartDetached);
}

TEST(OpenDocument, AFailureNamesTheOpenerAndTheFile) {
  const std::string bin = plat::testing::TestFolder() + "bin";
  std::filesystem::create_directories(bin);
  const std::string path_before = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", bin.c_str(), 1);
  const common::Result missing = OpenDocument("/p/SDIRA1/D3.TXT");
  EXPECT_EQ(missing.text(),
            "xdg-open could not be started to open /p/SDIRA1/D3.TXT: No such file or directory (xdg-open comes "
            "with the package xdg-utils).");
  {
    std::ofstream opener(bin + "/xdg-open");
    opener << "#!/bin/sh\nexit 3\n";
  }
  std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
  const common::Result failed = OpenDocument("/p/SDIRA1/D3.TXT");
  EXPECT_EQ(failed.text(),
            "xdg-open could not open /p/SDIRA1/D3.TXT (exit code 3): no program that opens it was found.");
  setenv("PATH", path_before.c_str(), 1);
}

TEST(WaitedStart, TheWindowThatHadTheFocusHasItAgainAfterTheProgram) {
  Owner w;
  ASSERT_TRUE(w.Create("owner", WS_VISIBLE, TopLevelRect()));
  Recorder view;
  ASSERT_TRUE(view.Create("view", WS_CHILD | WS_VISIBLE, Rect{0, 0, 50, 50}, &w, 1));
  // The program's own window takes the keyboard while it runs.
  struct TakesFocus : Recorder {
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_USER + 6) {
        plat::SetFocus(nullptr);
        return 0;
      }
      return Recorder::WindowProc(message, wParam, lParam);
    }
  } other;
  ASSERT_TRUE(other.Create("other", WS_VISIBLE, TopLevelRect()));
  view.SetFocus();
  ASSERT_TRUE(other.PostMessage(WM_USER + 6));
  std::string error;
  EXPECT_EQ(RunAndWaitPainted(&w, ProgramFolder() + "plat_child", {"sleep", "200", "0"}, {}, &error), 0) << error;
  EXPECT_EQ(Window::GetFocus(), &view);

  // Without a window of the owner focused before, the owner gets it.
  plat::SetFocus(nullptr);
  EXPECT_EQ(RunAndWaitPainted(&w, ProgramFolder() + "plat_child", {"exit", "0"}, {}, &error), 0) << error;
  EXPECT_EQ(Window::GetFocus(), &w);
}

}  // namespace
}  // namespace plat::test
