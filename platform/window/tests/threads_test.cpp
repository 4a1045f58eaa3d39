// A worker thread talking to a window on the user-interface thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "platform/hooks.h"
#include "platform/message_box.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/window.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr UINT kDone = WM_USER + 5;     // posted once at the end
constexpr UINT kStatus = WM_USER + 6;   // sent, answered
constexpr UINT kProgress = WM_USER + 7; // posted

// A dialog-like window: it answers the worker's messages and notes the thread.
class ProgressWindow : public Window {
 public:
  struct Handled {
    UINT message;
    WPARAM wParam;
    bool on_ui_thread;
  };
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kDone || message == kStatus || message == kProgress) {
      handled.push_back({message, wParam, std::this_thread::get_id() == ui_thread});
      if (message == kDone) done = true;
      return message == kStatus ? static_cast<LRESULT>(100 + wParam) : 0;
    }
    return Window::WindowProc(message, wParam, lParam);
  }
  std::thread::id ui_thread = std::this_thread::get_id();
  std::vector<Handled> handled;
  bool done = false;
};

Rect DialogRect() { return Rect{50, 50, 350, 250}; }

TEST(WindowThreads, WorkerPostsAndSendsToTheUserInterfaceThread) {
  ProgressWindow dialog;
  ASSERT_TRUE(dialog.Create("QUENTARIS", WS_VISIBLE, DialogRect()));
  const HWND hwnd = dialog.GetSafeHwnd();
  std::atomic<LRESULT> answer{-1};
  std::thread worker([hwnd, &answer] {
    for (WPARAM i = 1; i <= 3; ++i) PostMessage(hwnd, kProgress, i, 0);
    answer = SendMessage(hwnd, kStatus, 5, 0);  // waits for the dialog's answer
    PostMessage(hwnd, kDone, 0, 0);
  });
  const bool finished = PumpUntil([&] { return dialog.done; });
  worker.join();
  ASSERT_TRUE(finished);

  EXPECT_EQ(answer.load(), 105);
  ASSERT_EQ(dialog.handled.size(), 5u);
  const UINT order[] = {kProgress, kProgress, kProgress, kStatus, kDone};
  const WPARAM params[] = {1, 2, 3, 5, 0};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(dialog.handled[i].message, order[i]) << i;
    EXPECT_EQ(dialog.handled[i].wParam, params[i]) << i;
    EXPECT_TRUE(dialog.handled[i].on_ui_thread) << i;
  }
}

TEST(WindowThreads, ClosingTheWindowReleasesABlockedSender) {
  ProgressWindow dialog;
  ASSERT_TRUE(dialog.Create("QUENTARIS", WS_VISIBLE, DialogRect()));
  const HWND hwnd = dialog.GetSafeHwnd();
  auto result = std::async(std::launch::async, [hwnd] { return SendMessage(hwnd, kStatus, 1, 0); });
  // Wait until the send is queued; the user-interface thread does not handle it.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (QueuedMessageCount() == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_EQ(QueuedMessageCount(), 1);
  dialog.SendMessage(WM_CLOSE);  // the default handling destroys the window
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);

  ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(result.get(), 0);
  EXPECT_TRUE(PumpMessages());
  EXPECT_TRUE(dialog.handled.empty());  // the queued send never reached the window

  // Later messages to the gone window fail at once.
  EXPECT_FALSE(IsWindow(hwnd));
  auto late = std::async(std::launch::async, [hwnd] {
    return std::make_pair(PostMessage(hwnd, kProgress, 0, 0), SendMessage(hwnd, kStatus, 1, 0));
  });
  ASSERT_EQ(late.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(late.get(), std::make_pair(false, LRESULT{0}));
}

TEST(WindowThreads, WorkerMessageBoxIsAnsweredOnTheUserInterfaceThread) {
  const std::thread::id ui_thread = std::this_thread::get_id();
  std::vector<std::pair<std::string, bool>> asked;
  hooks::MessageBoxHandler handler{[&](const std::string& text, const std::string&, unsigned) {
    asked.emplace_back(text, std::this_thread::get_id() == ui_thread);
    return IDNO;
  }};
  hooks::MessageBoxHandler* previous = hooks::message_box;
  hooks::message_box = &handler;
  std::atomic<int> answer{0};
  std::thread worker([&] { answer = MessageBox("Singularity in row 4", "ZEDIR", MB_YESNO); });
  const bool answered = PumpUntil([&] { return answer.load() != 0; });
  worker.join();
  hooks::message_box = previous;
  ASSERT_TRUE(answered);
  EXPECT_EQ(answer.load(), IDNO);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].first, "Singularity in row 4");
  EXPECT_TRUE(asked[0].second);
}

}  // namespace
}  // namespace plat::test
