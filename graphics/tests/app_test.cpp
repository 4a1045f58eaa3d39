// The results viewer's application logic: its command line, the steps
// through the diary, the free-text files, the load-case switch, the frame
// sizes, the folder of Load a position and the Font's PSCALA bytes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "graphics/app/child_frame.h"
#include "graphics/app/font_dialog.h"
#include "graphics/app/free_texts.h"
#include "graphics/app/graph_command_line.h"
#include "graphics/app/load_case_switch.h"
#include "graphics/app/picture_menu.h"
#include "graphics/app/position_choice.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace revuzavi {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

void Write(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size())) << path;
}

std::string Entry(float x, float z, std::int32_t placed) {
  std::string bytes(12, '\0');
  std::memcpy(bytes.data(), &x, 4);
  std::memcpy(bytes.data() + 4, &z, 4);
  std::memcpy(bytes.data() + 8, &placed, 4);
  return bytes;
}

void SetTime(const std::string& path, fs::file_time_type time) { fs::last_write_time(path, time); }

TEST(ParseGraphCommandLine, TakesSuffixDataPathAndStartLoadCase) {
  struct Case {
    const char* line;
    bool ok;
    const char* ext;
    const char* path;
    int lc;
  };
  const Case cases[] = {
      {".0 @/d/", true, ".0", "/d/", 0},        {".0 @/d/ @12", true, ".0", "/d/", 12},
      {".0 @/d/ @x", true, ".0", "/d/", 0},     {".0@/d/", true, ".", "/d/", 0},
      {"", false, "", "", 0},                   {".0 /d/", false, "", "", 0},
  };
  for (const Case& c : cases) {
    const auto line = ParseGraphCommandLine(c.line);
    ASSERT_EQ(line.has_value(), c.ok) << c.line;
    if (!line) continue;
    EXPECT_EQ(line->ext, c.ext) << c.line;
    EXPECT_EQ(line->data_path, c.path) << c.line;
    EXPECT_EQ(line->start_load_case, c.lc) << c.line;
  }
}

TEST(StepLoadCaseList, StepsThroughTheDiaryAndStopsAtItsEnds) {
  common::LoadCaseDiary diary;
  diary.set_count(3);
  diary.set_load_case(1, 1);
  diary.set_load_case(2, 3);
  diary.set_load_case(3, 7);
  struct Case {
    int current, code, next, result;
  };
  const Case cases[] = {{3, 7, 7, 1},   {7, 7, 7, 0},   {1, 8, 1, 0},   {5, 7, 1, 1},   {5, 8, 5, 0},
                        {3, 199, 7, 1}, {3, 200, 7, 1}, {3, 207, 1, 1}, {3, 208, 1, 1}, {7, 8, 3, 1}};
  for (const Case& c : cases) {
    const LoadCaseStep step = StepLoadCaseList(diary, c.current, c.code);
    EXPECT_EQ(step.load_case, c.next) << c.current << " " << c.code;
    EXPECT_EQ(step.result, c.result) << c.current << " " << c.code;
  }
}

// A position folder with the PL file of load case 2 and the load case's counts.
class FreeTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.position = common::Position(plat::testing::TestFolder() + "data/", ".T");
    ASSERT_TRUE(plat::MakeFolder(state_.position.folder()));
    state_.settings.folder = plat::testing::TestFolder() + "settings";
    state_.settings.found = plat::MakeFolder(state_.settings.folder);
    state_.current_load_case = 2;
    state_.current_load_case_text = "02";
    state_.load_case_params.set_point_load_count(1);
    state_.load_case_params.set_line_load_record_count(1);
    state_.params.set_element_count(2);
    Write(pl(), std::string(400, '\0'));
    reference_ = fs::last_write_time(pl());
  }
  std::string pl() const { return state_.position.LoadCaseFile(common::file_names::kLoadCaseParams, 2); }
  std::string file(const char* base) const { return FreeTextFile(state_, base); }

  ViewerState state_;
  LabelTables labels_;
  fs::file_time_type reference_;
};

TEST_F(FreeTexts, AnEntryIsTwelveBytesXZAndPlaced) {
  labels_.point_loads.Move(1, 1.5f, -2.25f);
  SaveFreeTexts(state_, labels_);
  EXPECT_EQ(Bytes(file("TEXTPUNKT")), std::string("\x00\x00\xC0\x3F\x00\x00\x10\xC0\x01\x00\x00\x00", 12));
  EXPECT_EQ(Bytes(file("TEXTLINE")).size(), 24u);
  EXPECT_FALSE(plat::FileExists(file("TEXTTEMP")));  // no temperature loads
}

TEST_F(FreeTexts, PlacesNewerThanTheLoadCaseAreReadOlderOnesAreStale) {
  const std::string point = file("TEXTPUNKT");
  Write(point, Entry(4.0f, 5.0f, 1));
  SetTime(point, reference_ + std::chrono::milliseconds(1));
  ReadFreeTexts(state_, labels_);
  EXPECT_EQ(labels_.point_loads.At(1).x, 4.0f);
  EXPECT_EQ(labels_.point_loads.At(1).placed, 1);

  LabelTables stale;
  SetTime(point, reference_);
  ReadFreeTexts(state_, stale);
  EXPECT_EQ(stale.point_loads.At(1).placed, 0);

  Write(common::JoinSettingsPath(state_.settings, "GETTEXTS"), "");
  LabelTables forced;
  ReadFreeTexts(state_, forced);
  EXPECT_EQ(forced.point_loads.At(1).x, 4.0f);
  EXPECT_EQ(forced.point_loads.At(1).placed, 1);
  plat::RemoveFile(common::JoinSettingsPath(state_.settings, "GETTEXTS"));
}

TEST_F(FreeTexts, EntriesBeyondAShortFileAreUnplaced) {
  const std::string line = file("TEXTLINE");
  Write(line, Entry(1.0f, 1.0f, 1));  // two entries are due
  SetTime(line, reference_ + std::chrono::seconds(1));
  labels_.loads.Move(2, 9.0f, 9.0f);
  ReadFreeTexts(state_, labels_);
  EXPECT_EQ(labels_.loads.At(1).placed, 1);
  EXPECT_EQ(labels_.loads.At(2).placed, 0);
}

TEST_F(FreeTexts, TemperaturePlacesAreReadAtAnyAge) {
  state_.load_case_params.set_temperature_flag(1);
  const std::string temp = file("TEXTTEMP");
  Write(temp, Entry(2.0f, 3.0f, 1) + Entry(6.0f, 7.0f, 1));
  SetTime(temp, reference_ - std::chrono::hours(1));
  ReadFreeTexts(state_, labels_);
  EXPECT_EQ(labels_.temperatures.At(2).x, 6.0f);
  EXPECT_EQ(labels_.temperatures.At(2).placed, 1);
}

TEST_F(FreeTexts, SwitchingFromLoadCaseZeroSavesNothingAndMissingResultsAreZeros) {
  state_.current_load_case = 0;
  state_.results_present = true;
  state_.displacements[1] = 5.0;
  state_.diary.set_count(1);
  state_.diary.set_load_case(1, 2);
  const std::string ut8 = state_.position.LoadCaseFile(common::file_names::kDisplacements, 2);
  Write(ut8, std::string(8000, '\x01'));  // under 8008 bytes: no results, and the file is named
  plat::testing::MessageBoxScript boxes;
  const int switched = SwitchLoadCase(state_, labels_, 2);
  EXPECT_EQ(switched, 0);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "The file " + ut8 + " is damaged: it holds 8000 bytes instead of 8008.");
  EXPECT_TRUE(state_.no_results);
  EXPECT_EQ(state_.displacements[1], 0.0);
  EXPECT_EQ(plat::ListFolder(state_.position.folder(), "TEXT*").size(), 0u);
  EXPECT_FALSE(PictureMenuEnabling(state_)[5]);

  Write(ut8, std::string(8008, '\0'));
  EXPECT_EQ(SwitchLoadCase(state_, labels_, 2), 1);
  EXPECT_FALSE(state_.no_results);
  EXPECT_TRUE(PictureMenuEnabling(state_)[5]);
}

TEST(ChildFrameSize, IsTheScreenBy1Point2AndNarrowBy1Point8) {
  EXPECT_EQ(ChildFrameSize(800, 800, false), (plat::Size{666, 666}));
  EXPECT_EQ(ChildFrameSize(800, 800, true), (plat::Size{444, 666}));
}

TEST(PositionOfFolder, TakesTheDataPathAndNameAroundTheLastSdir) {
  struct Case {
    const char* folder;
    bool ok;
    const char* path;
    const char* ext;
  };
  const Case cases[] = {{"/d/SDIRPORTAL", true, "/d/", ".PORTAL"},
                        {"/d/sdirA/x/SdirB2", true, "/d/sdirA/x/", ".B2"},
                        {"/d/SDIRPORTAL/", true, "/d/", ".PORTAL"},
                        {"/d/data2", false, "", ""},
                        {"/d/SDIR", false, "", ""}};
  for (const Case& c : cases) {
    const auto chosen = PositionOfFolder(c.folder);
    ASSERT_EQ(chosen.has_value(), c.ok) << c.folder;
    if (!chosen) continue;
    EXPECT_EQ(chosen->data_path, c.path) << c.folder;
    EXPECT_EQ(chosen->ext, c.ext) << c.folder;
  }
}

TEST(StoreFontScale, ChangesBytes80To87AndKeepsTheRest) {
  common::SettingsContext settings{plat::testing::TestFolder() + "font", true};
  ASSERT_TRUE(plat::MakeFolder(settings.folder));
  std::string pscala(104, '\0');
  for (std::size_t i = 0; i < pscala.size(); ++i) pscala[i] = static_cast<char>(i + 1);
  const std::string path = common::JoinSettingsPath(settings, "PSCALA");
  Write(path, pscala);
  ASSERT_TRUE(StoreFontScale(settings, *ChoiceNumber("0,5")));
  const std::string after = Bytes(path);
  ASSERT_EQ(after.size(), 104u);
  EXPECT_EQ(after.substr(80, 8), std::string("\x00\x00\x00\x00\x00\x00\xE0\x3F", 8));
  EXPECT_EQ(after.substr(0, 80), pscala.substr(0, 80));
  EXPECT_EQ(after.substr(88), pscala.substr(88));
}

TEST(ChoiceNumber, ReadsACommaAsAPointAndNothingElse) {
  EXPECT_EQ(ChoiceNumber("12,5"), 12.5);
  EXPECT_EQ(ChoiceNumber(" 0.5 "), 0.5);
  EXPECT_EQ(ChoiceNumber("x"), std::nullopt);
  EXPECT_EQ(ChoiceNumber(""), std::nullopt);
}

}  // namespace
}  // namespace revuzavi
