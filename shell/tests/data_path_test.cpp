// The data path: its history, its making level by level, what a folder path may hold.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/paths/data_path.h"
#include "shell/paths/path_history.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;

class PathHistoryTest : public ::testing::Test {
 protected:
  std::string history_ = plat::testing::TestFolder() + "PATHHIST.TXT";
  std::string temp_ = plat::testing::TestFolder() + "PATHTEMPX";
};

TEST_F(PathHistoryTest, AKnownPathLeavesTheFileAsItIs) {
  PutFile(history_, "/d/a\n/d/b\n");
  ASSERT_TRUE(AddToPathHistory(history_, temp_, "/d/a"));
  EXPECT_EQ(FileText(history_), "/d/a\n/d/b\n");
}

TEST_F(PathHistoryTest, ANewPathIsAppendedAndTheTempFileGoes) {
  PutFile(history_, "/d/a\r\n/d/b\n");
  ASSERT_TRUE(AddToPathHistory(history_, temp_, "/d/c"));
  EXPECT_EQ(FileText(history_), "/d/a\r\n/d/b\r\n/d/c\r\n");
  EXPECT_FALSE(plat::FileExists(temp_));
}

TEST_F(PathHistoryTest, WithoutAFileTheHistoryIsOneLine) {
  ASSERT_TRUE(AddToPathHistory(history_, temp_, "/d/c"));
  EXPECT_EQ(FileText(history_), "/d/c\r\n");
}

TEST_F(PathHistoryTest, LongLinesAreReadWhole) {
  const std::string long_path = "/" + std::string(200, 'x');
  PutFile(history_, long_path + "\n/d/b");
  EXPECT_EQ(ReadPathHistory(history_), (std::vector<std::string>{long_path, "/d/b"}));
}

class EnsureDataPathTest : public ::testing::Test {
 protected:
  std::string tmp_ = plat::testing::TestFolder() + "t";
  std::filesystem::path start_ = std::filesystem::current_path();
  plat::testing::MessageBoxScript boxes_;
};

TEST_F(EnsureDataPathTest, MakesEveryLevelAndKeepsTheCurrentFolder) {
  ASSERT_TRUE(EnsureDataPath(tmp_ + "/x/y/z", AskedBy::kOkButton));
  EXPECT_TRUE(plat::FolderExists(tmp_ + "/x/y/z"));
  EXPECT_TRUE(boxes_.shown().empty());
  EXPECT_EQ(std::filesystem::current_path(), start_);
}

TEST_F(EnsureDataPathTest, FailuresNameThePartReached) {
  PutFile(tmp_ + "/x", "a file");
  struct Case {
    std::string path;
    AskedBy asked_by;
    std::string message;
  };
  const Case cases[] = {
      {tmp_ + "/x/y", AskedBy::kOkButton, "Path " + tmp_ + "/x cannot be generated!"},
      {tmp_ + "/x/y", AskedBy::kEnterKey, "Folder " + tmp_ + "/x cannot be generated!"},
      {"data/x", AskedBy::kOkButton, "Drive data not available!"},
      {"data/x", AskedBy::kEnterKey, "Drive data does not exist!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const std::size_t before = boxes_.shown().size();
    EXPECT_FALSE(EnsureDataPath(c.path, c.asked_by));
    ASSERT_EQ(boxes_.shown().size(), before + 1);
    EXPECT_EQ(boxes_.shown().back().text, c.message);
    EXPECT_EQ(boxes_.shown().back().caption, "Error");
  }
  EXPECT_FALSE(plat::FolderExists(plat::testing::TestFolder() + "data"));
  EXPECT_EQ(std::filesystem::current_path(), start_);
}

TEST(DataPathRefusalTest, RefusesLongPathsAndTheAt) {
  EXPECT_EQ(DataPathRefusal("/d/a"), "");
  EXPECT_EQ(DataPathRefusal("/" + std::string(238, 'x')), "");
  EXPECT_NE(DataPathRefusal("/" + std::string(239, 'x')), "");
  EXPECT_EQ(DataPathRefusal("/d/a@b"), "The data path /d/a@b must not hold \"@\".");
}

TEST(FolderPathTest, ValidAndInvalidPaths) {
  const std::pair<const char*, bool> cases[] = {
      {"/x/a b", true}, {"/x/y.z", true},  {"/", true},       {"/x/", true},     {"/x/a./b", false},
      {"/x/ a", false}, {"/x/a|b", false}, {"/x//b", false},  {"x/a", false},    {"/x/a*", false},
      {"", false},      {"/x/.a", false},  {"/x/a\t", false}, {"/x/a:b", false}, {"/x/a\\b", false},
      {"/x/a\"b", false},
  };
  for (const auto& [path, valid] : cases) EXPECT_EQ(IsValidFolderPath(path), valid) << path;
  EXPECT_TRUE(IsValidFolderPath("/" + std::string(258, 'x')));
  EXPECT_FALSE(IsValidFolderPath("/" + std::string(259, 'x')));
}

TEST(PositionOfFolderTest, TheNameAfterSdirInTheLastPart) {
  const auto picked = PositionOfFolder("/t/d/SDIRBeam2");
  ASSERT_TRUE(picked);
  EXPECT_EQ(picked->name, "Beam2");
  EXPECT_EQ(picked->data_path, "/t/d/");
  const auto lower = PositionOfFolder("/t/d/sdirHall/");
  ASSERT_TRUE(lower);
  EXPECT_EQ(lower->name, "Hall");
  EXPECT_FALSE(PositionOfFolder("/t/SDIRx/d"));
  EXPECT_FALSE(PositionOfFolder("/t/d"));
}

}  // namespace
}  // namespace quentaris
