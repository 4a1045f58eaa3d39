// The listing's table lines: its physical lines without their ends.
#include <gtest/gtest.h>

#include "Zelko1/listing/print_lines.h"
#include "Zelko1/tests/zevril_files.h"
#include "platform/testing/testing.h"

namespace zevril {
namespace {

std::vector<std::string> Lines(std::string_view bytes) { return SplitPrintLines(bytes).lines; }

TEST(PrintLines, LinesLoseTheirEndsAndLongOnesStayWhole) {
  const std::string s200 = std::string(126, 'a') + std::string(74, 'b');
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"AB\r\n", {"AB"}},
      {"AB\n", {"AB"}},
      {"A\nXYZ", {"A", "XYZ"}},  // a last line without an end counts
      {"\r\n", {""}},            // CR LF alone is an empty line
      {"A\r\n\r\nB\r\n", {"A", "", "B"}},
      {s200 + "\r\n", {s200}},  // the pages break it, nothing is cut here
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(c.bytes), c.lines) << c.bytes;
}

TEST(PrintLines, LoadingReplacesTheTableAndAMissingFileEmptiesIt) {
  const std::string path = plat::testing::TestFolder() + "D1.TXT";
  ASSERT_TRUE(testing::WriteAll(path, testing::NumberedLines(100)));
  PrintLineTable table;
  ASSERT_TRUE(LoadPrintFile(path, table));
  EXPECT_EQ(table.count(), 100);
  EXPECT_EQ(table.lines[99], "LINE 100");
  ASSERT_TRUE(testing::WriteAll(path, testing::NumberedLines(3)));
  ASSERT_TRUE(LoadPrintFile(path, table));
  EXPECT_EQ(table.count(), 3);
  EXPECT_FALSE(LoadPrintFile(plat::testing::TestFolder() + "MISSING", table));
  EXPECT_EQ(table.count(), 0);
}

TEST(PrintLines, TheTableHasNoLimit) {
  EXPECT_EQ(SplitPrintLines(testing::NumberedLines(18000)).count(), 18000);
}

}  // namespace
}  // namespace zevril
