// The real programs on X note the end of their first paint for the start benchmark
// (PLAT_FIRST_PAINT): once, after their start, with the size of the painted window.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "platform/binary_io.h"
#include "platform/first_paint_stamp.h"
#include "platform/testing/testing.h"
#include "tests/e2e/x_session.h"

namespace {

std::optional<plat::FirstPaintStamp> WaitForStamp(const std::string& path) {
  for (int i = 0; i < 2000; ++i) {
    if (auto stamp = plat::ReadFirstPaintStamp(path.c_str())) return stamp;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::nullopt;
}

// Waits until `count` visible windows have titles that match.
bool WaitForWindows(e2e::XSession& x, const std::string& title, int count) {
  for (int i = 0; i < 400; ++i) {
    if (x.VisibleWindows({"--name", title}).size() >= static_cast<std::size_t>(count)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

TEST(FirstPaint, ARealProgramWritesTheEndOfItsFirstPaintOnce) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  e2e::XSession x;
  ASSERT_TRUE(x.ok()) << x.error();
  const std::string path = plat::testing::TestFolder() + "first-paint";
  const double start = plat::MonotonicSeconds();
  const pid_t help = x.Start("LERVENTA", {"TASTATUR.HTM"}, {{plat::kFirstPaintVariable, path}});
  ASSERT_GT(help, 0);
  const auto window = x.FindWindow("LERVENTA");
  ASSERT_TRUE(window) << x.StderrOf(help);
  const auto stamp = WaitForStamp(path);
  ASSERT_TRUE(stamp) << x.StderrOf(help);
  EXPECT_GT(stamp->seconds, start);
  EXPECT_LT(stamp->seconds, plat::MonotonicSeconds());
  const auto geometry = x.Geometry(*window);
  ASSERT_TRUE(geometry);
  EXPECT_EQ(stamp->width, geometry->width);
  EXPECT_EQ(stamp->height, geometry->height);
  // Up to its first paint it loaded no image-format plug-in (the overflow icon of its menu bar is
  // made when it is first shown) and nothing of Qt Multimedia (that comes with the first sound).
  const auto maps = plat::ReadWholeFile("/proc/" + std::to_string(help) + "/maps");
  ASSERT_TRUE(maps);
  const std::string mapped(reinterpret_cast<const char*>(maps->data()), maps->size());
  EXPECT_NE(mapped.find("libQt6Widgets"), std::string::npos);
  EXPECT_EQ(mapped.find("/imageformats/"), std::string::npos);
  EXPECT_EQ(mapped.find("libQt6Multimedia"), std::string::npos);

  // A second program of the same run leaves the first one's stamp as it is.
  const auto first = plat::ReadWholeFile(path);
  const pid_t second = x.Start("LERVENTA", {"TEXTE.HTM"}, {{plat::kFirstPaintVariable, path}});
  ASSERT_GT(second, 0);
  ASSERT_TRUE(WaitForWindows(x, "LERVENTA", 2)) << x.StderrOf(second);
  x.Settle(500);  // its first paint follows the showing of its window
  EXPECT_EQ(plat::ReadWholeFile(path), first);
  EXPECT_EQ(x.StderrOf(second), "");
}

}  // namespace
