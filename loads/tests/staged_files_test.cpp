// The files of a store put in place together: a file that holds its staged bytes already is left
// as it is, every other one replaced, and a failure leaves every file as it was.
#include "loads/store/staged_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <iterator>
#include <string>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace pundf {
namespace {

std::string Text(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : "<missing>";
}

ino_t Inode(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

TEST(StagedFiles, AFileThatHoldsItsBytesAlreadyIsLeftAsItIs) {
  const std::string folder = plat::testing::TestFolder();
  struct Case {
    const char* name;
    const char* before;  // nullptr: no file
    const char* staged;
    plat::Sync sync;
    bool replaced;  // a new file took the name
  } cases[] = {
      {"PL01.A", "same", "same", plat::Sync::kNo, false},
      {"LLOAD01.A", "old", "new", plat::Sync::kNo, true},
      {"ECHO_L.A.TXT", "same", "same", plat::Sync::kYes, true},  // the master copy is written
      {"TL01.A", nullptr, "made", plat::Sync::kNo, true},
      {"PS01.A", "", "", plat::Sync::kNo, false},
  };
  StagedFiles staged;
  for (const Case& c : cases) {
    if (c.before) {
      ASSERT_TRUE(plat::WriteBlock(folder + c.name, c.before, std::string(c.before).size()));
    }
    staged.Set(folder + c.name, c.staged, c.sync);
  }
  ino_t before[std::size(cases)];
  for (std::size_t k = 0; k < std::size(cases); ++k) before[k] = Inode(folder + cases[k].name);
  ASSERT_TRUE(staged.Commit().ok());
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const Case& c = cases[k];
    EXPECT_EQ(Text(folder + c.name), c.staged) << c.name;
    EXPECT_EQ(Inode(folder + c.name) != before[k], c.replaced) << c.name;
    EXPECT_FALSE(plat::FileExists(plat::WorkFileOf(folder + c.name))) << c.name;
  }
}

TEST(StagedFiles, AFailureLeavesEveryFileAsItWas) {
  const std::string folder = plat::testing::TestFolder();
  ASSERT_TRUE(plat::WriteBlock(folder + "PL01.A", "same", 4));
  ASSERT_TRUE(plat::WriteBlock(folder + "LLOAD01.A", "old", 3));
  ASSERT_TRUE(plat::MakeFolder(folder + "TL01.A"));  // a folder where a file is to go
  StagedFiles staged;
  staged.Set(folder + "PL01.A", "same");
  staged.Set(folder + "LLOAD01.A", "new");
  staged.Set(folder + "TL01.A", "made");
  const common::Result result = staged.Commit();
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.text(), "The file " + folder + "TL01.A cannot be written.");
  EXPECT_EQ(Text(folder + "PL01.A"), "same");
  EXPECT_EQ(Text(folder + "LLOAD01.A"), "old");
  EXPECT_TRUE(plat::FolderExists(folder + "TL01.A"));
  for (const char* name : {"PL01.A", "LLOAD01.A", "TL01.A"}) {
    EXPECT_FALSE(plat::FileExists(plat::WorkFileOf(folder + name))) << name;
  }
}

}  // namespace
}  // namespace pundf
