// Load from Archive over a computed position, through the real shell: the Yes
// to "Overwrite the exsisting position" takes the old model's results and
// listings with it, so that the results viewer's code draws the moments of
// the new model once it is computed, never those of the old one.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "common/settings.h"
#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "tests/e2e/e2e_positions.h"

namespace {

namespace fs = std::filesystem;
using e2e::ReadBytes;

// BEAM2 with its second span 8 m long instead of 6 m.
std::string LongerSecondSpan(std::string echo) {
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"2 6.00 0.00 12.00 0.00", "2 6.00 0.00 14.00 0.00"},
                                 {"3 12.00 0.00 ", "3 14.00 0.00 "}}) {
    const std::size_t at = echo.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) echo.replace(at, from.size(), to);
  }
  return echo;
}

// The moment picture of load case 1 as a PNG file's bytes.
std::string MomentPicture(const common::Position& position, const std::string& file) {
  const auto run = plat::testing::RunProgram(
      "picture-position", {position.data_path(), position.name(), "1", "M", plat::testing::TestFolder() + file});
  EXPECT_EQ(run.exit_code, 0) << run.start_error << run.messages;
  return ReadBytes(plat::testing::TestFolder() + file);
}

bool WaitWhileLocked(const std::string& folder) {
  for (int i = 0; i < 600; ++i) {
    if (!fs::exists(folder + "ZEDIRLOCK.BEAM2")) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

// QUENTARIS run unattended on the position BEAM2 of `data_path`: Load from
// Archive of `echo_g`, Yes to overwriting it, KELMF scripted to Store, then End.
plat::testing::ScriptedProgramRun LoadFromArchive(const std::string& data_path, const std::string& echo_g) {
  const common::SettingsContext settings = common::SettingsContext::Discover();
  EXPECT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(settings, "DPATH"), data_path));
  EXPECT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(settings, "EXTR"), ".BEAM2"));
  const std::string answers = plat::testing::TestFolder() + "answers.txt";
  EXPECT_TRUE(plat::WriteBlock(answers, "Yes\n", 4));
  plat::testing::WriteScript("KELMF", "command 57603\n");
  return plat::testing::RunScript(plat::testing::BinFolder() + "QUENTARIS", {},
                                  "command 33788\nfile " + echo_g + "\ncommand 57665\n",
                                  {{"PLAT_SCRIPT_IDLE_S", "60"}, {"PLAT_ANSWERS", answers}});
}

TEST(ShellArchive, ALoadedModelReplacesTheResultsOfTheOldOne) {
  const common::Position old_model = e2e::ComputedExample("BEAM2");
  const std::string old_picture = MomentPicture(old_model, "old.png");
  ASSERT_FALSE(old_picture.empty());
  const std::string echo_g = LongerSecondSpan(e2e::ExampleText("ECHO_G", "BEAM2"));
  const std::string echo_l = e2e::ExampleText("ECHO_L", "BEAM2");

  // The new model computed afresh elsewhere: the moments it must show.
  const std::string fresh_data = plat::testing::TestFolder() + "fresh/";
  const common::Position fresh(fresh_data, ".BEAM2");
  ASSERT_TRUE(common::EnsurePositionFolder(fresh));
  ASSERT_TRUE(plat::WriteBlock(fresh.TextFile("ECHO_G"), echo_g.data(), echo_g.size()));
  ASSERT_TRUE(plat::WriteBlock(fresh.TextFile("ECHO_L"), echo_l.data(), echo_l.size()));
  ASSERT_EQ(e2e::ComputePosition(fresh).exit_code, 0);
  const std::string fresh_picture = MomentPicture(fresh, "fresh.png");
  ASSERT_NE(fresh_picture, old_picture);

  // The archive holds the new model's echo texts under the same name.
  const std::string archive = plat::testing::TestFolder() + "archive/";
  fs::create_directories(archive);
  ASSERT_TRUE(plat::WriteBlock(archive + "ECHO_G.BEAM2.TXT", echo_g.data(), echo_g.size()));
  ASSERT_TRUE(plat::WriteBlock(archive + "ECHO_L.BEAM2.TXT", echo_l.data(), echo_l.size()));

  const auto run = LoadFromArchive(old_model.data_path(), archive + "ECHO_G.BEAM2.TXT");
  EXPECT_EQ(run.exit_code, 0) << run.start_error << run.messages << run.log_text();
  EXPECT_EQ(run.messages,
            "Position exists\tOverwrite the exsisting position BEAM2 ?\n"
            "Ready\tFrame and loads have been reinstalled.\n")
      << run.log_text();
  const std::string folder = old_model.folder();
  ASSERT_TRUE(WaitWhileLocked(folder));
  EXPECT_EQ(ReadBytes(folder + "ECHO_G.BEAM2.TXT"), echo_g);
  // Nothing of the old model's results is left to be drawn.
  for (const char* file : {"UT801.BEAM2", "U01.BEAM2", "KLAGER01.BEAM2", "M01E1.BEAM2", "V01E2.BEAM2"}) {
    EXPECT_FALSE(fs::exists(folder + file)) << file;
  }
  ASSERT_EQ(e2e::ComputePosition(old_model).exit_code, 0);
  EXPECT_EQ(MomentPicture(old_model, "replaced.png"), fresh_picture);
}

// Load from Archive over a position of five load cases: an archive with a load echo text of one
// load case leaves that one (the load editor's rebuild keeps no load case of the old model), an
// archive without a load echo text leaves none.
TEST(ShellArchive, ALoadedModelHoldsOnlyItsOwnLoadCases) {
  const common::Position position = e2e::ComputedExample("BEAM2");
  const std::string folder = position.folder();
  for (const char* file : {"DIARY.BEAM2", "PL01.BEAM2", "PL05.BEAM2"}) ASSERT_TRUE(fs::exists(folder + file)) << file;
  const std::string echo_g = LongerSecondSpan(e2e::ExampleText("ECHO_G", "BEAM2"));
  const std::string all_loads = e2e::ExampleText("ECHO_L", "BEAM2");
  const std::string one_load = all_loads.substr(0, all_loads.find("LC 2\r\n"));
  ASSERT_LT(one_load.size(), all_loads.size());

  struct Case {
    std::string archive;
    std::string loads;  // none when empty
    std::string done;
    std::vector<std::string> load_cases;  // the PL files left
  };
  const Case cases[] = {
      {"one/", one_load, "Frame and loads have been reinstalled.", {"PL01.BEAM2"}},
      {"none/", "", "Frame has been reinstalled.", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.archive);
    const std::string archive = plat::testing::TestFolder() + c.archive;
    fs::create_directories(archive);
    ASSERT_TRUE(plat::WriteBlock(archive + "ECHO_G.BEAM2.TXT", echo_g.data(), echo_g.size()));
    if (!c.loads.empty()) {
      ASSERT_TRUE(plat::WriteBlock(archive + "ECHO_L.BEAM2.TXT", c.loads.data(), c.loads.size()));
    }
    const auto run = LoadFromArchive(position.data_path(), archive + "ECHO_G.BEAM2.TXT");
    EXPECT_EQ(run.exit_code, 0) << run.start_error << run.messages << run.log_text();
    EXPECT_EQ(run.messages, "Position exists\tOverwrite the exsisting position BEAM2 ?\nReady\t" + c.done + "\n")
        << run.log_text();
    ASSERT_TRUE(WaitWhileLocked(folder));
    std::vector<std::string> left;
    for (int k = 1; k <= 5; ++k) {
      const std::string file = "PL0" + std::to_string(k) + ".BEAM2";
      if (fs::exists(folder + file)) left.push_back(file);
    }
    EXPECT_EQ(left, c.load_cases);
    EXPECT_EQ(fs::exists(folder + "DIARY.BEAM2"), !c.loads.empty());
    const std::string echo_l = ReadBytes(folder + "ECHO_L.BEAM2.TXT");
    if (c.loads.empty()) {
      EXPECT_FALSE(fs::exists(folder + "ECHO_L.BEAM2.TXT"));
    } else {
      EXPECT_NE(echo_l.find("LC 1\r\n"), std::string::npos) << echo_l;
      EXPECT_EQ(echo_l.find("LC 2\r\n"), std::string::npos) << echo_l;
    }
  }
}

}  // namespace
