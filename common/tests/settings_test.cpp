#include "common/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

TEST(Settings, FolderIsCreatedAndJoined) {
  const std::string folder = plat::testing::TestFolder() + "xdg/QUENTARIS";
  ASSERT_FALSE(plat::FolderExists(folder));
  common::SettingsContext settings = common::SettingsContext::Discover();
  EXPECT_TRUE(settings.found);
  EXPECT_TRUE(plat::FolderExists(folder));
  EXPECT_EQ(common::JoinSettingsPath(settings, "EXTR"), folder + "/EXTR");
}

TEST(Settings, BareNameWhenTheFolderCannotBeMade) {
  // A file where the parent folder should be makes the creation fail.
  const std::string blocker = plat::testing::TestFolder() + "blocker";
  ASSERT_TRUE(plat::WriteBlock(blocker, "x", 1));
  const std::string saved = std::getenv("XDG_DATA_HOME");
  setenv("XDG_DATA_HOME", blocker.c_str(), 1);
  common::SettingsContext settings = common::SettingsContext::Discover();
  setenv("XDG_DATA_HOME", saved.c_str(), 1);
  EXPECT_FALSE(settings.found);
  EXPECT_EQ(common::JoinSettingsPath(settings, "KELMRDB"), "KELMRDB");
}

TEST(SettingsFiles, TextBlockIs241Bytes) {
  const std::string path = plat::testing::TestFolder() + "EXTR";
  ASSERT_TRUE(common::WriteTextBlock(path, ".Bridge"));
  EXPECT_EQ(plat::FileSize(path), 241);
  EXPECT_EQ(common::ReadTextBlock(path), ".Bridge");

  ASSERT_TRUE(common::WriteTextBlock(path, std::string(300, 'p')));
  EXPECT_EQ(common::ReadTextBlock(path)->size(), 240u);  // terminated within the block

  std::string unterminated(241, 'u');
  ASSERT_TRUE(plat::WriteBlock(path, unterminated.data(), unterminated.size()));
  EXPECT_EQ(common::ReadTextBlock(path)->size(), 241u);  // never read past the block
  EXPECT_FALSE(common::ReadTextBlock(path + "X").has_value());
}

TEST(SettingsFiles, LineAndNumberForms) {
  const std::string line = plat::testing::TestFolder() + "PATHEXEMP";
  ASSERT_TRUE(common::WriteTextLine(line, "/data/examples/"));
  EXPECT_EQ(plat::FileSize(line), 15);
  EXPECT_EQ(common::ReadTextLine(line), "/data/examples/");

  const std::string number = plat::testing::TestFolder() + "PRDB";
  ASSERT_TRUE(common::WriteInt32File(number, -7));
  EXPECT_EQ(plat::FileSize(number), 4);
  EXPECT_EQ(common::ReadInt32File(number), -7);
  EXPECT_FALSE(common::ReadInt32File(number + "X").has_value());
}

}  // namespace
