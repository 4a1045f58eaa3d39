// The X-event harness itself: a real program's window is found by its title,
// real key events reach it, and the screen can be compared before and after.
#include "tests/e2e/x_session.h"

#include <gtest/gtest.h>

namespace {

TEST(XSession, FindsARealWindowAndEndsIt) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  e2e::XSession x;
  ASSERT_TRUE(x.ok()) << x.error();
  const pid_t help = x.Start("LERVENTA", {"TASTATUR.HTM"});
  ASSERT_GT(help, 0);
  const auto window = x.FindWindow("LERVENTA");
  ASSERT_TRUE(window) << x.StderrOf(help);
  const auto geometry = x.Geometry(*window);
  ASSERT_TRUE(geometry);
  EXPECT_GT(geometry->width, 100);
  EXPECT_GT(geometry->height, 100);
  const auto before = x.Grab();
  ASSERT_TRUE(before);
  EXPECT_EQ(before->width, 1280);
  EXPECT_GT(before->Differences(e2e::XPicture{1280, 1024, std::vector<unsigned char>(1280 * 1024 * 3, 0)}, *geometry),
            1000);
  // File, Beenden: the menu by its keys.
  ASSERT_TRUE(x.Focus(*window));
  ASSERT_TRUE(x.Key("alt+f"));
  x.Settle();
  ASSERT_TRUE(x.Key("b"));
  EXPECT_EQ(x.WaitExit(help, 10), 0) << x.StderrOf(help);
}

}  // namespace
