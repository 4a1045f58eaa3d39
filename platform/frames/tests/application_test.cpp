// The application object: its run from start to exit code, its single-document
// template, and the bars kept up to date when the program waits for input.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/frames/doc_template.h"
#include "platform/frames/document.h"
#include "platform/frames/tests/test_frames.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/window_testing.h"

namespace plat::test {
namespace {

using namespace plat::testing;

// A program in small: its steps and what they answer are set by the test.
class SmallProgram : public WinApp {
 public:
  SmallProgram() : WinApp("SMALL") {}
  bool init_application = true;
  bool init_instance = true;
  int quit_with = 0;
  std::vector<std::string> steps;

  bool InitApplication() override {
    steps.push_back("application " + CommandLine());
    return init_application;
  }
  bool InitInstance() override {
    steps.push_back("instance");
    auto* frame = new FrameWnd;
    frame->auto_delete = true;
    if (!frame->Create("Small")) return false;
    SetMainWnd(frame);
    frame->ShowWindow(SW_SHOW);
    if (init_instance) PostQuitMessage(quit_with);
    return init_instance;
  }
  int ExitInstance() override {
    steps.push_back("exit " + std::to_string(QuitCode()));
    return WinApp::ExitInstance();
  }
};

// Runs the program in a child process (a run ends the window system's loops
// of the process) and ends it with the run's result; the steps go to stderr.
[[noreturn]] void RunAndExit(SmallProgram& program, std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int code = program.Run(static_cast<int>(args.size()), argv.data());
  for (const std::string& s : program.steps) std::fprintf(stderr, "%s;", s.c_str());
  std::fflush(stderr);
  std::_Exit(code & 0xFF);
}

TEST(ApplicationRunDeathTest, RunsToTheQuitCodeWithTheCommandLine) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        SmallProgram program;
        program.quit_with = 3;
        RunAndExit(program, {"SMALL", ".0", "@/data/"});
      },
      ::testing::ExitedWithCode(3), "application \\.0 @/data/;instance;exit 3;");
}

TEST(ApplicationRunDeathTest, FailedStartsEnd) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // No window, no exit step, -1.
  EXPECT_EXIT(
      {
        SmallProgram program;
        program.init_application = false;
        RunAndExit(program, {"SMALL"});
      },
      ::testing::ExitedWithCode(255), "application ;$");
  // The window made goes; the exit step gives the code.
  EXPECT_EXIT(
      {
        SmallProgram program;
        program.init_instance = false;
        RunAndExit(program, {"SMALL"});
        if (program.GetMainWnd()) std::_Exit(9);
      },
      ::testing::ExitedWithCode(0), "application ;instance;exit 0;");
}

class CountingDoc : public Document {
 public:
  static int made;
  CountingDoc() { ++made; }
  bool OnNewDocument() override {
    ++news;
    return true;
  }
  int news = 0;
};
int CountingDoc::made = 0;

TEST(SingleDocTemplateTest, NewDocumentMakesTheMainFrameWithItsViewOnce) {
  TestApp app;
  Log log;
  CountingDoc::made = 0;
  app.AddDocTemplate(std::make_unique<SingleDocTemplate>(
      FrameResources{128, "Dimensions", TestMenu(), {}}, [] { return std::make_unique<CountingDoc>(); },
      [&log] { return new EditorFrame(log); }, [&log] { return new LoggingView(log); }));
  app.OnFileNew();
  PumpMessages();
  auto* frame = dynamic_cast<EditorFrame*>(app.GetMainWnd());
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->IsWindowVisible());
  EXPECT_EQ(frame->GetWindowText(), "Dimensions");
  auto* doc = dynamic_cast<CountingDoc*>(frame->GetActiveDocument());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->news, 1);
  EXPECT_NE(dynamic_cast<LoggingView*>(frame->GetActiveView()), nullptr);
  // A second New starts the same document anew in the same frame.
  app.OnFileNew();
  EXPECT_EQ(app.GetMainWnd(), frame);
  EXPECT_EQ(CountingDoc::made, 1);
  EXPECT_EQ(doc->news, 2);
  // The document's title goes before the frame's when the frame asks for it.
  frame->ModifyStyle(0, FWS_ADDTOTITLE);
  doc->SetTitle("POS 0");
  EXPECT_EQ(frame->GetWindowText(), "POS 0 - Dimensions");
  frame->DestroyWindow();  // deletes the frame, its view and the document
  PumpMessages();
  EXPECT_TRUE(app.GetDocTemplate(0)->GetDocuments().empty());
}

TEST(IdleUpdateTest, BarsFollowTheHandlersWhenTheProgramWaits) {
  TestApp app;
  Log log;
  auto* frame = new EditorFrame(log);
  frame->auto_delete = true;
  ASSERT_TRUE(frame->Create("Idle", WS_OVERLAPPEDWINDOW, FrameWnd::kDefaultRect, nullptr, TestMenu()));
  frame->ShowWindow(SW_SHOW);
  frame->grid_on = true;
  frame->PostMessage(WM_NULL);  // something to handle before the wait
  QEventLoop loop;
  QTimer::singleShot(50, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_TRUE(ToolButtonPressed(frame->tool_bar, 32906));
  frame->DestroyWindow();
}

}  // namespace
}  // namespace plat::test
