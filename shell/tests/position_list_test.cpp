#include "shell/settings/position_list.h"

#include <gtest/gtest.h>

#include "shell/settings/read_settings.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutSetting;
using testing::SettingsFolder;

ShellState StateWithList(int count, const std::string& current) {
  ShellState state;
  state.settings = common::SettingsContext::Discover();
  state.data_path = "/d/";
  state.position_name = current;
  for (int i = 1; i <= count; ++i) state.positions.entries.push_back({"P" + std::to_string(i), "/d"});
  return state;
}

TEST(WritePositionList, TheCurrentPositionComesFirstOnce) {
  ShellState state = StateWithList(20, "P5");
  ASSERT_TRUE(WritePositionList(state));
  std::string expected = "P5\r\n/d\r\n";
  for (int i = 1; i <= 19; ++i) {
    if (i != 5) expected += "P" + std::to_string(i) + "\r\n/d\r\n";
  }
  EXPECT_EQ(FileText(SettingsFolder() + "/LISTP.TXT"), expected);
  EXPECT_TRUE(state.positions.changed);
  EXPECT_EQ(state.positions.entries.size(), 19u);
  EXPECT_EQ(ReadPositionList(SettingsFolder() + "/LISTP.TXT").entries, state.positions.entries);
}

TEST(WritePositionList, ANewPositionPushesTheOldestOut) {
  ShellState state = StateWithList(20, "NEW");
  state.data_path = "/e/f/";
  ASSERT_TRUE(WritePositionList(state));
  const PositionList read = ReadPositionList(SettingsFolder() + "/LISTP.TXT");
  ASSERT_EQ(read.entries.size(), 20u);
  EXPECT_EQ(read.entries.front(), (PositionList::Entry{"NEW", "/e/f"}));
  EXPECT_EQ(read.entries.back(), (PositionList::Entry{"P19", "/d"}));

  // The same name under another data path is another position.
  state.data_path = "/d/";
  state.position_name = "P1";
  ASSERT_TRUE(WritePositionList(state));
  EXPECT_EQ(state.positions.entries[0], (PositionList::Entry{"P1", "/d"}));
  EXPECT_EQ(state.positions.entries[1], (PositionList::Entry{"NEW", "/e/f"}));
}

TEST(ReadPositionList, LinesAreReadWholeAndTrimmed) {
  const std::string long_path = "/" + std::string(300, 'p');
  PutSetting("LISTP.TXT", "A1  \r\n" + long_path + "\t\r\nB2\nC3");
  const PositionList list = ReadPositionList(SettingsFolder() + "/LISTP.TXT");
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(list.entries[0], (PositionList::Entry{"A1", long_path}));
  EXPECT_EQ(list.entries[1], (PositionList::Entry{"B2", "C3"}));
}

TEST(ReadPositionList, ANameWithoutItsPathLineAndTheLimit) {
  PutSetting("LISTP.TXT", "A1\r\n/d\r\nB2\r\n");
  PositionList list = ReadPositionList(SettingsFolder() + "/LISTP.TXT");
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(list.entries[1], (PositionList::Entry{"B2", ""}));

  std::string many;
  for (int i = 1; i <= 25; ++i) many += "P" + std::to_string(i) + "\n/d\n";
  PutSetting("LISTP.TXT", many);
  list = ReadPositionList(SettingsFolder() + "/LISTP.TXT");
  ASSERT_EQ(list.entries.size(), 20u);
  EXPECT_EQ(list.entries.back().name, "P20");

  EXPECT_TRUE(ReadPositionList(SettingsFolder() + "/NONE").entries.empty());
}

}  // namespace
}  // namespace quentaris
