#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/settings_folder.h"
#include "platform/testing/testing.h"

namespace {

TEST(Application, CommandLineIsJoinedWithBlanks) {
  char a0[] = "KELMF", a1[] = ".0", a2[] = "@/d/", a3[] = "@G";
  char* argv[] = {a0, a1, a2, a3};
  EXPECT_EQ(plat::CommandLineText(4, argv), ".0 @/d/ @G");
  EXPECT_EQ(plat::CommandLineText(1, argv), "");
}

TEST(Application, NumbersUseTheCLocale) {
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

TEST(Application, WithoutTheApplicationObjectNumbersStillUseTheCLocale) {
  // A German user's locale would print 1,5: a program that starts no window system mends it too.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  plat::UseProgramLocale();
  ::unsetenv("LC_ALL");
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "de_DE.UTF-8");
  std::setlocale(LC_ALL, before.c_str());
}

TEST(Application, ExitIsCaught) {
  plat::testing::ExitCatcher catcher;
  try {
    plat::ExitProgram(-1);
    FAIL() << "ExitProgram returned";
  } catch (const plat::testing::ExitCalled& e) {
    EXPECT_EQ(e.code, -1);
  }
}

TEST(Clock, FakeClockIsInjected) {
  plat::testing::FakeClock clock(86400 * 365);
  EXPECT_EQ(plat::NowSeconds(), 86400 * 365);
  clock.AdvanceMilliseconds(2500);
  EXPECT_EQ(plat::ElapsedMilliseconds(), 2500);
  EXPECT_EQ(plat::NowSeconds(), 86400 * 365 + 2);
  EXPECT_EQ(plat::FormatLocalTime(0, "%Y").size(), 4u);
  EXPECT_EQ(plat::LocalDateText().size(), 10u);
}

TEST(SettingsFolder, FollowsXdgDataHome) {
  EXPECT_EQ(plat::SettingsFolderPath(), plat::testing::TestFolder() + "xdg/QUENTARIS");
  const std::string saved = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  const std::string saved_home = home ? home : "";
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(plat::SettingsFolderPath(), "/home/someone/.local/share/QUENTARIS");
  setenv("XDG_DATA_HOME", saved.c_str(), 1);
  setenv("HOME", saved_home.c_str(), 1);
}

TEST(Beep, IsCounted) {
  const int before = plat::testing::BeepCount();
  plat::Beep();
  EXPECT_EQ(plat::testing::BeepCount(), before + 1);
}

}  // namespace
