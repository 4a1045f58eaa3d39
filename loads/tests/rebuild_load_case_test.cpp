#include "loads/echo/rebuild_load_case.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/echo/load_echo_reader.h"
#include "loads/tests/example_frames.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace pundf {
namespace {
namespace fn = common::file_names;
using common::PointLoadRecord;

// Writes the echo text (raw bytes, "\n" line ends as given) and reads it.
LoadEchoText Echo(const LoadModel& model, const std::string& bytes) {
  const std::string path = model.position.TextFile("ECHO_L");
  EXPECT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
  auto echo = ReadLoadEchoFile(path);
  EXPECT_TRUE(echo.ok());
  return echo.ok() ? std::move(*echo) : LoadEchoText{};
}

// Rebuilds the single entry of `bytes` on the hinged portal frame.
LoadModel Rebuilt(const std::string& bytes, const std::string& ext = ".T") {
  LoadModel model = testing::LoadedModel(testing::HingedPortal(), ext);
  const LoadEchoText echo = Echo(model, bytes);
  EXPECT_EQ(echo.entries.size(), 1u);
  const StoreReport report = RebuildLoadCase(model, echo, 1);
  EXPECT_TRUE(report.ok()) << report.refused.text();
  for (const auto& m : report.messages) ADD_FAILURE() << m.text();
  return model;
}

TEST(ReadLoadEchoFile, EntriesStartAtLcLinesWithANumber) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  const LoadEchoText echo = Echo(model,
                                 "LOAD CASES\n"
                                 "LC 3\n0 0 0\nTITLE\nLC 5\n"  // a title is never an entry
                                 "LC 0\n"                      // number 0 starts none
                                 "LC\n"
                                 "LC 12\n0 0 0\nTITLE\n\n");
  ASSERT_EQ(echo.entries.size(), 2u);
  EXPECT_EQ(echo.entries[0].number, 3);
  EXPECT_EQ(echo.entries[0].first, 1u);
  EXPECT_EQ(echo.entries[0].last, 6u);
  EXPECT_EQ(echo.entries[1].number, 12);
  EXPECT_EQ(echo.entries[1].last, 10u);
  EXPECT_FALSE(echo.cut());
}

TEST(ReadLoadEchoFile, MissingFileIsAHint) {
  auto echo = ReadLoadEchoFile("/nonexistent/ECHO_L.T.TXT");
  ASSERT_FALSE(echo.ok());
  EXPECT_EQ(echo.failure().text(), " The file /nonexistent/ECHO_L.T.TXT does not exist");
  EXPECT_EQ(echo.failure().caption(), "Hint");
}

TEST(ReadLoadEchoFile, EntriesBeyondLine6000AreNotRead) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  std::string text = "LOAD CASES\nLC 1\n0 0 0\nTITLE\n\n";
  for (int k = 0; k < 5993; ++k) text += "filler\n";
  text += "LC 2\n0 0 0\nTITLE\nends beyond\n";  // lines 5998..6001 (0-based)
  text += "LC 3\n";
  const LoadEchoText echo = Echo(model, text);
  ASSERT_EQ(echo.entries.size(), 3u);
  EXPECT_EQ(echo.readable, 1u);
  EXPECT_TRUE(echo.cut());
}

TEST(RebuildLoadCase, CountLineWithWords) {
  // A word fails the surplus check and is removed; so is a field with a '+'.
  const LoadModel a = Rebuilt("LOAD CASES\nLC 1\n2 loads 1 0\nTITLE\n\n");
  EXPECT_EQ(a.load_case.params.origin(), 0);
  const LoadModel b = Rebuilt("LOAD CASES\nLC 1\n+2 1 0 7\nTITLE\n\n", ".B");
  EXPECT_EQ(b.load_case.params.origin(), 7);
  // The counts read 1 point load and 0 line loads.
  const LoadModel c = Rebuilt("LOAD CASES\nLC 1\n+2 1 0 7\nTITLE\n\nPOINTLOADS\n1 x\nE 2 0 0 5 X\n", ".C");
  EXPECT_EQ(c.load_case.point_loads.count(), 1);
  EXPECT_EQ(c.load_case.line_loads.count(), 0);
}

TEST(RebuildLoadCase, TitleCutTo81AndOemTextConverted) {
  const std::string title(126, 'T');
  const LoadModel model = Rebuilt("LOAD CASES\nLC 2\n0 0 1\nTITLE\n" + title + "\n");
  EXPECT_EQ(model.load_case.params.title(), std::string(81, 'T'));
  // 0x8E is the OEM capital A with diaeresis, 0xC4 in ANSI.
  const LoadModel oem = Rebuilt("LOAD CASES\nLC 2\n0 0 1\nTITLE\nSt\x8E" "be\n", ".O");
  EXPECT_EQ(oem.load_case.params.title(), "St\xC4" "be");
  const LoadModel ansi = Rebuilt("LOAD CASES\nLC 2\n0 0 1\nTITLE\nSt\xC4" "be\n", ".A");
  EXPECT_EQ(ansi.load_case.params.title(), "St\xC4" "be");
}

TEST(RebuildLoadCase, UnterminatedLastLineIsReadWhole) {
  const LoadModel model = Rebuilt("LOAD CASES\r\nLC 1\r\n0 0 0\r\nTITLE\r\n\r\nPRESTRESS\r\n1\r\n2 2.5000E+02");
  ASSERT_EQ(model.load_case.prestress.count(), 1);
  EXPECT_EQ(model.load_case.prestress[1].element(), 2);
  EXPECT_FLOAT_EQ(model.load_case.prestress[1].force(), 250.0f);
  // The PRESTRESS file is written from the entry.
  const auto file = common::ReadPrestressFile(model.position.LoadCaseFile(fn::kPrestress, 1));
  ASSERT_TRUE(file.status.ok());
  ASSERT_EQ(file.table.count(), 1);
  EXPECT_FLOAT_EQ(file.table[1].force(), 250.0f);
  EXPECT_EQ(model.load_case.params.prestress_count(), 1);
  EXPECT_EQ(model.load_case.params.prestress_flag(), 1);
}

TEST(RebuildLoadCase, PointLoadsGetTheirValueAndComponents) {
  // Element 1 runs up the left column: cos 0, sin -1 (the records' y = -z).
  const LoadModel model = Rebuilt(
      "LOAD CASES\nLC 1\n5 0 0\nTITLE\n\nPOINTLOADS\n"
      "1 normal\nE 0 1 2.000 10.000 N\n"
      "2 along\nE 0 1 1.000 4.000 T\n"
      "3 x\ne 2 0 0.000 3.000 x\n"
      "4 moment\nM 3 0 0.000 -7.000 0\n"
      "5 kink\nK 0 2 3.000 1.000 0\n");
  const auto& p = model.load_case.point_loads;
  ASSERT_EQ(p.count(), 5);
  struct Expect {
    int kind;
    int placement;
    float x, z, value, fx, fy, normal, along, kind_value;
    char direction;
  };
  const Expect expect[] = {
      {0, 2, 0, 2, 10, 10, 0, 10, 0, 0, 'N'},
      {0, 2, 0, 1, 4, 0, -4, 0, 4, 0, 'T'},
      {0, 1, 0, 4, 3, 3, 0, 0, 0, 0, 'X'},
      {1, 1, 6, 4, -7, 0, 0, 0, 0, -7, '0'},
      {2, 2, 3, 4, 1, 0, 0, 0, 0, 1, '0'},
  };
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    const Expect& e = expect[k - 1];
    EXPECT_EQ(p[k].kind(), e.kind);
    EXPECT_EQ(p[k].placement(), e.placement);
    EXPECT_FLOAT_EQ(p[k].x(), e.x);
    EXPECT_FLOAT_EQ(p[k].y(), -e.z);
    EXPECT_FLOAT_EQ(p[k].z(), e.z);
    EXPECT_FLOAT_EQ(p[k].value(), e.value);
    EXPECT_NEAR(p[k].force_x(), e.fx, 1e-6);
    EXPECT_NEAR(p[k].force_y(), e.fy, 1e-6);
    EXPECT_NEAR(p[k].force_normal(), e.normal, 1e-6);
    EXPECT_NEAR(p[k].force_along(), e.along, 1e-6);
    EXPECT_FLOAT_EQ(p[k].kind_value(), e.kind_value);
    EXPECT_EQ(p[k].direction(), e.direction);
  }
  EXPECT_EQ(model.load_case.point_notes[1].text(), "normal");
  // What is stored is what was rebuilt.
  const auto file = common::ReadRecords<common::PointLoadTable>(model.position.LoadCaseFile(fn::kPointLoads, 1), 5);
  ASSERT_TRUE(file.status.ok());
  EXPECT_EQ(file.table[1], p[1]);
}

TEST(RebuildLoadCase, WholeElementOrStretch) {
  struct Case {
    const char* data;  // element 2 is the beam of 6 m
    bool whole;
    float xa, xb;
  };
  const Case cases[] = {
      {"2 1 0 0 0 0 0.000 0.000 5 5 Y", true, 0, 0},
      {"2 0 0 0 0 0 0.000 0.000 5 5 Y", true, 0, 0},        // no stretch given
      {"2 0 0 0 0 0 0.040 5.980 5 5 Y", true, 0, 0},        // within 0.05 m of both ends
      {"2 0 0 0 0 0 0.000 3.000 5 5 Y", false, 0, 3},       // a stretch from the start node
      {"2 0 0 0 0 0 1.500 4.500 5 5 Y", false, 1.5f, 4.5f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.data);
    const LoadModel model = Rebuilt(std::string("LOAD CASES\nLC 1\n0 1 0\nTITLE\n\nLINELOADS\n1 q\n") + c.data + "\n");
    ASSERT_EQ(model.load_case.line_loads.count(), 1);
    const auto& q = model.load_case.line_loads[1];
    EXPECT_EQ(q.whole_element(), c.whole ? 1 : 0);
    EXPECT_FLOAT_EQ(q.xa(), c.xa);
    EXPECT_FLOAT_EQ(q.xb(), c.xb);
    EXPECT_FLOAT_EQ(q.x1(), c.whole ? 0.0f : c.xa);
    EXPECT_FLOAT_EQ(q.x2(), c.whole ? 6.0f : c.xb);
    EXPECT_FLOAT_EQ(q.y1(), -4.0f);  // the beam at z = 4
    EXPECT_FLOAT_EQ(q.z2(), 4.0f);
  }
}

TEST(RebuildLoadCase, LineLoadNotesAndDirections) {
  const LoadModel model = Rebuilt(
      "LOAD CASES\nLC 1\n0 4 0\nTITLE\n\nLINELOADS\n"
      "1 snow_on_the_roof\n2 1 0 0 0 0 0 0 1 1 y\n"
      "2 \n2 1 0 0 0 0 0 0 1 1 t\n"
      "3 x\n2 1 0 0 0 0 0 0 1 1 X\n"
      "4 other\n2 1 0 0 0 0 0 0 1 1 Q\n");
  const auto& q = model.load_case.line_loads;
  ASSERT_EQ(q.count(), 4);
  EXPECT_EQ(q[1].direction(), 'Y');
  EXPECT_EQ(q[2].direction(), 'T');
  EXPECT_EQ(q[3].direction(), 'X');
  EXPECT_EQ(q[4].direction(), 'N');
  EXPECT_EQ(model.load_case.line_notes[1].text(), "snow on the roof");
  EXPECT_EQ(model.load_case.line_notes[2].text(), "");
}

TEST(RebuildLoadCase, TemperatureForEveryElementAndSettlements) {
  const LoadModel model = Rebuilt(
      "LOAD CASES\nLC 4\n0 0 1\nTITLE\nwarm\nTEMPERATURE\n  15.000\n  20.000\n1.200E-05\n"
      "SETTLEMENT\n1\n2  0.00500 -0.01000  0.00000\n");
  const auto& p = model.load_case.params;
  EXPECT_EQ(p.temperature_flag(), 1);
  EXPECT_FLOAT_EQ(p.uniform_temperature(), 15.0f);
  EXPECT_DOUBLE_EQ(p.delta_t(), 20.0);
  EXPECT_DOUBLE_EQ(p.alpha_t(), 1.2e-05);
  const auto temps = common::ReadRecords<common::TemperatureTable>(
      model.position.LoadCaseFile(fn::kTemperatures, 4), model.geometry.element_count());
  ASSERT_TRUE(temps.status.ok());
  for (int e = 1; e <= 3; ++e) {
    SCOPED_TRACE(e);
    EXPECT_FLOAT_EQ(temps.table[e].uniform_t(), 15.0f);
    EXPECT_FLOAT_EQ(temps.table[e].delta_t(), 20.0f);
    EXPECT_FLOAT_EQ(temps.table[e].alpha_t(), 1.2e-05f);
    EXPECT_EQ(temps.table[e].loaded(), 1);
  }
  EXPECT_EQ(p.settlement_flag(), 1);
  EXPECT_EQ(p.settled_support_count(), 1);
  const auto& s = model.load_case.settlements;
  EXPECT_EQ(s[1].settled(), 0);
  EXPECT_EQ(s[2].settled(), 1);
  EXPECT_FLOAT_EQ(s[2].settlement(1), 0.005f);
  EXPECT_FLOAT_EQ(s[2].settlement(2), -0.01f);
}

TEST(RebuildLoadCase, SectionKeywordWithoutItsLinesIsIgnored) {
  const LoadModel model = Rebuilt("LOAD CASES\nLC 1\n0 0 0\nTITLE\n\nGRAVITYLOAD\nSETTLEMENT\nPRESTRESS");
  EXPECT_EQ(model.load_case.params.gravity_flag(), 0);
  EXPECT_EQ(model.load_case.params.settlement_flag(), 0);
  EXPECT_EQ(model.load_case.params.prestress_flag(), 0);
}

TEST(RebuildLoadCase, MoreLoadsThanSlotsReadTheFirst100) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  std::string text = "LOAD CASES\nLC 1\n120 0 0\nTITLE\n\nPOINTLOADS\n";
  for (int k = 1; k <= 120; ++k) text += std::to_string(k) + " \nE 2 0 0 1 X\n";
  const LoadEchoText echo = Echo(model, text);
  const StoreReport report = RebuildLoadCase(model, echo, 1);
  ASSERT_TRUE(report.ok()) << report.refused.text();
  EXPECT_EQ(model.load_case.point_loads.count(), 100);
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(report.messages[0].text(), "Load case 1 of " + echo.path +
                                           ": it holds 120 point loads, the first 100 are read.");
}

TEST(RebuildLoadCase, IndexOutOfRangeRefusesTheLoadCase) {
  struct Case {
    const char* entry;
    const char* problem;
  };
  const Case cases[] = {
      {"1 0 0\nTITLE\n\nPOINTLOADS\n1 x\nE 9 0 0 1 X\n", "point load 1 lies on node 9, the frame has 4 nodes"},
      {"1 0 0\nTITLE\n\nPOINTLOADS\n1 x\nE 0 4 1 1 X\n", "point load 1 lies on element 4, the frame has 3 elements"},
      {"1 0 0\nTITLE\n\nPOINTLOADS\n1 x\nE 2 0 0 1 Z\n",
       "point load 1 is a force without the direction X, Y, N or T"},
      {"0 1 0\nTITLE\n\nLINELOADS\n1 x\n0 1 0 0 0 0 0 0 1 1 Y\n",
       "line load 1 lies on element 0, the frame has 3 elements"},
      {"0 0 0\nTITLE\n\nSETTLEMENT\n1\n3 0.1 0 0\n", "settlement 1 names support 3, the frame has 2 supports"},
      {"0 0 0\nTITLE\n\nPRESTRESS\n1\n7 100\n", "prestress entry 1 lies on element 7, the frame has 3 elements"},
      // Numbers beyond a float never reach the records.
      {"1 0 0\nTITLE\n\nPOINTLOADS\n1 x\nE 2 0 0 1E+99 X\n",
       "the number 1E+99 in the line \"E 2 0 0 1E+99 X\" is too large"},
      {"0 1 0\nTITLE\n\nLINELOADS\n1 x\n1 1 0 0 0 0 0 0 1e999 1 Y\n",
       "the number 1E999 in the line \"1 1 0 0 0 0 0 0 1e999 1 Y\" is too large"},
      {"0 0 0\nTITLE\n\nGRAVITYLOAD\n1234567890123456789012345678901234567890 0\n",
       "the number 1234567890123456789012345678901234567890 in the line "
       "\"1234567890123456789012345678901234567890 0\" is too large"},
      {"0 0 0\nTITLE\n\nTEMPERATURE\n10\n1E+39\n1.2E-05\n", "the number 1E+39 in the line \"1E+39\" is too large"},
      {"0 0 0\nTITLE\n\nSETTLEMENT\n1\n2 0 1E+99 0\n", "the number 1E+99 in the line \"2 0 1E+99 0\" is too large"},
      {"0 0 0\nTITLE\n\nPRESTRESS\n1\n2 1E+99\n", "the number 1E+99 in the line \"2 1E+99\" is too large"},
      // Nor does a field of a number column that holds no number: it would read as 0.
      {"0 1 0\nTITLE\n\nLINELOADS\n1 x\n1 1 0 0 0 0 0 0 nan 10 Y\n",
       "the text nan in the line \"1 1 0 0 0 0 0 0 nan 10 Y\" is not a number"},
      {"1 0 0\nTITLE\n\nPOINTLOADS\n1 x\nE 2 0 0 abc X\n", "the text abc in the line \"E 2 0 0 abc X\" is not a number"},
      {"0 0 0\nTITLE\n\nGRAVITYLOAD\n25 -\n", "the text - in the line \"25 -\" is not a number"},
      {"0 0 0\nTITLE\n\nTEMPERATURE\n10\nzz\n1.2E-05\n", "the text zz in the line \"zz\" is not a number"},
      // A stretch is checked as the line-load table checks it: on its element.
      {"0 1 0\nTITLE\n\nLINELOADS\n1 x\n2 0 0 0 0 0 2.000 9.000 10 10 Y\n",
       "the stretch 2.000 to 9.000 m of line load 1 lies outside element 2 of 6.000 m"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.problem);
    LoadModel model = testing::LoadedModel(testing::HingedPortal());
    const LoadEchoText echo = Echo(model, std::string("LOAD CASES\nLC 5\n") + c.entry);
    const StoreReport report = RebuildLoadCase(model, echo, 1);
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.refused.text(), "Load case 5 of " + echo.path + " is not rebuilt: " + c.problem + ".");
    EXPECT_FALSE(plat::FileExists(model.position.LoadCaseFile(fn::kLoadCaseParams, 5)));
    EXPECT_FALSE(plat::FileExists(model.position.File(fn::kDiary)));
  }
}

// A load case that the store refuses leaves every file as it was, the
// temperature and prestress files of the load case included.
TEST(RebuildLoadCase, RefusedStoreWritesNoFileOfTheLoadCase) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  std::string text = "LOAD CASES\nLC 4\n0 98 0\nTITLE\n\nGRAVITYLOAD\n25 0\nLINELOADS\n";
  for (int k = 1; k <= 98; ++k) text += std::to_string(k) + " \n2 1 0 0 0 0 0 0 1 1 Y\n";
  text += "TEMPERATURE\n10\n0\n1.2E-05\nPRESTRESS\n1\n2 100\n";
  const LoadEchoText echo = Echo(model, text);
  const StoreReport report = RebuildLoadCase(model, echo, 1);
  ASSERT_FALSE(report.ok());
  EXPECT_EQ(report.refused.text(), "Too many line loads, max = 100");
  for (const char* base : {fn::kTemperatures, fn::kPrestress, fn::kLoadCaseParams}) {
    EXPECT_FALSE(plat::FileExists(model.position.LoadCaseFile(base, 4))) << base;
  }
}

// A number beyond 1..99 names no load case: a number beyond the 16 bits of the
// files must not stand for another one (65537 would be load case 1).
TEST(RebuildLoadCase, NumberOutsideOneTo99IsRefused) {
  for (const char* number : {"100", "65537"}) {
    SCOPED_TRACE(number);
    LoadModel model = testing::LoadedModel(testing::HingedPortal());
    const LoadEchoText echo = Echo(model, std::string("LOAD CASES\nLC ") + number + "\n0 0 0\nTITLE\nx\n");
    const StoreReport report = RebuildLoadCase(model, echo, 1);
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.refused.text(), std::string("Load case ") + number + " of " + echo.path +
                                         " is not rebuilt: load cases are numbered 1 to 99.");
    EXPECT_FALSE(plat::FileExists(model.position.LoadCaseFile(fn::kLoadCaseParams, 1)));
    EXPECT_FALSE(plat::FileExists(model.position.File(fn::kDiary)));
  }
}

}  // namespace
}  // namespace pundf
