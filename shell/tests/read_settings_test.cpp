#include "shell/settings/read_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>

#include "common/settings_files.h"
#include "shell/settings/position_files.h"
#include "shell/settings/write_settings.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;
using testing::PutSetting;
using testing::SettingsFolder;

std::string Block(std::string_view text) {
  std::string block(241, '\0');
  std::memcpy(block.data(), text.data(), text.size());
  return block;
}

TEST(ReadSettings, AFreshSettingsFolderIsCreatedWithTheDefaults) {
  ASSERT_FALSE(plat::FolderExists(SettingsFolder()));
  ShellState state;
  ReadSettings(state);
  EXPECT_TRUE(plat::FolderExists(SettingsFolder()));
  EXPECT_TRUE(state.settings.found);
  EXPECT_EQ(state.position_name, "0");
  EXPECT_EQ(state.position_ext, ".0");
  EXPECT_EQ(state.data_path, SettingsFolder() + "/");
  EXPECT_EQ(FileText(SettingsFolder() + "/DPATH"), Block(SettingsFolder() + "/"));
  EXPECT_TRUE(state.data_path_is_settings_folder);
  EXPECT_EQ(state.position_folder, SettingsFolder() + "/SDIR0/");
  EXPECT_EQ(FileText(SettingsFolder() + "/EXTR"), "(missing)");  // nothing written
}

TEST(ReadSettings, PositionAndDataPathFromTheirFiles) {
  PutSetting("EXTR", Block(".Bridge"));
  PutSetting("DPATH", Block("/d/x"));
  ShellState state;
  ReadSettings(state);
  EXPECT_EQ(state.position_name, "Bridge");
  EXPECT_EQ(state.position_ext, ".Bridge");
  EXPECT_EQ(state.data_path, "/d/x/");
  EXPECT_EQ(state.position_folder, "/d/x/SDIRBridge/");
  EXPECT_FALSE(state.data_path_is_settings_folder);
  EXPECT_EQ(FileText(SettingsFolder() + "/DPATH"), Block("/d/x"));  // kept as it was
}

TEST(ReadSettings, TheExtensionFile) {
  struct Case {
    std::string extr;
    std::string name;
    std::string ext;
    std::string folder;
  };
  const Case cases[] = {
      {Block(""), "", "", ""},                      // empty: no position
      {Block("."), "", "", ""},                     // a dot alone: no position
      {Block("A1"), "A1", ".A1", "/d/SDIRA1/"},     // only a dot is dropped
      {".K", "K", ".K", "/d/SDIRK/"},               // a short file
  };
  for (const Case& c : cases) {
    PutSetting("EXTR", c.extr);
    PutSetting("DPATH", Block("/d/"));
    ShellState state;
    ReadSettings(state);
    EXPECT_EQ(state.position_name, c.name) << c.extr.c_str();
    EXPECT_EQ(state.position_ext, c.ext) << c.extr.c_str();
    EXPECT_EQ(state.position_folder, c.folder) << c.extr.c_str();
    EXPECT_EQ(state.has_position(), !c.name.empty());
  }
}

TEST(ReadSettings, ANameThatLeavesTheDataPathIsNoPosition) {
  for (const std::string extr : {"./../", ".a/b", "...", ".x@y"}) {
    PutSetting("EXTR", Block(extr));
    PutSetting("DPATH", Block("/d/"));
    ShellState state;
    ReadSettings(state);
    EXPECT_FALSE(state.has_position()) << extr;
    EXPECT_EQ(state.position_folder, "") << extr;
    const common::Result loaded = LoadPosition(state);
    ASSERT_FALSE(loaded.ok()) << extr;
    EXPECT_EQ(loaded.text().rfind("The position \"" + extr.substr(1) + "\" of " + SettingsFolder() + "/EXTR is refused: ",
                                  0),
              0u)
        << loaded.text();
  }
}

TEST(ReadSettings, AnUnusableSettingsFolderIsNamedAndNothingIsWrittenElsewhere) {
  PutFile(SettingsFolder(), "a file where the folder belongs");
  const std::string here = plat::testing::TestFolder() + "here/";
  ASSERT_TRUE(plat::MakeFolder(here));
  testing::InTestFolder in_test_folder;
  std::filesystem::current_path(here);
  ShellState state;
  ReadSettings(state);
  EXPECT_FALSE(state.settings.found);
  const common::Result problem = SettingsFolderProblem(state);
  ASSERT_FALSE(problem.ok());
  EXPECT_NE(problem.text().find(SettingsFolder()), std::string::npos) << problem.text();
  EXPECT_FALSE(WritePositionSetting(state));
  EXPECT_TRUE(std::filesystem::is_empty(here));  // no DPATH, no EXTR beside the program
  EXPECT_EQ(FileText(SettingsFolder()), "a file where the folder belongs");
}

TEST(WriteSettings, PositionAndDataPathAreReadBack) {
  ShellState state;
  ReadSettings(state);
  state.position_name = "Hall";
  state.position_ext = ".Hall";
  state.data_path = "/e/data/";
  ASSERT_TRUE(WritePositionSetting(state));
  ASSERT_TRUE(WriteDataPathSetting(state));
  EXPECT_EQ(FileText(SettingsFolder() + "/EXTR"), Block(".Hall"));
  ShellState read;
  ReadSettings(read);
  EXPECT_EQ(read.position_folder, "/e/data/SDIRHall/");
}

TEST(ReadSettings, TheSettingsFolderAsDataPathIsFlagged) {
  PutSetting("DPATH", Block(SettingsFolder() + "/"));
  ShellState state;
  ReadSettings(state);
  EXPECT_TRUE(state.data_path_is_settings_folder);

  PutSetting("DPATH", Block(SettingsFolder()));  // without the final "/"
  ReadSettings(state);
  EXPECT_TRUE(state.data_path_is_settings_folder);
  EXPECT_EQ(state.data_path, SettingsFolder() + "/");

  PutSetting("DPATH", Block(""));  // empty: as missing, written anew
  ReadSettings(state);
  EXPECT_TRUE(state.data_path_is_settings_folder);
  EXPECT_EQ(FileText(SettingsFolder() + "/DPATH"), Block(SettingsFolder() + "/"));
}

TEST(OpenPositionFile, JoinsThePartsAndReportsARequiredFile) {
  const std::string data = plat::testing::TestFolder() + "d/x/";
  PutFile(data + "SDIRBridge/PARAMR.Bridge", "params");
  PutSetting("EXTR", Block(".Bridge"));
  PutSetting("DPATH", Block(plat::testing::TestFolder() + "d/x"));
  ShellState state;
  ReadSettings(state);

  auto opened = OpenPositionFile("rb", true, state.position_folder, "PARAMR", state.position_ext);
  ASSERT_TRUE(opened.ok());
  ASSERT_NE(opened->get(), nullptr);
  char text[7] = {};
  EXPECT_EQ(std::fread(text, 1, 6, opened->get()), 6u);
  EXPECT_STREQ(text, "params");

  auto missing = OpenPositionFile("rb", true, state.position_folder, "NODES", state.position_ext);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.failure().text(), "The file " + data + "SDIRBridge/NODES.Bridge is missing");

  auto optional = OpenPositionFile("rt", false, data + "SDIRBridge/NODES.Bridge");
  ASSERT_TRUE(optional.ok());
  EXPECT_EQ(optional->get(), nullptr);

  auto written = OpenPositionFile("wt", true, state.position_folder, "NOTE");
  ASSERT_TRUE(written.ok());
  EXPECT_NE(written->get(), nullptr);
}

TEST(EnsureFileExists, NamesTheMissingFile) {
  const std::string path = plat::testing::TestFolder() + "GEOMETRY.A1";
  EXPECT_EQ(EnsureFileExists(path).text(), "The file " + path + " is missing");
  PutFile(path, "\x01\0\0\0");
  EXPECT_TRUE(EnsureFileExists(path).ok());
}

class LoadPositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_ = plat::testing::TestFolder() + "d/";
    PutSetting("EXTR", Block(".A1"));
    PutSetting("DPATH", Block(data_));
    ReadSettings(state_);
  }
  std::string data_;
  ShellState state_;
};

TEST_F(LoadPositionTest, PrintScalesAreReadOnTheFirstRunOnly) {
  ASSERT_TRUE(LoadPosition(state_).ok());
  EXPECT_TRUE(state_.print_scales_read);
  EXPECT_EQ(state_.print_scales.block.text_scale(), 1.0);  // missing: the defaults
  EXPECT_EQ(state_.print_scales.second_factor, 1.0f);

  common::PrintScalesSettings changed;
  changed.block.set_text_scale(2.0);
  changed.second_factor = 3.0f;
  ASSERT_TRUE(common::WritePrintScalesSettings(SettingsFolder() + "/PSCALA", changed));
  ASSERT_TRUE(LoadPosition(state_).ok());
  EXPECT_EQ(state_.print_scales.block.text_scale(), 1.0);  // not read again

  ShellState fresh = state_;
  fresh.print_scales_read = false;
  ASSERT_TRUE(LoadPosition(fresh).ok());
  EXPECT_EQ(fresh.print_scales.block.text_scale(), 2.0);
  EXPECT_EQ(fresh.print_scales.second_factor, 3.0f);
}

TEST_F(LoadPositionTest, PenWidthOfPRDB) {
  struct Case {
    std::optional<std::int32_t> stored;
    int read;
  };
  const Case cases[] = {{std::nullopt, 1}, {0, 0}, {10, 10}, {11, 1}, {-1, 1}};
  for (const Case& c : cases) {
    plat::RemoveFile(SettingsFolder() + "/PRDB");
    if (c.stored) {
      ASSERT_TRUE(common::WriteInt32File(SettingsFolder() + "/PRDB", *c.stored));
    }
    ASSERT_TRUE(LoadPosition(state_).ok());
    EXPECT_EQ(state_.pen_width, c.read) << c.stored.value_or(-99);
  }
}

TEST_F(LoadPositionTest, TheDiaryOfThePosition) {
  ASSERT_TRUE(LoadPosition(state_).ok());
  EXPECT_EQ(state_.diary.count(), 0);  // none yet

  common::LoadCaseDiary diary;
  diary.set_count(2);
  diary.set_load_case(1, 1);
  diary.set_load_case(2, 7);
  const std::string path = data_ + "SDIRA1/DIARY.A1";
  PutFile(path, std::string(reinterpret_cast<const char*>(diary.bytes().data()), diary.bytes().size()));
  ASSERT_TRUE(LoadPosition(state_).ok());
  EXPECT_EQ(state_.diary.count(), 2);
  EXPECT_EQ(state_.diary.load_case(2), 7);

  diary.set_count(100);
  PutFile(path, std::string(reinterpret_cast<const char*>(diary.bytes().data()), diary.bytes().size()));
  const common::Result damaged = LoadPosition(state_);
  ASSERT_FALSE(damaged.ok());
  EXPECT_NE(damaged.text().find(path), std::string::npos);
  EXPECT_EQ(state_.diary.count(), 0);

  PutFile(path, "short");
  EXPECT_FALSE(LoadPosition(state_).ok());
}

TEST_F(LoadPositionTest, ADamagedFrameBlockOrExtentsIsNamedAndNothingIsDrawnFromIt) {
  const std::string folder = data_ + "SDIRA1/";
  const std::string whole_params(744, '\0');
  const std::string extents = std::string("\0\0\0\0\0\0\0\0\0\0\xa0\x41\0\0\x20\x41", 16);  // 0 0 20 10
  struct Case {
    std::string params;
    std::optional<std::string> extents;
    std::string damaged;  // the file named, empty when whole
  };
  const Case cases[] = {
      {"", extents, "PARAMR.A1"},
      {"short", extents, "PARAMR.A1"},
      {whole_params, "", "EXTENSIOR.A1"},
      {whole_params, extents.substr(0, 12), "EXTENSIOR.A1"},
      {whole_params, std::nullopt, ""},  // missing extents: the defaults
      {whole_params, extents, ""},
  };
  for (const Case& c : cases) {
    PutFile(folder + "PARAMR.A1", c.params);
    plat::RemoveFile(folder + "EXTENSIOR.A1");
    if (c.extents) PutFile(folder + "EXTENSIOR.A1", *c.extents);
    const common::Result loaded = LoadPosition(state_);
    if (c.damaged.empty()) {
      EXPECT_TRUE(loaded.ok()) << loaded.text();
      EXPECT_FALSE(state_.frame.damaged);
      continue;
    }
    ASSERT_FALSE(loaded.ok()) << c.damaged;
    EXPECT_EQ(loaded.text().rfind("The file " + folder + c.damaged + " is damaged: ", 0), 0u) << loaded.text();
    EXPECT_TRUE(state_.frame.damaged) << c.damaged;
  }
}

TEST_F(LoadPositionTest, ReadsThePositionList) {
  PutSetting("LISTP.TXT", "A1\r\n/d\r\nB2\r\n/e\r\n");
  ASSERT_TRUE(LoadPosition(state_).ok());
  ASSERT_EQ(state_.positions.entries.size(), 2u);
  EXPECT_EQ(state_.positions.entries[1], (PositionList::Entry{"B2", "/e"}));
}

}  // namespace
}  // namespace quentaris
