// The start-up load of a position: write test, defaults, the editor's
// settings, the model files and the rebuild from the echo text.
#include <gtest/gtest.h>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "geometry/position/load_old_data.h"
#include "geometry/position/load_position_files.h"
#include "geometry/tests/position_fixture.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

using testing::GeometryMarker;
using testing::kSmallFrame;
using testing::TestSettings;

LoadReport Load(FrameModel& model, const common::Position& position) {
  return LoadPositionFiles(model, position, TestSettings());
}

void ExpectNoMessages(const LoadReport& report) {
  for (const common::Result& m : report.messages) ADD_FAILURE() << m.caption() << ": " << m.text();
}

TEST(LoadPositionFiles, AFolderThatCannotBeWrittenEndsTheProgramAfterOneMessage) {
  const common::Position position(plat::testing::TestFolder() + "nowhere/", ".12");
  FrameModel model;
  const LoadReport report = Load(model, position);
  EXPECT_TRUE(report.ends_program);
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(report.messages[0].text(), "The file " + plat::testing::TestFolder() + "nowhere/SDIR12/TEST.12 cannot be stored!");
  EXPECT_EQ(report.messages[0].caption(), "Does the directory " + plat::testing::TestFolder() + "nowhere/ exist?");
  EXPECT_EQ(model.materials.count(), 0);  // nothing loaded
  EXPECT_FALSE(GeometryMarker(position).has_value());
}

TEST(LoadPositionFiles, AnEmptyFolderGetsTheDefaultsOfANewModel) {
  const common::Position position = testing::TestPosition();
  FrameModel model;
  model.params.set_title("old title");
  const LoadReport report = Load(model, position);
  ExpectNoMessages(report);
  EXPECT_FALSE(report.ends_program);
  EXPECT_FALSE(report.rebuilt_from_echo);

  const common::FrameParams& p = model.params;
  EXPECT_EQ(p.Get<double>(496), 0.16);
  EXPECT_EQ(p.Get<double>(536), 26700000.0);
  EXPECT_EQ(p.Get<float>(716), 50000.0f);
  EXPECT_EQ(p.Get<std::int16_t>(68), -1);
  EXPECT_EQ(p.Get<std::int32_t>(108), 20);
  EXPECT_EQ(p.Get<std::uint8_t>(686), 1);
  EXPECT_EQ(p.Get<std::uint8_t>(679), 1);
  EXPECT_EQ(p.Get<double>(512), 1e-6);
  EXPECT_EQ(p.Get<std::int16_t>(124), 1);
  EXPECT_EQ(p.Get<std::int16_t>(126), 1);
  EXPECT_EQ(p.title(), "");

  // The default cross section and material are written at once.
  EXPECT_EQ(plat::FileSize(position.File("CROSS")), 2 + 140);
  EXPECT_EQ(plat::FileSize(position.File("MATR")), 2 + 112);
  EXPECT_EQ(model.materials[1].modulus(), 26700000.0f);
  EXPECT_EQ(model.cross_sections[1].area(), 0.08f);
  EXPECT_EQ(model.elements.count(), 0);

  EXPECT_EQ(model.extents, common::DrawingExtents::Default());
  EXPECT_EQ(model.editor.drawing_scale, 50);
  EXPECT_FALSE(model.editor.echo_found);
  EXPECT_FALSE(model.editor.load_cases_exist);
  EXPECT_EQ(model.editor.stored_checksum, ParamsChecksum(model.params));
  EXPECT_FALSE(plat::FileExists(position.File("TEST")));
  EXPECT_FALSE(GeometryMarker(position).has_value());
}

TEST(LoadPositionFiles, EditorSettingsFromTheSettingsFolder) {
  struct Case {
    const char* name;
    std::int32_t pen_width;  // written to KELMRDB; -1: no file
    const char* margin;      // FMARGIN; nullptr: no file
    const char* fangen;      // FANGEN; nullptr: no file
    int expected_pen;
    float expected_margin, expected_first, expected_second;
  };
  const Case cases[] = {
      {"no files", -1, nullptr, nullptr, 1, 0.05f, 0.05f, 1.0f},
      {"every file", 3, "  0.125\r\n", "0.2\r\n2.5\r\n", 3, 0.125f, 0.2f, 2.5f},
      {"values that do not read", 99, "x", "0.3 y", 1, 0.05f, 0.3f, 1.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const common::SettingsContext settings = TestSettings();
    const std::string pen = common::JoinSettingsPath(settings, "KELMRDB");
    const std::string margin = common::JoinSettingsPath(settings, "FMARGIN");
    const std::string fangen = common::JoinSettingsPath(settings, "FANGEN");
    for (const std::string& path : {pen, margin, fangen}) plat::RemoveFile(path);
    if (c.pen_width >= 0) {
      ASSERT_TRUE(common::WriteInt32File(pen, c.pen_width));
    }
    if (c.margin) {
      ASSERT_TRUE(plat::WriteTextFile(margin, c.margin));
    }
    if (c.fangen) {
      ASSERT_TRUE(plat::WriteTextFile(fangen, c.fangen));
    }

    FrameModel model;
    ExpectNoMessages(Load(model, testing::TestPosition()));
    EXPECT_EQ(model.editor.pen_width, c.expected_pen);
    EXPECT_EQ(model.editor.margin, c.expected_margin);
    EXPECT_EQ(model.editor.fangen[0], c.expected_first);
    EXPECT_EQ(model.editor.fangen[1], c.expected_second);
  }
}

// Without an echo text nothing is rebuilt: the stored geometry stays (the
// shell's "@G" asks for no more than a plain start).
TEST(LoadPositionFiles, AStartWithoutAnEchoTextKeepsTheStoredGeometry) {
  const common::Position position = testing::TestPosition();
  ASSERT_TRUE(common::WriteInt32File(position.File("GEOMETRY"), 1));
  FrameModel model;
  ExpectNoMessages(Load(model, position));
  EXPECT_EQ(GeometryMarker(position), 1);
}

TEST(LoadPositionFiles, TheEchoTextRebuildsTheModelFiles) {
  const common::Position position = testing::TestPosition();
  testing::WriteBytes(position.TextFile("ECHO_G"), testing::Crlf(kSmallFrame));
  FrameModel model;
  const LoadReport report = Load(model, position);
  ExpectNoMessages(report);
  EXPECT_TRUE(report.rebuilt_from_echo);
  EXPECT_TRUE(model.editor.echo_found);
  EXPECT_EQ(model.params.title(), "Small frame");
  EXPECT_EQ(model.elements.count(), 1);
  EXPECT_EQ(model.nodes.count(), 2);
  EXPECT_EQ(model.supports.count(), 1);
  EXPECT_EQ(model.materials[1].modulus(), 3e7f);
  for (const char* base : {"ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR"}) {
    EXPECT_TRUE(plat::FileExists(position.File(base))) << base;
  }
  EXPECT_EQ(GeometryMarker(position), 0);  // rebuilt files are not a stored geometry
}

TEST(LoadPositionFiles, TheModelFilesAreReadWithoutAnEchoText) {
  const common::Position position = testing::TestPosition();
  testing::WriteBytes(position.TextFile("ECHO_G"), kSmallFrame);
  FrameModel first;
  ExpectNoMessages(Load(first, position));
  ASSERT_TRUE(common::WriteBlockRecord(position.File("PARAMR"), first.params));
  ASSERT_TRUE(plat::RemoveFile(position.TextFile("ECHO_G")));
  ASSERT_TRUE(plat::WriteTextFile(position.LoadCaseFile("PL", 1), "x"));

  FrameModel model;
  const LoadReport report = Load(model, position);
  ExpectNoMessages(report);
  EXPECT_FALSE(report.rebuilt_from_echo);
  EXPECT_EQ(model.elements.count(), 1);
  EXPECT_EQ(model.nodes.count(), 2);
  EXPECT_EQ(model.supports.count(), 1);
  EXPECT_EQ(model.params.element_count(), 1);
  EXPECT_EQ(model.params.node_count(), 2);
  EXPECT_EQ(model.params.support_count(), 1);
  EXPECT_EQ(model.materials[1].modulus(), 3e7f);
  EXPECT_TRUE(model.editor.load_cases_exist);
  EXPECT_EQ(model.params.title(), "");  // a position without echo text starts untitled
}

TEST(LoadPositionFiles, AnEmptyEchoTextRebuildsNothing) {
  const common::Position position = testing::TestPosition();
  testing::WriteBytes(position.TextFile("ECHO_G"), "");
  FrameModel model;
  const LoadReport report = Load(model, position);
  ExpectNoMessages(report);
  EXPECT_FALSE(report.rebuilt_from_echo);
  EXPECT_FALSE(model.editor.echo_found);
  EXPECT_FALSE(GeometryMarker(position).has_value());
}

TEST(LoadPositionFiles, ADamagedTableIsNamedAndLeftOut) {
  const common::Position position = testing::TestPosition();
  const std::int16_t count = 5;  // but only one record follows
  std::vector<std::byte> bytes(2 + 148);
  std::memcpy(bytes.data(), &count, 2);
  ASSERT_TRUE(plat::WriteBlock(position.File("ELEMENTS"), bytes.data(), bytes.size()));
  FrameModel model;
  const LoadReport report = Load(model, position);
  EXPECT_FALSE(report.ends_program);
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_NE(report.messages[0].text().find(position.File("ELEMENTS")), std::string::npos)
      << report.messages[0].text();
  EXPECT_EQ(model.elements.count(), 0);
  EXPECT_EQ(model.params.element_count(), 0);
  EXPECT_EQ(model.materials.count(), 1);  // the rest is loaded
}

TEST(LoadPositionFiles, AnEchoTextThatDoesNotConvertIsReported) {
  const common::Position position = testing::TestPosition();
  std::string text = kSmallFrame;
  text.replace(text.find("1 1.000000 1.000000"), 1, "7");
  testing::WriteBytes(position.TextFile("ECHO_G"), text);
  FrameModel model;
  const LoadReport report = Load(model, position);
  EXPECT_FALSE(report.rebuilt_from_echo);
  ASSERT_EQ(report.messages.size(), 2u);
  EXPECT_EQ(report.messages[0].text(), "Support 1: node 7 does not exist");
  EXPECT_EQ(report.messages[1].caption(), "Hint");
  EXPECT_EQ(model.editor.unread_echo, position.TextFile("ECHO_G"));
  EXPECT_EQ(model.elements.count(), 0);
  EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
  EXPECT_FALSE(GeometryMarker(position).has_value());  // nothing rebuilt, nothing given up
}

TEST(LoadPositionFiles, AfterAPictureTheRebuildLeavesTheExtentsToTheNextDrawing) {
  const common::Position position = testing::TestPosition();
  testing::WriteBytes(position.TextFile("ECHO_G"), kSmallFrame);
  FrameModel model;
  model.editor.pictures_drawn = 1;
  ExpectNoMessages(Load(model, position));
  const auto empty = common::DrawingExtents::Box(1000.0f, 1000.0f, -1000.0f, -1000.0f);
  EXPECT_EQ(model.extents, empty);
  EXPECT_EQ(model.editor.view_extents, empty);
}

TEST(LoadOldData, TheTextOfEachInput) {
  struct Case {
    const char* name;
    const char* file;  // where the text lies in the position folder
    TextInput input;
    bool rebuilt;
  };
  const Case cases[] = {
      {"echo text", "ECHO_G.12.TXT", TextInput::kEchoFile, true},
      {"echo text without .TXT", "ECHO_G.12", TextInput::kEchoFile, true},
      {"edited echo text", "ECHO_G.TMP.TXT", TextInput::kEditedEcho, true},
      {"the echo text is not the edited one", "ECHO_G.12.TXT", TextInput::kEditedEcho, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const common::Position position(plat::testing::TestFolder() + c.name + "/", ".12");
    ASSERT_TRUE(common::EnsurePositionFolder(position));
    testing::WriteBytes(position.folder() + c.file, kSmallFrame);
    FrameModel model = testing::StartModel();
    const LoadReport report = LoadOldData(model, position, c.input);
    EXPECT_EQ(report.rebuilt_from_echo, c.rebuilt);
    EXPECT_EQ(model.elements.count(), c.rebuilt ? 1 : 0);
    EXPECT_EQ(report.messages.size(), c.rebuilt ? 0u : 1u);
    // New model files give up the stored geometry; a text not read changes nothing.
    EXPECT_EQ(GeometryMarker(position), c.rebuilt ? std::optional<std::int32_t>(0) : std::nullopt);
  }
}

TEST(LoadOldData, AMissingTextIsNamed) {
  const common::Position position = testing::TestPosition();
  FrameModel model = testing::StartModel();
  const LoadReport report = LoadOldData(model, position, TextInput::kEchoFile);
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(report.messages[0].text(),
            " Neither the file ECHO_G.12.TXT nor the following file exist\n" + position.TextFile("ECHO_G"));
  EXPECT_EQ(report.messages[0].caption(), "Hint");
}

TEST(LoadOldData, FrameParamsAreResetThenReadFromParamr) {
  for (const bool stored : {false, true}) {
    SCOPED_TRACE(stored ? "with PARAMR" : "without PARAMR");
    const common::Position position(plat::testing::TestFolder() + (stored ? "p/" : "n/"), ".12");
    ASSERT_TRUE(common::EnsurePositionFolder(position));
    testing::WriteBytes(position.TextFile("ECHO_G"), kSmallFrame);
    common::FrameParams params;
    params.Set<std::uint8_t>(600, 7);  // not interpreted: carried
    params.Set<std::int32_t>(0, 5);    // cleared on reset
    if (stored) {
      ASSERT_TRUE(common::WriteBlockRecord(position.File("PARAMR"), params));
    }

    FrameModel model = testing::StartModel();
    model.params.Set<std::int32_t>(0, 9);
    ExpectNoMessages(LoadOldData(model, position, TextInput::kEchoFile));
    EXPECT_EQ(model.params.Get<std::uint8_t>(600), stored ? 7 : 0);
    EXPECT_EQ(model.params.Get<std::int32_t>(0), stored ? 5 : 0);
  }
}

}  // namespace
}  // namespace kelmf
