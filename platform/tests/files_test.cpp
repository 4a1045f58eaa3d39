#include "platform/files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

TEST(Wildcard, MatchesLikeWindows) {
  struct Case {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"BF?_*.*", "BF1_X.A1", true},  {"BF?_*.*", "NODES.A1", false}, {"*.*", "NODES", true},
      {"*.*", "ECHO_G.12.TXT", true}, {"*.txt", "D3.TXT", true},      {"D?.TXT", "D12.TXT", false},
      {"D*.TXT", "D12.TXT", true},    {"*.A1", "NODES.A2", false},    {"BF*.*", "BF", true},
      {"?", "", false},               {"*", "", true},                {"a*b*c", "aXbYbZc", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(plat::WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " vs " << c.name;
  }
}

TEST(Files, CopyRenameRemoveAndList) {
  const std::string dir = plat::testing::TestFolder() + "sub/deeper/";
  ASSERT_TRUE(plat::MakeFolder(dir));
  ASSERT_TRUE(plat::WriteBlock(dir + "A.TXT", "abc", 3));
  ASSERT_TRUE(plat::WriteBlock(dir + "B.TXT", "xy", 2));
  EXPECT_EQ(plat::FileSize(dir + "A.TXT"), 3);
  EXPECT_TRUE(plat::FileTime(dir + "A.TXT").has_value());
  EXPECT_FALSE(plat::FileTime(dir + "none").has_value());

  EXPECT_FALSE(plat::CopyFile(dir + "A.TXT", dir + "B.TXT", false));
  EXPECT_EQ(plat::FileSize(dir + "B.TXT"), 2);
  EXPECT_TRUE(plat::CopyFile(dir + "A.TXT", dir + "B.TXT", true));
  EXPECT_EQ(plat::FileSize(dir + "B.TXT"), 3);

  ASSERT_TRUE(plat::WriteBlock(dir + "C.DAT", "1", 1));
  EXPECT_TRUE(plat::RenameFile(dir + "C.DAT", dir + "A.TXT"));  // replaces the target
  EXPECT_EQ(plat::FileSize(dir + "A.TXT"), 1);
  EXPECT_FALSE(plat::FileExists(dir + "C.DAT"));

  ASSERT_TRUE(plat::WriteBlock(dir + "D.DAT", "22", 2));
  EXPECT_TRUE(plat::MoveOntoFreedName(dir + "D.DAT", dir + "A.TXT"));  // the old file goes first
  EXPECT_EQ(plat::FileSize(dir + "A.TXT"), 2);
  EXPECT_FALSE(plat::FileExists(dir + "D.DAT"));
  ASSERT_TRUE(plat::WriteBlock(dir + "E.DAT", "333", 3));
  EXPECT_TRUE(plat::MoveOntoFreedName(dir + "E.DAT", dir + "F.DAT"));  // no old file
  EXPECT_EQ(plat::FileSize(dir + "F.DAT"), 3);
  ASSERT_TRUE(plat::MakeFolder(dir + "G/"));
  EXPECT_FALSE(plat::MoveOntoFreedName(dir + "F.DAT", dir + "G"));  // a folder is not removed
  EXPECT_TRUE(plat::FileExists(dir + "F.DAT"));
  EXPECT_TRUE(plat::RemoveFile(dir + "F.DAT"));

  EXPECT_EQ(plat::ListFolder(dir, "*.txt"), (std::vector<std::string>{"A.TXT", "B.TXT"}));
  EXPECT_TRUE(plat::RemoveFile(dir + "B.TXT"));
  EXPECT_FALSE(plat::RemoveFile(dir + "B.TXT"));
  EXPECT_EQ(plat::FindCaseInsensitive(dir, "a.txt"), dir + "A.TXT");
}

// Two writes 10 ms apart are ordered, also within one second; the value is
// nanoseconds of the wall clock.
TEST(Files, FileTimeOrdersWritesWithinOneSecond) {
  const std::string dir = plat::testing::TestFolder();
  ASSERT_TRUE(plat::WriteBlock(dir + "PL01.A1", "a", 1));
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(plat::WriteBlock(dir + "TEXTLINE01.A1", "b", 1));
  const auto first = plat::FileTime(dir + "PL01.A1");
  const auto second = plat::FileTime(dir + "TEXTLINE01.A1");
  ASSERT_TRUE(first && second);
  EXPECT_GT(*second, *first);
  EXPECT_NEAR(static_cast<double>(*second) / 1e9, static_cast<double>(std::time(nullptr)), 5.0);

  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(plat::WriteBlock(dir + "PL01.A1", "c", 1));  // rewritten: later again
  EXPECT_GT(*plat::FileTime(dir + "PL01.A1"), *second);
}

}  // namespace
