#include "common/position/output_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <utility>
#include <string>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"

namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

TEST(OutputList, LoadCasePageEntryFillsLabelAndLoadCase) {
  struct Case {
    const char* label;
    int load_case;
    std::string expected;
  };
  const Case cases[] = {
      {"D3", 1, Blanks(14) + "D3" + Blanks(8) + "1" + Blanks(17) + Blanks(2) + "    Results "},
      {"D10", 12, Blanks(14) + "D10" + Blanks(7) + "12" + Blanks(16) + Blanks(2) + "    Results "},
      {"D100", 5, Blanks(14) + "D100" + Blanks(6) + "5" + Blanks(17) + Blanks(2) + "    Results "},
      {"D1000", 5, Blanks(14) + "D1000" + Blanks(5) + "5" + Blanks(17) + Blanks(2) + "    Results "},
      {"D10000", 5, Blanks(14) + "D10000" + Blanks(8) + "5" + Blanks(17) + Blanks(2) + "    Results "},
      {"D", 5, Blanks(14) + "D" + Blanks(8) + "5" + Blanks(17) + Blanks(2) + "    Results "},
      // A number of 18 characters or more gets no blanks.
      {"D3", 123456789, Blanks(14) + "D3" + Blanks(8) + "123456789" + Blanks(9) + Blanks(2) + "    Results "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(common::LoadCasePageEntry(c.label, c.load_case, "    Results "), c.expected);
  }
}

TEST(OutputList, LinesAreAppendedWithCrLf) {
  const common::Position pos(plat::testing::TestFolder(), ".7");
  ASSERT_TRUE(common::EnsurePositionFolder(pos));
  ASSERT_TRUE(common::AppendOutputList(pos, common::OutputListEntry("D2", " Load cases")));
  ASSERT_TRUE(common::AppendOutputList(pos, common::LoadCasePageEntry("D3", 7, "    Results ")));
  const auto bytes = plat::ReadWholeFile(pos.FolderFile("FILES"));
  ASSERT_TRUE(bytes.has_value());
  const std::string text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  EXPECT_EQ(text, Blanks(14) + "D2 Load cases\r\n" + Blanks(14) + "D3" + Blanks(8) + "7" + Blanks(19) +
                      "    Results \r\n");
}

TEST(OutputList, OutputListThatCannotBeOpenedIsReported) {
  const common::Position pos(plat::testing::TestFolder(), ".7");
  ASSERT_TRUE(plat::MakeFolder(pos.FolderFile("FILES")));  // a folder where the list belongs
  EXPECT_FALSE(common::AppendOutputList(pos, "x"));
}

TEST(OutputList, LoadCaseOfALineIsTheWholeNumberAfterItsListing) {
  struct Case {
    std::string line;
    std::optional<int> load_case;
  };
  const Case cases[] = {
      {common::LoadCasePageEntry("D3", 12, "    Results "), 12},
      {common::LoadCasePageEntry("D100", 7, "    Results "), 7},
      {common::LoadCasePageEntry("D10000", 5, "    Results "), 5},
      {"D7 3", 3},
      {common::OutputListEntry("D1", "                                Dimensions"), std::nullopt},
      {"File   LC                 Set                 Contents", std::nullopt},
      {"  D3        1.5   Results", std::nullopt},
      {"  xD3       1     Results", std::nullopt},  // the listing must open the line
      {"  D3a       1     Results", std::nullopt},
      {"  D3", std::nullopt},
      {"  D3        1234567890123", std::nullopt},  // more digits than an int holds
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(common::LoadCaseOfLine(c.line), c.load_case) << c.line;
}

TEST(OutputList, LoadCaseListingIsTheFirstLineOfExactlyThatLoadCase) {
  const common::Position pos(plat::testing::TestFolder(), ".7");
  ASSERT_TRUE(common::EnsurePositionFolder(pos));
  EXPECT_EQ(common::FindLoadCaseListing(pos, 1), std::nullopt);  // no FILES
  for (const std::string& line :
       {common::OutputListEntry("D1", Blanks(32) + "Dimensions"), common::LoadCasePageEntry("D3", 12, "    Results "),
        common::LoadCasePageEntry("D5", 1, "    Results "), common::LoadCasePageEntry("D6", 1, "    Nodal "),
        common::LoadCasePageEntry("D100", 7, "    Results ")}) {
    ASSERT_TRUE(common::AppendOutputList(pos, line));
  }
  const std::pair<int, std::optional<std::string>> cases[] = {
      {1, "D5"}, {7, "D100"}, {12, "D3"}, {2, std::nullopt}, {0, std::nullopt}};
  for (const auto& [load_case, listing] : cases) EXPECT_EQ(common::FindLoadCaseListing(pos, load_case), listing) << load_case;
}

std::int16_t Counter(const common::Position& pos) {
  std::int16_t value = -99;
  plat::ReadBlock(pos.FolderFile("LASTD"), &value, 2);
  return value;
}

TEST(PageCounter, FreshPositionStartsAtThree) {
  const common::Position pos(plat::testing::TestFolder(), ".7");
  ASSERT_TRUE(common::EnsurePositionFolder(pos));
  EXPECT_TRUE(common::ReadPageCounter(pos).status.missing());
  common::PageCount first = common::AdvancePageCounter(pos);
  ASSERT_TRUE(first.status.ok());
  EXPECT_EQ(first.value, 3);
  EXPECT_EQ(Counter(pos), 3);
  EXPECT_EQ(plat::FileSize(pos.FolderFile("LASTD")), 2);
  EXPECT_EQ(common::AdvancePageCounter(pos).value, 4);
  EXPECT_EQ(Counter(pos), 4);
  EXPECT_EQ(common::PageLabel(4), "D4");
  EXPECT_EQ(common::PageFile(pos, "D4"), pos.folder() + "D4.TXT");
}

TEST(PageCounter, CounterWithoutANumberLeftIsDamaged) {
  const common::Position pos(plat::testing::TestFolder(), ".7");
  ASSERT_TRUE(common::EnsurePositionFolder(pos));
  struct Case {
    std::string bytes;
    std::string problem;
  };
  const Case cases[] = {
      {std::string("\x07", 1), "it holds 1 of its 2 bytes"},
      {std::string("\xfb\xff", 2), "its page number -5 is negative"},
      {std::string("\xff\x7f", 2), "its page number 32767 is the last one there is"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    ASSERT_TRUE(plat::WriteBlock(pos.FolderFile("LASTD"), c.bytes.data(), c.bytes.size()));
    const common::PageCount count = common::AdvancePageCounter(pos);
    EXPECT_TRUE(count.status.damaged());
    EXPECT_EQ(count.status.problem, c.problem);
    // The counter is left as it was.
    EXPECT_EQ(plat::ReadWholeFile(pos.FolderFile("LASTD"))->size(), c.bytes.size());
  }
  const std::int16_t last = 32766;
  ASSERT_TRUE(plat::WriteBlock(pos.FolderFile("LASTD"), &last, 2));
  EXPECT_EQ(common::AdvancePageCounter(pos).value, 32767);
}

// A counter that cannot be written keeps its old value: no run is left with an empty LASTD.
TEST(PageCounter, FailedWriteKeepsTheOldCounter) {
  const common::Position pos(plat::testing::TestFolder(), ".7");
  ASSERT_TRUE(common::EnsurePositionFolder(pos));
  ASSERT_TRUE(common::WritePageCounter(pos, 5));
  {
    plat::testing::FailingFileWrite fail(1);
    EXPECT_FALSE(common::WritePageCounter(pos, 6));
  }
  EXPECT_EQ(Counter(pos), 5);
  {
    plat::testing::FailingFileWrite fail(1);
    EXPECT_TRUE(common::AdvancePageCounter(pos).status.missing()) << "no page handed out";
  }
  EXPECT_EQ(Counter(pos), 5);
  EXPECT_EQ(common::NextPage(pos).value, 6);
  EXPECT_EQ(Counter(pos), 5) << "NextPage leaves LASTD as it is";
}

TEST(PageCounter, CounterThatCannotBeCreatedIsMissing) {
  const common::Position pos(plat::testing::TestFolder() + "nowhere/", ".7");  // no position folder
  EXPECT_TRUE(common::AdvancePageCounter(pos).status.missing());
}

}  // namespace
