#include "shell/positions/reset_position.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

#include "common/records/frame_params.h"
#include "common/records/load_case_diary.h"
#include "shell/positions/history.h"
#include "shell/positions/load_case_files.h"
#include "shell/positions/reset_outputs.h"
#include "platform/testing/write_faults.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;

template <class T>
std::string BytesOf(const T& value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string Record(const auto& record) {
  return std::string(reinterpret_cast<const char*>(record.bytes().data()), record.bytes().size());
}

std::string Int16s(std::initializer_list<std::int16_t> values) {
  std::string bytes;
  for (std::int16_t v : values) bytes += BytesOf(v);
  return bytes;
}

const std::string kFiles =
    "              D1                                Dimensions\r\n"
    "              D2                                Load cases       \r\n"
    "              D3        1                   Results \r\n"
    "              D4        1                   Nodal Displacements \r\n";
const std::string kPictures = "              G1.jpg    Moments LC 1\r\n";

class ResetPositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    common::LoadCaseDiary diary;
    diary.set_count(2);
    diary.set_load_case(1, 1);
    diary.set_load_case(2, 5);
    Put("DIARY.A1", Record(diary));
    common::FrameParams params;
    params.set_element_result_file_count(2);
    Put("PARAMR.A1", Record(params));
    Put("PARAM00.A1", Record(common::FrameParams{}));
    for (const char* name : {"KOMBI_1.A1", "BF1_X.A1", "LOX3.A1", "BATCH.A1", "RHSIN", "UT801.A1", "UT805.A1",
                             "ASG05.TXT", "SUPHIST", "BF11.A1", "BF21.A1", "FEBP1.A1", "FEBP2.A1"}) {
      Put(name, "result");
    }
    Put("SUPCOUNT", Int16s({1}));
    for (const char* name : {"NODES.A1", "ELEMENTS.A1", "PL01.A1", "PL05.A1", "ECHO_G.A1.TXT", "ECHO_L.A1.TXT",
                             "D1.TXT", "D2.TXT", "D3.TXT", "D4.TXT", "D4.PDF", "G1.jpg"}) {
      Put(name, name);
    }
    Put("FILES", kFiles);
    Put("LASTD", Int16s({4}));
    Put("CLIP.A1", BytesOf(std::int32_t{1}));
    Put("GRAPHICFILES.TXT", kPictures);
    common::HistoryRecord kept;
    kept.set_time(1700000000);
    kept.set_text("Input LC 1");
    common::HistoryRecord dropped = kept;
    dropped.set_flag(1);
    Put("TTABLE", Record(kept) + Record(dropped));
    Put("PAGENR", Int16s({7, 3, 2, 1}));
  }

  void Put(const std::string& name, std::string_view bytes) { PutFile(folder_ + name, bytes); }
  bool Has(const std::string& name) const { return plat::FileExists(folder_ + name); }
  std::string Text(const std::string& name) const { return FileText(folder_ + name); }

  common::Position position_{plat::testing::TestFolder() + "d/", ".A1"};
  std::string folder_ = position_.folder();
  plat::testing::FakeClock clock_{1796731200};
};

TEST_F(ResetPositionTest, ResultsGoInputsStay) {
  // The solver's and the viewer's results by their own names: reactions, curves, state lines.
  const std::vector<std::string> computed = {"KLAGER01.A1", "U01.A1",   "RHSG05",       "ENERGIES01.TXT",
                                             "M01E3.A1",    "V05E12.A1", "NSOURCE1ELM201", "MSTAB105", "S301"};
  for (bool delete_outputs : {true, false}) {
    SetUp();
    for (const std::string& name : computed) Put(name, "result");
    const ResetReport report = ResetPosition(position_, delete_outputs);
    EXPECT_TRUE(report.ok()) << report.problems.front().text();
    for (const std::string& name : computed) EXPECT_FALSE(Has(name)) << name << " " << delete_outputs;
    for (const char* name : {"KOMBI_1.A1", "BF1_X.A1", "LOX3.A1", "BATCH.A1", "RHSIN", "UT801.A1", "UT805.A1",
                             "ASG05.TXT", "SUPCOUNT", "SUPHIST", "BF11.A1", "BF21.A1", "FEBP1.A1", "FEBP2.A1"}) {
      EXPECT_FALSE(Has(name)) << name << " " << delete_outputs;
    }
    for (const char* name : {"PARAMR.A1", "PARAM00.A1", "NODES.A1", "ELEMENTS.A1", "DIARY.A1", "PL01.A1", "PL05.A1",
                             "ECHO_G.A1.TXT", "ECHO_L.A1.TXT", "D1.TXT", "D2.TXT"}) {
      EXPECT_TRUE(Has(name)) << name << " " << delete_outputs;
    }
    EXPECT_EQ(Text("PAGENR"), std::string("\x01\x00\x01\x00\x02\x00\x01\x00", 8));
    const auto history = ReadHistory(folder_ + "TTABLE");
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].text(), "Input LC 1");
    EXPECT_EQ(history[0].time(), 1700000000);
    EXPECT_EQ(history[1].text(), "Position zur\xFC" "ckgesetzt.");
    EXPECT_EQ(history[1].time(), 1796731200);
    EXPECT_EQ(history[1].flag(), 0);
  }
}

TEST_F(ResetPositionTest, WithTheBoxTheOutputsGoButD1AndD2) {
  ASSERT_TRUE(ResetPosition(position_, true).ok());
  for (const char* name : {"D3.TXT", "D4.TXT", "D4.PDF", "G1.jpg", "GRAPHICFILES.TXT", "CLIP.A1"}) {
    EXPECT_FALSE(Has(name)) << name;
  }
  EXPECT_EQ(Text("FILES"),
            "              D1                                Dimensions\r\n"
            "              D2                                Load cases       \r\n");
  EXPECT_EQ(Text("LASTD"), std::string("\x02\x00", 2));
}

TEST_F(ResetPositionTest, WithoutTheBoxTheOutputsStay) {
  ASSERT_TRUE(ResetPosition(position_, false).ok());
  for (const char* name : {"D3.TXT", "D4.TXT", "D4.PDF", "G1.jpg"}) EXPECT_EQ(Text(name), name);
  EXPECT_EQ(Text("FILES"), kFiles);
  EXPECT_EQ(Text("LASTD"), std::string("\x04\x00", 2));
  EXPECT_EQ(Text("GRAPHICFILES.TXT"), kPictures);
  EXPECT_EQ(Text("CLIP.A1"), std::string("\x01\x00\x00\x00", 4));
}

TEST_F(ResetPositionTest, EveryLoadCaseAndAllTheHistory) {
  Put("UT8099.A1", "result");  // a load case the diary does not hold
  Put("EXTP012.TXT", "result");
  std::string history;
  for (int i = 0; i < 300; ++i) {
    common::HistoryRecord record;
    record.set_text("event " + std::to_string(i));
    history += Record(record);
  }
  Put("TTABLE", history + "partial");
  ASSERT_TRUE(ResetPosition(position_, false).ok());
  EXPECT_FALSE(Has("UT8099.A1"));
  EXPECT_FALSE(Has("EXTP012.TXT"));
  const auto records = ReadHistory(folder_ + "TTABLE");
  ASSERT_EQ(records.size(), 301u);
  EXPECT_EQ(records[299].text(), "event 299");
  EXPECT_EQ(Text("TTABLE").size(), 301u * 256u);
}

TEST_F(ResetPositionTest, DamagedCountsAreNamedAndTheirStepsSkipped) {
  struct Case {
    std::string file;
    std::string bytes;
    std::string problem;
    std::vector<std::string> kept;
  };
  common::FrameParams many;
  many.set_element_result_file_count(30000);
  const Case cases[] = {
      {"PARAMR.A1", Record(many), "its element count 30000 lies outside 0..100", {"BF11.A1", "FEBP1.A1"}},
      {"PARAMR.A1", "short", "it holds 5 bytes instead of 744", {"BF11.A1", "FEBP2.A1"}},
      {"SUPCOUNT", Int16s({100}), "its combination count 100 lies outside 0..99", {"SUPCOUNT", "SUPHIST", "BF11.A1"}},
      {"SUPCOUNT", "x", "it holds 1 of its 2 bytes", {"SUPCOUNT", "BF21.A1"}},
      {"LASTD", "x", "it holds 1 of its 2 bytes", {"D3.TXT", "D4.PDF"}},
  };
  for (const Case& c : cases) {
    SetUp();
    Put(c.file, c.bytes);
    const ResetReport report = ResetPosition(position_, true);
    ASSERT_EQ(report.problems.size(), 1u) << c.file;
    EXPECT_EQ(report.problems[0].text(), "The file " + folder_ + c.file + " is damaged: " + c.problem + ".");
    for (const std::string& name : c.kept) EXPECT_TRUE(Has(name)) << c.file << " " << name;
    EXPECT_FALSE(Has("UT805.A1")) << c.file;  // the other steps went on
    EXPECT_EQ(ReadHistory(folder_ + "TTABLE").size(), 2u) << c.file;
  }
}

TEST_F(ResetPositionTest, AListThatCannotBeWrittenStaysAndIsNamed) {
  // Each write of the reset fails in turn; where it was TTABLE's or FILES' the list keeps its old
  // bytes and is named, and a FILES that could not be written keeps the listings it names.
  plat::testing::FailFileWrite(0);  // counts the writes of one whole reset
  ResetPosition(position_, true);
  const long writes = plat::testing::FileWritesSoFar();
  std::set<std::string> named;
  for (long n = 1; n <= writes; ++n) {
    SetUp();
    const std::map<std::string, std::string> before = {{"TTABLE", Text("TTABLE")}, {"FILES", Text("FILES")}};
    ResetReport report;
    {
      plat::testing::FailingFileWrite fail(n);
      report = ResetPosition(position_, true);
    }
    for (const auto& [file, bytes] : before) {
      if (report.problems.size() != 1 || report.problems[0].text() != "The file " + folder_ + file + " cannot be stored!")
        continue;
      named.insert(file);
      EXPECT_EQ(Text(file), bytes) << file;
      if (file != "FILES") continue;
      for (const char* name : {"D3.TXT", "D4.TXT", "D4.PDF"}) EXPECT_TRUE(Has(name)) << name;
      EXPECT_EQ(Text("LASTD"), std::string("\x04\x00", 2));
    }
  }
  EXPECT_EQ(named, (std::set<std::string>{"TTABLE", "FILES"}));
}

// The load listing goes with its line in FILES; a FILES that cannot be written keeps the line and
// the listing it names, and is named.
TEST_F(ResetPositionTest, ForgottenLoadCasesTakeTheirListingOnlyWithItsLine) {
  const std::string without_d2 = kFiles.substr(0, kFiles.find("              D2")) +
                                 kFiles.substr(kFiles.find("              D3"));
  for (const bool fails : {false, true}) {
    SCOPED_TRACE(fails ? "FILES cannot be written" : "FILES written");
    SetUp();
    Put("D2", "D2");
    ResetReport report;
    {
      plat::testing::FailingFileWrite fail(fails ? 1 : 0);
      ForgetLoadCases(position_, report);
    }
    EXPECT_FALSE(Has("DIARY.A1"));
    EXPECT_EQ(Text("FILES"), fails ? kFiles : without_d2);
    for (const char* name : {"D2", "D2.TXT"}) EXPECT_EQ(Has(name), fails) << name;
    ASSERT_EQ(report.problems.size(), fails ? 1u : 0u);
    if (fails) {
      EXPECT_EQ(report.problems[0].text(), "The file " + folder_ + "FILES cannot be stored!");
    }
  }
}

TEST_F(ResetPositionTest, AMissingFolderIsNoAccess) {
  const ResetReport report = ResetPosition(common::Position(plat::testing::TestFolder() + "d/", ".NONE"), true);
  ASSERT_EQ(report.problems.size(), 1u);
  EXPECT_EQ(report.problems[0].caption(), "No access!");
  EXPECT_FALSE(plat::FolderExists(plat::testing::TestFolder() + "d/SDIRNONE"));
}

TEST(ResetOutputs, TheNamesOfListingsAndPictures) {
  struct Case {
    std::string line;
    std::optional<std::string> listing;
    std::optional<std::string> picture;
  };
  const Case cases[] = {
      {"              D3        1                   Results ", "D3", std::nullopt},
      {"              G12.jpg    Moments LC 1", std::nullopt, "G12"},
      {"              G3.bmp", std::nullopt, "G3"},
      {"  Dimensions", std::nullopt, std::nullopt},  // "Dimensions" is no listing
      {"  D", std::nullopt, std::nullopt},
      {"  Gx.jpg", std::nullopt, std::nullopt},
      {"  D3/../../x", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListingOfLine(c.line), c.listing) << c.line;
    EXPECT_EQ(PictureOfLine(c.line), c.picture) << c.line;
  }
}

}  // namespace
}  // namespace quentaris
