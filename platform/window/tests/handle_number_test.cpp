// A window's handle as a 32-bit number (files keep it in 4 bytes) and back.
#include "platform/window/handle_number.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "platform/testing/window_testing.h"
#include "platform/window/window.h"

namespace plat {
namespace {

TEST(HandleNumber, LiveWindowsHaveTheirOwnNumbersThatMapBack) {
  Window first;
  Window second;
  ASSERT_TRUE(first.Create("first", 0, Rect{0, 0, 100, 100}));
  ASSERT_TRUE(second.Create("second", WS_CHILD, Rect{0, 0, 10, 10}, &first));
  const std::int32_t a = HandleToLong(first.GetSafeHwnd());
  const std::int32_t b = HandleToLong(second.GetSafeHwnd());
  EXPECT_NE(a, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(LongToHandle(a), first.GetSafeHwnd());
  EXPECT_EQ(LongToHandle(b), second.GetSafeHwnd());
  EXPECT_EQ(Window::FromHandle(LongToHandle(b)), &second);
}

TEST(HandleNumber, AGoneWindowsNumberMapsToNothing) {
  auto window = std::make_unique<Window>();
  ASSERT_TRUE(window->Create("gone", 0, Rect{0, 0, 100, 100}));
  const std::int32_t number = HandleToLong(window->GetSafeHwnd());
  window->DestroyWindow();
  EXPECT_EQ(LongToHandle(number), nullptr);
  // A window made later never takes the number over.
  Window later;
  ASSERT_TRUE(later.Create("later", 0, Rect{0, 0, 100, 100}));
  EXPECT_NE(HandleToLong(later.GetSafeHwnd()), number);
  EXPECT_EQ(LongToHandle(number), nullptr);
  EXPECT_EQ(HandleToLong(nullptr), 0);
  EXPECT_EQ(LongToHandle(0), nullptr);
}

TEST(HandleNumber, ManyWindowsKeepDistinctNumbers) {
  std::vector<std::unique_ptr<Window>> windows;
  Window parent;
  ASSERT_TRUE(parent.Create("parent", 0, Rect{0, 0, 100, 100}));
  std::set<std::int32_t> numbers{HandleToLong(parent.GetSafeHwnd())};
  for (int i = 0; i < 200; ++i) {
    windows.push_back(std::make_unique<Window>());
    ASSERT_TRUE(windows.back()->Create("", WS_CHILD, Rect{0, 0, 1, 1}, &parent));
    numbers.insert(HandleToLong(windows.back()->GetSafeHwnd()));
  }
  EXPECT_EQ(numbers.size(), 201u);
  for (const auto& w : windows) EXPECT_EQ(LongToHandle(HandleToLong(w->GetSafeHwnd())), w->GetSafeHwnd());
}

}  // namespace
}  // namespace plat
