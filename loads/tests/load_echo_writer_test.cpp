#include "loads/echo/load_echo_writer.h"

#include <gtest/gtest.h>

#include "common/settings_files.h"
#include "loads/echo/rebuilt_echo.h"
#include "loads/model/point_load_values.h"
#include "loads/model/whole_element_load.h"
#include "loads/store/store_load_case.h"
#include "loads/tests/example_frames.h"
#include "loads/tests/frame_fixture.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace pundf {
namespace {
using common::PointLoadRecord;

// Load case 7 on the portal frame with every section of an entry.
LoadModel FullCase() {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  const Geometry& g = model.geometry;
  testing::BeginLoadCase(model, 7, "All loads");
  auto& lc = model.load_case;
  lc.params.set_gravity_flag(1);
  lc.params.set_gamma(25.0);
  lc.params.set_covering(1.5);
  lc.line_loads.Append(WholeElementLoad(g.elements[2], 2, 'Y', 12.0f, 12.0f));
  lc.line_notes.Append(testing::NoteOf("roof and snow"));
  lc.line_loads.Append(StretchLoad(g.elements[1], 1, 'X', 1.0f, 3.5f, 2.0f, 4.25f));
  lc.line_notes.Append(testing::NoteOf(""));
  lc.point_loads.Append(testing::LoadOnElement(g, PointLoadRecord::kForce, 2, 2.0f, 40.0f, 'Y'));
  lc.point_notes.Append(testing::NoteOf("crane"));
  PointLoadRecord moment = testing::ForceAtNode(g, 3, 0.0f, 'X');
  moment.set_kind(PointLoadRecord::kMoment);
  SetPointLoadValue(moment, -12.5f, '0', 0.0f, 0.0f);
  lc.point_loads.Append(moment);
  lc.point_notes.Append(testing::NoteOf("m"));
  lc.point_loads.Append(testing::LoadOnElement(g, PointLoadRecord::kKink, 3, 1.0f, 1.0f, '0'));
  lc.point_notes.Append(testing::NoteOf("k"));
  lc.point_loads.Append(testing::LoadOnElement(g, PointLoadRecord::kVerticalDislocation, 3, 1.0f, 1.0f, '0'));
  lc.point_notes.Append(testing::NoteOf("v"));
  lc.point_loads.Append(testing::LoadOnElement(g, PointLoadRecord::kHorizontalDislocation, 3, 1.0f, 1.0f, '0'));
  lc.point_notes.Append(testing::NoteOf("n"));
  testing::SetTemperature(model, 15.0f, 20.0, 1.2e-05);
  testing::Settle(model, 2, 0.005f, -0.01f, 0.00125f);
  testing::SetPrestress(model, {{2, 250.0f}, {1, 1234.5f}});
  return model;
}

TEST(LoadEchoEntry, EveryLineInItsFormat) {
  const LoadModel model = FullCase();
  EXPECT_EQ(LoadEchoEntry(model, 7),
            "LC 7\n"
            "5 2 1\n"
            "TITLE\n"
            "All loads\n"
            "GRAVITYLOAD\n"
            "  25.000     1.500\n"
            "LINELOADS\n"
            "1 roof_and_snow\n"
            "2 1    0.000   -4.000    6.000   -4.000    0.000    0.000   12.000   12.000 Y\n"
            "2 \n"
            "1 0    0.000   -1.000    0.000   -3.500    1.000    3.500    2.000    4.250 X\n"
            "POINTLOADS\n"
            "1 crane\n"
            "E 0 2    2.000   40.000 Y\n"
            "2 m\n"
            "M 3 0    0.000  -12.500 0\n"
            "3 k\n"
            "K 0 3    1.000    1.000 0\n"
            "4 v\n"
            "V 0 3    1.000    1.000 0\n"
            "5 n\n"
            "N 0 3    1.000    1.000 0\n"
            "TEMPERATURE\n"
            "  15.000\n"
            "  20.000\n"
            "1.200E-05\n"
            "SETTLEMENT\n"
            "1\n"
            "2  0.00500 -0.01000  0.00125\n"
            "PRESTRESS\n"
            "2\n"
            "2 2.5000E+02\n"
            "1 1.2345E+03\n");
}

TEST(LoadEchoEntry, EmptyLoadCaseHasCountsAndTitleOnly) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  model.load_case = EmptyLoadCase(model.geometry, 12);
  EXPECT_EQ(LoadEchoEntry(model, 12), "LC 12\n0 0 0\nTITLE\n\n");
}

TEST(LoadEchoEntry, BlanksOfANoteBecomeUnderscoresInItsFirst80Characters) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  model.load_case = EmptyLoadCase(model.geometry, 1);
  const std::string note = std::string(79, 'a') + " b c";
  model.load_case.line_loads.Append(testing::WholeLoad(model.geometry, 1, 'Y', 1, 1));
  model.load_case.line_notes.Append(testing::NoteOf(note));
  const std::string entry = LoadEchoEntry(model, 1);
  EXPECT_NE(entry.find("\n1 " + std::string(79, 'a') + "_b c\n"), std::string::npos) << entry;
}

TEST(StoreLoadCase, PutsTheEntryInTheEchoTextAndSetsTheTimeMark) {
  LoadModel model = FullCase();
  ASSERT_TRUE(common::WriteInt32File(model.position.FolderFile("TIMELW"), 1234));
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteTextFile(path, "LOAD CASES\n"));
  const StoreReport report = StoreLoadCase(model);
  ASSERT_TRUE(report.ok()) << report.refused.text();
  const std::string text = testing::ReadText(path);
  EXPECT_TRUE(text.starts_with("LOAD CASES\r\nLC 7\r\n5 2 1\r\n")) << text;
  EXPECT_EQ(common::ReadInt32File(model.position.FolderFile("TIMELW")), 0);
}

// An echo text of the entries "LC <n>" / "<n> 0 0" / "TITLE" / "old <n>".
std::string OldText(std::initializer_list<int> numbers) {
  std::string text = "LOAD CASES\n";
  for (int n : numbers) {
    text += "LC " + std::to_string(n) + "\n0 0 0\nTITLE\nold " + std::to_string(n) + "\n";
  }
  return text;
}

std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(PutLoadEchoEntry, ReplacesOnlyTheEntryOfItsNumber) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  const std::string entry12 = "LC 12\n0 0 0\nTITLE\nnew\n";
  const Case cases[] = {
      {"in the middle, load case 1 is not load case 12", OldText({1, 12, 3}),
       "LOAD CASES\nLC 1\n0 0 0\nTITLE\nold 1\n" + entry12 + "LC 3\n0 0 0\nTITLE\nold 3\n"},
      {"the last entry: everything after its LC line goes", OldText({1, 12}) + "trailing words\n",
       "LOAD CASES\nLC 1\n0 0 0\nTITLE\nold 1\n" + entry12},
      {"no entry of its number: appended", OldText({1}), OldText({1}) + entry12},
      {"a title that reads LC 12 is no entry", "LOAD CASES\nLC 1\n0 0 0\nTITLE\nLC 12\nLC 12\n0 0 0\nTITLE\nold\n",
       "LOAD CASES\nLC 1\n0 0 0\nTITLE\nLC 12\n" + entry12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = plat::SplitLines(c.before);
    PutLoadEchoEntry(lines, 12, entry12);
    EXPECT_EQ(lines, plat::SplitLines(c.after));
  }
  // A text rebuilt from nothing is made with its header.
  RebuiltEcho made;
  made.PutEntry(12, entry12);
  EXPECT_EQ(made.lines(), plat::SplitLines("LOAD CASES\n" + entry12));
}

// The work file ENEW cannot be written (a folder in its place): the text stays as it was.
TEST(RemoveLoadEchoCases, TextThatCannotBeReplacedStays) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame(), ".E");
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteTextFile(path, OldText({1, 2})));
  ASSERT_TRUE(plat::MakeFolder(model.position.FolderFile("ENEW")));
  const auto r = RemoveLoadEchoCases(model.position, {1});
  EXPECT_EQ(r.text(), "Error on reading files ECHO_L and LNEW in LWRITE.C");
  EXPECT_EQ(r.caption(), "Error");
  EXPECT_EQ(testing::ReadText(path), Crlf(OldText({1, 2})));
}

TEST(RemoveLoadEchoCases, KeepsTheOtherEntriesInOrder) {
  LoadModel model = testing::LoadedModel(testing::PortalFrame());
  const std::string path = model.position.TextFile("ECHO_L");
  ASSERT_TRUE(plat::WriteTextFile(path, OldText({1, 2, 3, 4, 5})));
  ASSERT_TRUE(RemoveLoadEchoCases(model.position, {2, 4}).ok());
  EXPECT_EQ(testing::ReadText(path), Crlf(OldText({1, 3, 5})));
  ASSERT_TRUE(RemoveLoadEchoCases(model.position, {1, 3, 5}).ok());
  EXPECT_EQ(testing::ReadText(path), Crlf("LOAD CASES\n"));
}

// Entries a rebuild keeps as they stand go to the end of the text, made with its header.
TEST(RebuiltEcho, KeptLinesMakeTheTextWithItsHeader) {
  RebuiltEcho rebuilt;
  const std::string lines[] = {"LC 4", "0 0 0"};
  rebuilt.Append(lines);
  rebuilt.Append(lines);
  EXPECT_EQ(rebuilt.lines(), (std::vector<std::string>{"LOAD CASES", "LC 4", "0 0 0", "LC 4", "0 0 0"}));
}

}  // namespace
}  // namespace pundf
