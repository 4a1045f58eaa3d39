// The solver job of the start dialog's table: BATCH, EXTV, EXTR and the ZEDIR start.
#include "shell/job/solver_start.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "platform/process.h"
#include "shell/job/position_archive.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::SettingsFolder;

class SolverStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plat::MakeFolder(SettingsFolder()));
    state_.settings = common::SettingsContext::Discover();
    UsePosition("A1");
  }
  void UsePosition(const std::string& name) {
    state_.data_path = plat::testing::TestFolder() + "data/";
    state_.position_name = name;
    state_.position_ext = "." + name;
    state_.position_folder = state_.data_path + "SDIR" + name + "/";
    ASSERT_TRUE(plat::MakeFolder(state_.position_folder));
  }
  std::string Batch() const { return FileText(state_.position_folder + "BATCH" + state_.position_ext); }
  std::string Setting(const std::string& name) const { return FileText(SettingsFolder() + "/" + name); }

  ShellState state_;
  plat::testing::MessageBoxScript boxes_;
  plat::testing::ProcessRecorder starts_;
};

TEST_F(SolverStartTest, TheTableBecomesTheJobAndZedirStarts) {
  EXPECT_TRUE(StartSolverJob(state_, {"1", "", "3", "abc", "0", "7"}));
  std::string batch(1820, '\0');
  batch[0] = 3;
  batch[3] = 1;
  batch[4] = 3;
  batch[5] = 7;
  EXPECT_EQ(Batch(), batch);
  EXPECT_EQ(Setting("EXTV"), std::string("\xA0\x00\x00\x00\x03.A1", 8));
  std::string extr(241, '\0');
  extr.replace(0, 3, ".A1");
  EXPECT_EQ(Setting("EXTR"), extr);
  ASSERT_EQ(starts_.calls().size(), 1u);
  EXPECT_EQ(starts_.calls()[0].kind, plat::hooks::ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(starts_.calls()[0].program, plat::SiblingProgram("ZEDIR"));
  EXPECT_TRUE(starts_.calls()[0].args.empty());
  EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(SolverStartTest, TheChecksumAddsSignedCharacters) {
  EXPECT_EQ(CPosition(".A1").Serialize(), std::string("\xA0\x00\x00\x00\x03.A1", 8));
  // 46 - 60 + 49 = 35: C4 counts as -60.
  EXPECT_EQ(CPosition(".\xC4" "1").Serialize(), std::string("\x23\x00\x00\x00\x03.\xC4" "1", 8));
  UsePosition("\xC4" "1");
  EXPECT_TRUE(StartSolverJob(state_, {"2"}));
  EXPECT_EQ(Setting("EXTV"), std::string("\x23\x00\x00\x00\x03.\xC4" "1", 8));
}

TEST_F(SolverStartTest, RefusedTablesWriteAndStartNothing) {
  struct Case {
    std::vector<std::string> rows;
    std::string text;
    std::string caption;
  };
  const Case cases[] = {
      {{"", "", "0", "abc"}, "No analysis because no loads.", "Attention"},
      {{"1", "300"}, "Row 2: load case 300 lies outside 1..99.", "Attention"},
      {{"", "", "256"}, "Row 3: load case 256 lies outside 1..99.", "Attention"},
      {{"-4"}, "Row 1: load case -4 lies outside 1..99.", "Attention"},
      {{"99999999999999999999"}, "Row 1: load case 9223372036854775807 lies outside 1..99.", "Attention"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(StartSolverJob(state_, c.rows));
    ASSERT_FALSE(boxes_.shown().empty());
    EXPECT_EQ(boxes_.shown().back().text, c.text);
    EXPECT_EQ(boxes_.shown().back().caption, c.caption);
  }
  EXPECT_EQ(Batch(), "(missing)");
  EXPECT_EQ(Setting("EXTV"), "(missing)");
  EXPECT_EQ(Setting("EXTR"), "(missing)");
  EXPECT_TRUE(starts_.calls().empty());
}

TEST_F(SolverStartTest, AnExtvThatCannotBeMadeStopsBeforeZedir) {
  ASSERT_TRUE(plat::MakeFolder(SettingsFolder() + "/EXTV"));
  EXPECT_FALSE(StartSolverJob(state_, {"4"}));
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(boxes_.shown()[0].text, " ");
  EXPECT_EQ(boxes_.shown()[0].caption, "Kann Datei EXTV nicht anlegen");
  EXPECT_EQ(Setting("EXTR"), "(missing)");
  EXPECT_TRUE(starts_.calls().empty());
}

TEST_F(SolverStartTest, AFailedStartShowsTheSystemText) {
  starts_.FailNext("No such file or directory");
  EXPECT_FALSE(StartSolverJob(state_, {"4"}));
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(boxes_.shown()[0].text, "No such file or directory");
  EXPECT_EQ(boxes_.shown()[0].caption, "ZEDIR.EXE");
  EXPECT_EQ(boxes_.shown()[0].flags, plat::MB_OK | plat::MB_ICONINFORMATION);
}

TEST_F(SolverStartTest, AJobThatCannotBeWrittenStartsNothing) {
  ASSERT_TRUE(plat::MakeFolder(state_.position_folder + "BATCH.A1"));
  EXPECT_FALSE(StartSolverJob(state_, {"4"}));
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_NE(boxes_.shown()[0].text.find("BATCH.A1"), std::string::npos);
  EXPECT_EQ(Setting("EXTV"), "(missing)");
  EXPECT_TRUE(starts_.calls().empty());
}

}  // namespace
}  // namespace quentaris
