// The first-paint stamp of the start benchmarks: one whole line, written once.
#include "platform/first_paint_stamp.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

std::string Text(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : "(none)";
}

TEST(FirstPaintStamp, TheLineHoldsTheTimeOfTheWriteAndTheWindowSize) {
  const std::string path = plat::testing::TestFolder() + "first-paint";
  const double before = plat::MonotonicSeconds();
  ASSERT_TRUE(plat::WriteFirstPaintStamp(path.c_str(), 1024, 768));
  const double after = plat::MonotonicSeconds();
  const auto stamp = plat::ReadFirstPaintStamp(path.c_str());
  ASSERT_TRUE(stamp) << Text(path);
  EXPECT_GE(stamp->seconds, before - 1e-6);
  EXPECT_LE(stamp->seconds, after + 1e-6);
  EXPECT_EQ(stamp->width, 1024);
  EXPECT_EQ(stamp->height, 768);
  const std::string line = Text(path);
  EXPECT_EQ(line.substr(line.find(' ')), " 1024 768\n");
}

TEST(FirstPaintStamp, OnlyTheFirstPaintCounts) {
  const std::string path = plat::testing::TestFolder() + "first-paint";
  ASSERT_TRUE(plat::WriteFirstPaintStamp(path.c_str(), 300, 200));
  const std::string first = Text(path);
  EXPECT_TRUE(plat::WriteFirstPaintStamp(path.c_str(), 640, 480));
  EXPECT_EQ(Text(path), first);
}

TEST(FirstPaintStamp, AFileThatCannotBeMadeIsAFailure) {
  const std::string path = plat::testing::TestFolder() + "missing/first-paint";
  EXPECT_FALSE(plat::WriteFirstPaintStamp(path.c_str(), 300, 200));
}

TEST(FirstPaintStamp, NoStampUntilItsLineIsWhole) {
  const std::string path = plat::testing::TestFolder() + "first-paint";
  EXPECT_FALSE(plat::ReadFirstPaintStamp(path.c_str()));
  for (const char* text : {"", "12.5 1024", "12.5 1024 768", "x 1 2\n"}) {
    ASSERT_TRUE(plat::WriteBlock(path, text, std::string(text).size()));
    EXPECT_FALSE(plat::ReadFirstPaintStamp(path.c_str())) << text;
  }
  ASSERT_TRUE(plat::WriteBlock(path, "12.5 1024 768\n", 14));
  EXPECT_TRUE(plat::ReadFirstPaintStamp(path.c_str()));
}

}  // namespace
