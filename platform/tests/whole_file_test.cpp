#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "platform/text_file.h"

namespace {

std::string Bytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : "(none)";
}

std::string OldFile(const std::string& name) {
  const std::string path = plat::testing::TestFolder() + name;
  EXPECT_TRUE(plat::WriteBlock(path, "old text", 8));
  return path;
}

TEST(ReplaceWholeFile, ReplacesAndLeavesNoWorkFile) {
  for (const plat::Sync sync : {plat::Sync::kNo, plat::Sync::kYes}) {
    const std::string path = OldFile("FILE");
    EXPECT_TRUE(plat::ReplaceWholeFile(path, "new", sync));
    EXPECT_EQ(Bytes(path), "new");
    EXPECT_FALSE(plat::FileExists(plat::WorkFileOf(path)));
    EXPECT_TRUE(plat::ReplaceWholeFile(plat::testing::TestFolder() + "FRESH", "", sync));
    EXPECT_EQ(Bytes(plat::testing::TestFolder() + "FRESH"), "");
  }
}

// Every way the replacement can fail leaves the old file as it was and no work file.
TEST(ReplaceWholeFile, FailureKeepsTheOldFile) {
  const std::string path = OldFile("FILE");
  {
    plat::testing::FailingFileWrite fail(1);
    EXPECT_FALSE(plat::ReplaceWholeFile(path, "new", plat::Sync::kYes));
    EXPECT_TRUE(plat::ReplaceWholeFile(path, "new"));  // the second write goes through
  }
  EXPECT_EQ(Bytes(path), "new");
  {
    plat::testing::FailingFileWrite fail(1);
    EXPECT_FALSE(plat::ReplaceWholeFile(path, "newer"));
  }
  EXPECT_EQ(Bytes(path), "new");
  EXPECT_FALSE(plat::FileExists(plat::WorkFileOf(path)));

  // A folder in the file's place, and a folder in the work file's place.
  const std::string folder = plat::testing::TestFolder() + "FOLDER";
  ASSERT_TRUE(plat::MakeFolder(folder));
  EXPECT_FALSE(plat::ReplaceWholeFile(folder, "new"));
  EXPECT_TRUE(plat::FolderExists(folder));
  EXPECT_FALSE(plat::FileExists(plat::WorkFileOf(folder)));
  ASSERT_TRUE(plat::MakeFolder(plat::WorkFileOf(path)));
  EXPECT_FALSE(plat::ReplaceWholeFile(path, "newest"));
  EXPECT_EQ(Bytes(path), "new");
  // A missing folder.
  EXPECT_FALSE(plat::ReplaceWholeFile(plat::testing::TestFolder() + "none/FILE", "new"));
}

TEST(AppendWhole, FailureCutsTheFileBack) {
  const std::string path = OldFile("LOG");
  EXPECT_TRUE(plat::AppendWhole(path, " more", 5));
  EXPECT_EQ(Bytes(path), "old text more");
  {
    plat::testing::FailingFileWrite fail(1);
    EXPECT_FALSE(plat::AppendWhole(path, " lost", 5));
  }
  EXPECT_EQ(Bytes(path), "old text more");
  EXPECT_FALSE(plat::AppendWhole(plat::testing::TestFolder(), "x", 1));  // a folder
}

TEST(TextWriter, WholeModesWriteAtCloseOrNotAtAll) {
  using Mode = plat::TextWriter::Mode;
  for (const Mode mode : {Mode::kReplaceWhole, Mode::kReplaceSynced, Mode::kAppend}) {
    SCOPED_TRACE(static_cast<int>(mode));
    const std::string path = OldFile("TEXT");
    const std::string expected = mode == Mode::kAppend ? "old textline\r\n" : "line\r\n";
    {
      plat::TextWriter out(path, mode);
      ASSERT_TRUE(out.is_open());
      out.Write("line\n");
      EXPECT_EQ(Bytes(path), "old text");  // nothing before Close
      EXPECT_TRUE(out.Close());
    }
    EXPECT_EQ(Bytes(path), expected);
    plat::testing::FailingFileWrite fail(1);
    plat::TextWriter out(path, mode);
    out.Write("lost\n");
    EXPECT_FALSE(out.Close());
    EXPECT_EQ(Bytes(path), expected);
  }
}

TEST(FailFileWrite, CountsEveryKindOfWrite) {
  const std::string path = plat::testing::TestFolder() + "FILE";
  plat::testing::FailingFileWrite fail(4);
  EXPECT_TRUE(plat::WriteBlock(path, "a", 1));
  EXPECT_TRUE(plat::AppendBlock(path, "b", 1));
  EXPECT_TRUE(plat::WriteTextFile(path, "c\n"));
  EXPECT_FALSE(plat::ReplaceWholeFile(path, "d"));
  EXPECT_EQ(plat::testing::FileWritesSoFar(), 4);
  EXPECT_EQ(Bytes(path), "c\r\n");
}

}  // namespace
