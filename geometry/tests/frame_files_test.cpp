// The model files as the geometry editor leaves them: a stored position stays
// stored and checked until its frame changes, an echo text changed outside
// takes the inverse of the former frame with it, a text that is not read is
// never overwritten unkept, and End always lets the person leave.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/position/position_lock.h"
#include "geometry/app/store_from_echo.h"
#include "geometry/echo/echo_file.h"
#include "geometry/editor/editor_commands.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/graphic_input.h"
#include "geometry/editor/text_dialogs.h"
#include "geometry/position/load_position_files.h"
#include "geometry/position/store_position.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/position_fixture.h"
#include "platform/binary_io.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "platform/whole_file.h"

namespace kelmf {
namespace {

using testing::GeometryMarker;
using testing::ModelFiles;
using testing::ReadAll;
using testing::StoredExample;
using testing::TestSettings;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

void WriteEcho(const common::Position& position, const std::string& text) {
  ASSERT_TRUE(plat::ReplaceWholeFile(EchoFilePath(position), text));
}

std::string Texts(const LoadReport& report) {
  std::string all;
  for (const common::Result& m : report.messages) all += m.caption() + ": " + m.text() + "\n";
  return all;
}

TEST(FrameFiles, OpeningAndEndingAStoredPositionChangesNoModelFile) {
  for (const bool rebuild : {false, true}) {
    SCOPED_TRACE(rebuild ? "with @G" : "plain start");
    const common::Position position = StoredExample("PORTAL");
    const auto before = ModelFiles(position);
    testing::OpenedEditor editor;
    ASSERT_TRUE(editor.Open(testing::CommandLine(position, rebuild)));
    EXPECT_EQ(editor.Boxes(), "");
    editor.Command(ids::kEnd);
    EXPECT_EQ(editor.quit.code(), 1);
    EXPECT_EQ(ModelFiles(position), before);
    EXPECT_EQ(GeometryMarker(position), 1);
  }
}

// The echo text changed outside (every E times 0.1): the rebuild at the start
// removes the inverse of the former frame before it rewrites the model files.
TEST(FrameFiles, AnEchoChangedOutsideTakesTheFormerInverseWithIt) {
  const common::Position position = StoredExample("PORTAL");
  std::string echo = ReadAll(EchoFilePath(position));
  echo = Replaced(echo, "1 26700000.00", "1 2670000.00");
  echo = Replaced(echo, "2 31000000.00", "2 3100000.00");
  WriteEcho(position, echo);
  const auto before = ModelFiles(position);
  FrameModel model;
  const LoadReport load = LoadPositionFiles(model, position, TestSettings());
  EXPECT_EQ(Texts(load), "");
  EXPECT_TRUE(load.rebuilt_from_echo);
  EXPECT_EQ(model.materials[1].modulus(), 2670000.0f);
  EXPECT_EQ(GeometryMarker(position), 0);
  for (const char* base : {"INVERSE", "FLEXDIA", "FLEXMAX"}) EXPECT_FALSE(plat::FileExists(position.File(base))) << base;
  EXPECT_NE(ReadAll(position.File("MATR")), before.at("MATR"));
  EXPECT_NE(ReadAll(position.File("ELEMENTS")), before.at("ELEMENTS"));  // EA and EI
}

// While another program holds the position's lock the start says so and
// writes nothing; the frame is the one of the model files.
TEST(FrameFiles, WhileThePositionIsInUseTheStartWritesNothing) {
  const common::Position position = StoredExample("PORTAL");
  WriteEcho(position, Replaced(ReadAll(EchoFilePath(position)), "1 26700000.00", "1 2670000.00"));
  const auto before = ModelFiles(position);
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(position.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  FrameModel model;
  const LoadReport load = LoadPositionFiles(model, position, TestSettings());
  const std::string texts = Texts(load);
  EXPECT_NE(texts.find("Position PORTAL is in use by another program"), std::string::npos) << texts;
  EXPECT_NE(texts.find("was not read"), std::string::npos) << texts;
  EXPECT_FALSE(load.rebuilt_from_echo);
  EXPECT_EQ(model.elements.count(), 3);
  EXPECT_EQ(model.materials[1].modulus(), 26700000.0f);
  EXPECT_EQ(ModelFiles(position), before);
}

// The echo command writes and rebuilds under the position's lock: while
// another program holds it, it says so and writes nothing.
TEST(FrameFiles, WhileThePositionIsInUseTheEchoCommandWritesNothing) {
  const common::Position position = StoredExample("PORTAL");
  testing::OpenedEditor editor;
  ASSERT_TRUE(editor.Open(testing::CommandLine(position)));
  ASSERT_TRUE(plat::ReplaceWholeFile(EchoEditFilePath(position), std::string("TITLE\nEdited\n")));
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(position.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  const common::Result written = WriteEditedEcho(editor.session());
  EXPECT_NE(written.text().find("is in use by another program"), std::string::npos) << written.text();
  const LoadReport rebuilt = RebuildFromEditedEcho(editor.session());
  ASSERT_EQ(rebuilt.messages.size(), 2u) << Texts(rebuilt);
  EXPECT_EQ(rebuilt.messages[1].text(),
            "The edited text stays in " + EchoEditFilePath(position) + "; the frame was not rebuilt from it.");
  other.Release();
  plat::testing::FolderFiles now = plat::testing::SnapshotFolder(position.folder());
  EXPECT_EQ(now, before);
  EXPECT_EQ(editor.session().model.params.title(), "Portal frame 6 m x 4 m, left foot clamped, right foot hinged");
}

// A refused echo text (a number too large) leaves the frame of the model
// files, and the first store keeps the text beside the new one.
TEST(FrameFiles, ARefusedEchoTextIsKeptAtItsFirstRewrite) {
  const common::Position position = StoredExample("PORTAL");
  const std::string refused = Replaced(ReadAll(EchoFilePath(position)), "8.0000E-02", "8.0000E+39");
  WriteEcho(position, refused);
  const std::string backup = EchoBackupPath(position);
  ASSERT_TRUE(plat::ReplaceWholeFile(backup, std::string("an older backup")));
  const auto before = ModelFiles(position);

  FrameModel model;
  const LoadReport load = LoadPositionFiles(model, position, TestSettings());
  ASSERT_EQ(load.messages.size(), 2u) << Texts(load);
  EXPECT_NE(load.messages[0].text().find("8.0000E+39"), std::string::npos) << Texts(load);
  EXPECT_EQ(load.messages[1].text(), "The frame is shown as its model files hold it: the echo text " +
                                          EchoFilePath(position) + " was not read. The first store of the frame "
                                          "keeps that text as " + backup + ".");
  EXPECT_EQ(model.elements.count(), 3);
  EXPECT_EQ(ModelFiles(position), before);
  EXPECT_EQ(ReadAll(EchoFilePath(position)), refused);

  ASSERT_TRUE(StorePosition(model, position, TestSettings()).stored());
  EXPECT_EQ(ReadAll(backup), refused);
  EXPECT_NE(ReadAll(EchoFilePath(position)), refused);
  EXPECT_NE(ReadAll(EchoFilePath(position)).find("ELEMENTS\r\n3\r\n"), std::string::npos);
  // Only the first rewrite keeps it.
  model.params.set_title("Stored again");
  ASSERT_TRUE(StorePosition(model, position, TestSettings()).stored());
  EXPECT_EQ(ReadAll(backup), refused);
}

// The rebuild refuses an element without a length; every support entry takes
// the value of its node's line (the SUPPORTS line holds fewer digits).
TEST(FrameFiles, TheEchoRebuildRefusesNoLengthAndKeepsTheNodesSupportValues) {
  {
    const common::Position position = testing::ExamplePosition("PORTAL");
    WriteEcho(position, Replaced(ReadAll(EchoFilePath(position)), "3 6.00 4.00 6.00 0.00", "3 6.00 4.00 6.00 4.00"));
    FrameModel model;
    const LoadReport load = LoadPositionFiles(model, position, TestSettings());
    ASSERT_FALSE(load.messages.empty());
    EXPECT_EQ(load.messages[0].text(), "Input error: element 3 has no length: both its ends lie at x = 6.00, z = 4.00.");
    EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
  }
  const common::Position position = testing::ExamplePosition("PORTAL");
  std::string echo = ReadAll(EchoFilePath(position));
  echo = Replaced(echo, "4 6.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00", "4 6.00 0.00  1.5873E-03  1.0000E+00  0.0000E+00");
  echo = Replaced(echo, "4 1.000000 1.000000 0.000000", "4 0.001587 1.000000 0.000000");
  WriteEcho(position, echo);
  FrameModel model;
  EXPECT_EQ(Texts(LoadPositionFiles(model, position, TestSettings())), "");
  const auto supports = common::ReadTable<common::NodeRefTable>(position.File("LKNOTENR"));
  ASSERT_EQ(supports.table.count(), 2);
  const common::NodeRefRecord& entry = supports.table[2];
  const auto nodes = common::ReadTable<common::NodeTable>(position.File("NODES"));
  ASSERT_GE(entry.node(), 1);
  EXPECT_EQ(entry.support(1), 1.5873E-03f);
  EXPECT_EQ(entry.support(1), nodes.table[entry.node()].support(1));
  EXPECT_EQ(entry.support_flag(1), 1);
}

// Elements drawn between the same two points until a node has more ends than
// it holds: End names the cause, writes no echo of a frame that does not hold
// together, and asks; No keeps the editor, Yes ends it.
TEST(FrameFiles, EndNamesWhyItCannotSaveAndStillEnds) {
  const common::Position position = StoredExample("PORTAL");
  const std::string echo = ReadAll(EchoFilePath(position));
  const auto before = ModelFiles(position);
  testing::OpenedEditor editor;
  ASSERT_TRUE(editor.Open(testing::CommandLine(position)));
  FrameModel& model = editor.session().model;
  for (int k = 0; k < 11; ++k) {
    ASSERT_EQ(AddDrawnElement(model, {0.0, 0.0}, {3.0, 2.0}), DrawnElement::kAdded);
  }
  editor.boxes.Answer(plat::IDNO);
  editor.Command(ids::kEnd);
  EXPECT_FALSE(editor.quit.code());
  ASSERT_EQ(editor.boxes.shown().size(), 1u);
  const std::string asked = editor.boxes.shown()[0].text;
  EXPECT_EQ(asked.find("Too many element ends at node "), 0u) << asked;
  EXPECT_NE(asked.find(", max = 10"), std::string::npos) << asked;
  EXPECT_NE(asked.find("End all the same?"), std::string::npos) << asked;
  EXPECT_EQ(ReadAll(EchoFilePath(position)), echo);

  editor.Command(ids::kEnd);  // the default answer: end
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_EQ(ReadAll(EchoFilePath(position)), echo);
  EXPECT_EQ(ModelFiles(position), before);
}

// An element of no length drawn by the mouse is refused naming it.
TEST(FrameFiles, GraphicalInputRefusesAnElementWithoutALength) {
  FrameModel model;
  EXPECT_EQ(AddDrawnElement(model, {1.0, 2.0}, {1.0, 2.0 + 1e-7}), DrawnElement::kNoLength);
  EXPECT_EQ(AddDrawnElement(model, {1.0, 2.0}, {1.0, 2.01}), DrawnElement::kAdded);
  EXPECT_EQ(model.elements.count(), 1);
}

// An echo text edited in the echo dialog that holds no keyword line is
// refused; the frame and its files stay.
TEST(FrameFiles, AnEditedEchoWithoutKeywordsIsRefused) {
  const common::Position position = StoredExample("PORTAL");
  testing::OpenedEditor editor;
  ASSERT_TRUE(editor.Open(testing::CommandLine(position)));
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(text_ids::kText, "1 0.00 0.00 6.00 0.00\r\n2 6.00 0.00 12.00 0.00\r\n");
    plat::testing::Press(d, plat::IDOK);
  });
  const auto before = ModelFiles(position);
  editor.Command(ids::kEcho);
  const auto& shown = script.shown();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().text,
            "Input error: the echo text holds none of the lines TITLE, MATERIAL, CROSSECTIONS, ELEMENTS, NODES, "
            "SUPPORTS: no frame was read from it.");
  EXPECT_EQ(editor.session().model.elements.count(), 3);
  EXPECT_EQ(ModelFiles(position), before);
}

}  // namespace
}  // namespace kelmf
