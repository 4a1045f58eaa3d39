#include "shell/positions/echo_copies.h"

#include <gtest/gtest.h>

#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;

class EchoCopiesTest : public ::testing::Test {
 protected:
  std::string x_ = plat::testing::TestFolder() + "x/";
  std::string data_ = plat::testing::TestFolder() + "d/";
};

TEST_F(EchoCopiesTest, ADroppedFileAndItsLoadEcho) {
  PutFile(x_ + "ACADGEO.A1", "geometry\r\n");
  PutFile(x_ + "ACADLAST.A1", "loads\r\n");
  const EchoFilesCopy copy = CopyEchoFilesToPosition(data_, x_ + "ACADGEO.A1", "A1");
  ASSERT_TRUE(copy.refused.ok());
  EXPECT_TRUE(copy.geometry.copied());
  ASSERT_TRUE(copy.load.has_value());
  EXPECT_TRUE(copy.load->copied());
  EXPECT_EQ(copy.load->source, x_ + "ACADLAST.A1");
  EXPECT_EQ(FileText(data_ + "SDIRA1/ECHO_G.A1.TXT"), "geometry\r\n");
  EXPECT_EQ(FileText(data_ + "SDIRA1/ECHO_L.A1.TXT"), "loads\r\n");
}

TEST_F(EchoCopiesTest, QuotesAreDroppedAndTheLoadEchoIsFoundWithoutRegardToCase) {
  const std::string my_dir = x_ + "my dir/";
  PutFile(my_dir + "ECHO_G.P1.TXT", "g1");
  PutFile(my_dir + "ECHO_L.P1.TXT", "l1");
  EchoFilesCopy copy = CopyEchoFilesToPosition(data_, "\"" + my_dir + "ECHO_G.P1.TXT\"", "P1");
  EXPECT_EQ(copy.geometry.source, my_dir + "ECHO_G.P1.TXT");
  ASSERT_TRUE(copy.load.has_value());
  EXPECT_EQ(copy.load->source, my_dir + "ECHO_L.P1.TXT");
  EXPECT_EQ(FileText(data_ + "SDIRP1/ECHO_L.P1.TXT"), "l1");

  PutFile(x_ + "echo_g.p2.txt", "g2");
  PutFile(x_ + "ECHO_L.P2.TXT", "l2");
  copy = CopyEchoFilesToPosition(data_, x_ + "echo_g.p2.txt", "P2");
  ASSERT_TRUE(copy.load.has_value());
  EXPECT_EQ(copy.load->source, x_ + "ECHO_L.P2.TXT");
  EXPECT_EQ(FileText(data_ + "SDIRP2/ECHO_G.P2.TXT"), "g2");
  EXPECT_EQ(FileText(data_ + "SDIRP2/ECHO_L.P2.TXT"), "l2");
}

TEST_F(EchoCopiesTest, TheLoadEchoName) {
  struct Case {
    std::string geometry;
    std::optional<std::string> load;
  };
  const Case cases[] = {
      {"ACADGEO.A1", "ACADLAST.A1"},     {"ECHO_G.P1.TXT", "ECHO_L.P1.TXT"}, {"echo_g.p1.txt", "echo_L.p1.txt"},
      {"acadgeo.a1", "acadLAST.a1"},     {"FRAME.A1", std::nullopt},       {"ECHO_G", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadEchoName(c.geometry), c.load) << c.geometry;
}

TEST_F(EchoCopiesTest, AnExistingTargetIsReportedNotReplaced) {
  PutFile(x_ + "ECHO_G.P1.TXT", "new");
  PutFile(x_ + "ECHO_L.P1.TXT", "loads");
  PutFile(data_ + "SDIRP1/ECHO_G.P1.TXT", "old");
  EchoFilesCopy copy = CopyEchoFilesToPosition(data_, x_ + "ECHO_G.P1.TXT", "P1");
  EXPECT_EQ(copy.geometry.outcome, EchoCopy::Outcome::kTargetExists);
  EXPECT_EQ(copy.geometry.message.text(),
            "The file " + data_ + "SDIRP1/ECHO_G.P1.TXT exists already; it was not replaced.");
  EXPECT_EQ(FileText(data_ + "SDIRP1/ECHO_G.P1.TXT"), "old");
  ASSERT_TRUE(copy.load.has_value());  // the position changes whole or not at all
  EXPECT_EQ(copy.load->outcome, EchoCopy::Outcome::kSkipped);
  EXPECT_EQ(FileText(data_ + "SDIRP1/ECHO_L.P1.TXT"), "(missing)");

  copy = CopyEchoFilesToPosition(data_, x_ + "ECHO_G.P1.TXT", "P1", ExistingTarget::kReplace);
  EXPECT_TRUE(copy.geometry.copied());
  EXPECT_EQ(FileText(data_ + "SDIRP1/ECHO_G.P1.TXT"), "new");
  EXPECT_EQ(FileText(data_ + "SDIRP1/ECHO_L.P1.TXT"), "loads");

  // Only the load echo's target exists: the geometry echo is not copied either.
  PutFile(x_ + "ECHO_G.P2.TXT", "new");
  PutFile(data_ + "SDIRP2/ECHO_L.P2.TXT", "old");
  copy = CopyEchoFilesToPosition(data_, x_ + "ECHO_G.P2.TXT", "P2");
  EXPECT_EQ(copy.geometry.outcome, EchoCopy::Outcome::kSkipped);
  EXPECT_EQ(copy.load->outcome, EchoCopy::Outcome::kTargetExists);
  EXPECT_EQ(FileText(data_ + "SDIRP2/ECHO_G.P2.TXT"), "(missing)");
}

TEST_F(EchoCopiesTest, MissingSourcesAndBadNamesAreReported) {
  EchoFilesCopy copy = CopyEchoFilesToPosition(data_, x_ + "NONE.A1", "A1");
  EXPECT_EQ(copy.geometry.outcome, EchoCopy::Outcome::kSourceMissing);
  EXPECT_FALSE(copy.load.has_value());  // no load echo name: the geometry is not taken twice

  PutFile(x_ + "ECHO_G.P3.TXT", "g");
  copy = CopyEchoFilesToPosition(data_, x_ + "ECHO_G.P3.TXT", "P3");
  EXPECT_TRUE(copy.geometry.copied());
  EXPECT_EQ(copy.load->outcome, EchoCopy::Outcome::kSourceMissing);
  EXPECT_EQ(copy.load->message.text(), "The file " + x_ + "ECHO_L.P3.TXT is missing");

  PutFile(x_ + "ECHO_G.P1.TXT", "g");
  copy = CopyEchoFilesToPosition(data_, x_ + "ECHO_G.P1.TXT", "A/B");
  EXPECT_EQ(copy.refused.text(), "A position name must not hold \"/\" or \"@\".");
  EXPECT_FALSE(plat::FolderExists(data_ + "SDIRA"));
}

TEST_F(EchoCopiesTest, AFailedWriteKeepsTheOldFile) {
  PutFile(x_ + "ECHO_G.P1.TXT", "new");
  PutFile(data_ + "SDIRP1/ECHO_G.P1.TXT", "old");
  ASSERT_TRUE(plat::MakeFolder(data_ + "SDIRP1/ECHO_G.P1.TXT~"));  // the work file cannot be made
  const EchoFilesCopy copy = CopyEchoFilesToPosition(data_, x_ + "ECHO_G.P1.TXT", "P1", ExistingTarget::kReplace);
  EXPECT_EQ(copy.geometry.outcome, EchoCopy::Outcome::kFailed);
  EXPECT_EQ(copy.geometry.message.text(), "The file " + data_ + "SDIRP1/ECHO_G.P1.TXT cannot be stored!");
  EXPECT_EQ(FileText(data_ + "SDIRP1/ECHO_G.P1.TXT"), "old");
}

}  // namespace
}  // namespace quentaris
