#include "common/position/position.h"

#include <gtest/gtest.h>

#include "common/position/limit_messages.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

TEST(PositionNames, FolderAndFiles) {
  const common::Position p("/data/", ".12");
  EXPECT_EQ(p.name(), "12");
  EXPECT_EQ(p.folder(), "/data/SDIR12/");
  EXPECT_EQ(p.File("NODES"), "/data/SDIR12/NODES.12");
  EXPECT_EQ(p.TextFile("ECHO_G"), "/data/SDIR12/ECHO_G.12.TXT");
  EXPECT_EQ(p.LoadCaseFile("LKNOTENR", 12), "/data/SDIR12/LKNOTENR012.12");
  EXPECT_EQ(p.FolderFile("FILES"), "/data/SDIR12/FILES");

  const common::Position a("/data/", ".A");
  EXPECT_EQ(a.LoadCaseFile("LKNOTENR", 1), "/data/SDIRA/LKNOTENR01.A");
  EXPECT_EQ(a.LoadCaseFile("PL", 12), "/data/SDIRA/PL012.A");
}

TEST(PositionNames, Helpers) {
  EXPECT_EQ(common::PositionExt("12"), ".12");
  EXPECT_EQ(common::PositionName(".Bridge"), "Bridge");
  EXPECT_EQ(common::PositionName("Bridge"), "Bridge");
  EXPECT_EQ(common::PositionFolder("/d/", ".0"), "/d/SDIR0/");
  EXPECT_EQ(common::BuildFileName("/d/SDIR0/", "PARAMR", ".0"), "/d/SDIR0/PARAMR.0");
  EXPECT_EQ(common::CurrentLoadCaseText(1), "01");
  EXPECT_EQ(common::CurrentLoadCaseText(12), "012");
  EXPECT_EQ(common::CurrentLoadCaseText(99), "099");
  // A data path typed without its final "/" still gives the folder under it.
  EXPECT_EQ(common::Position("/data", ".1").folder(), "/data/SDIR1/");
}

TEST(PositionFolder, IsCreatedWhenMissing) {
  const common::Position p(plat::testing::TestFolder() + "positions/", ".7");
  EXPECT_FALSE(plat::FolderExists(plat::testing::TestFolder() + "positions/SDIR7"));
  EXPECT_TRUE(common::EnsurePositionFolder(p));
  EXPECT_TRUE(plat::FolderExists(plat::testing::TestFolder() + "positions/SDIR7"));
  EXPECT_TRUE(common::EnsurePositionFolder(p));  // an existing folder is fine

  const std::string blocker = plat::testing::TestFolder() + "file";
  ASSERT_TRUE(plat::WriteBlock(blocker, "x", 1));
  EXPECT_FALSE(common::EnsurePositionFolder(common::Position(blocker + "/", ".7")));
}

TEST(LimitMessages, TextsAndCaption) {
  const std::pair<common::Result, const char*> cases[] = {
      {common::TooManyNodes(), "Too many nodes, max = 200"},
      {common::TooManyElements(), "Too many elements, max = 100"},
      {common::TooManyCrossSections(), "Too many cross sections, max = 50"},
      {common::TooManyMaterials(), "Too many materials, max = 20"},
  };
  for (const auto& [result, text] : cases) {
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.text(), text);
    EXPECT_EQ(result.caption(), "Error");
  }
}

}  // namespace
