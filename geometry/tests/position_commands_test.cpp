// The position commands of the geometry editor's view (New, Store as, Open)
// and its small commands (the picture to the clipboard, the keys help, the
// auxiliary lines, Escape with the grid on).
#include <gtest/gtest.h>

#include <filesystem>

#include "common/settings_files.h"
#include "geometry/editor/editor_dialogs.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/position_commands.h"
#include "geometry/position/editor_settings.h"
#include "platform/dialogs/folder_dialog.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/frame_builder.h"
#include "geometry/tests/position_fixture.h"
#include "platform/print/picture.h"
#include "platform/process.h"
#include "platform/testing/write_faults.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

std::string Extr(EditorSession& s) {
  return common::ReadTextBlock(common::JoinSettingsPath(s.settings, "EXTR")).value_or("(none)");
}

struct Editor : testing::OpenedEditor {
  explicit Editor(const common::Position& position, bool rebuild = false) {
    EXPECT_TRUE(Open(testing::CommandLine(position, rebuild)));
  }
  CKELMWView& view() { return static_cast<CKELMWView&>(*frame().GetActiveView()); }
  std::string Title() { return frame().GetWindowText(); }
};

TEST(PositionCommands, NewAfterADrawnElementAsksToSaveAndWritesTheEcho) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  editor.Command(ids::kGraphicalInput);
  plat::testing::Click(editor.view(), {300, 300});
  plat::testing::Click(editor.view(), {500, 300});
  plat::testing::PumpMessages();
  ASSERT_EQ(editor.session().model.elements.count(), 1);
  editor.boxes.Answer(plat::IDYES);
  editor.Command(ids::kNew);
  EXPECT_EQ(editor.Boxes(), "Erase\tSave changes?\n");
  EXPECT_NE(testing::ReadAll(position.TextFile("ECHO_G")).find("ELEMENTS\r\n1\r\n"), std::string::npos);
  EXPECT_EQ(editor.Title(), "Position NEW");
  EXPECT_EQ(editor.session().position.ext(), ".NEW");
  EXPECT_EQ(Extr(editor.session()), ".NEW");
  EXPECT_EQ(editor.session().model.elements.count(), 0);
  EXPECT_FALSE(editor.session().view.graphical_input);
  EXPECT_FALSE(editor.quit.code());

  editor.boxes.Answer(plat::IDNO);
  editor.Command(ids::kNew);
  EXPECT_EQ(editor.Boxes(), "Erase\tSave changes?\nNew frame\tNew frame ? Erase screen?\n");

  // End keeps a frame drawn after New in the folder of "NEW".
  editor.Command(ids::kGraphicalInput);
  plat::testing::Click(editor.view(), {300, 300});
  plat::testing::Click(editor.view(), {500, 300});
  editor.Command(ids::kEnd);
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_NE(testing::ReadAll(position.data_path() + "SDIRNEW/ECHO_G.NEW.TXT").find("ELEMENTS\r\n1\r\n"),
            std::string::npos);
}

// With a settings folder that cannot be used (a file in its place) the
// editor writes no setting beside the program: New names the EXTR it could
// not write, the pen width too, and the current folder stays empty.
TEST(PositionCommands, SettingsAreNeverWrittenBesideTheProgram) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  const std::string blocked = plat::testing::TestFolder() + "blocked";
  ASSERT_TRUE(plat::WriteBlock(blocked, "x", 1));
  editor.session().settings = common::SettingsContext{blocked, false};
  const std::string here = plat::testing::TestFolder() + "here/";
  ASSERT_TRUE(plat::MakeFolder(here));
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(here);
  editor.Command(ids::kNew);
  const common::Result pen = WritePenWidth(editor.session().model.editor, editor.session().settings);
  std::filesystem::current_path(previous);
  EXPECT_EQ(editor.Boxes(), "New frame\tNew frame ? Erase screen?\nError\tThe file " + blocked +
                               "/EXTR cannot be stored!\n");
  EXPECT_EQ(pen.text(), "The file " + blocked + "/KELMRDB cannot be stored!");
  EXPECT_TRUE(std::filesystem::is_empty(here));
}

TEST(PositionCommands, CancelOfSaveChangesKeepsTheFrame) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  Editor editor(position, true);
  editor.session().model.editor.model_changed = true;
  editor.boxes.Answer(plat::IDCANCEL);
  editor.Command(ids::kNew);
  EXPECT_EQ(editor.session().model.elements.count(), 3);
  EXPECT_EQ(editor.Title(), "Position PORTAL");
}

TEST(PositionCommands, StoreAsTakesATrimmedNameAndRefusesAPath) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(d.Caption(), "Store");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kPosition), "12");
    plat::testing::SetItemText(d, dlg::kPosition, "a/b");
    plat::testing::Press(d, plat::IDOK);
  });
  script.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kPosition), "a/b");
    plat::testing::SetItemText(d, dlg::kPosition, "  A2 ");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kStoreAs);
  ASSERT_EQ(script.shown().size(), 3u);
  EXPECT_EQ(script.shown()[1].caption, "Error");
  EXPECT_NE(script.shown()[1].text.find("a/b"), std::string::npos);
  EXPECT_TRUE(plat::FolderExists(position.data_path() + "SDIRA2"));
  EXPECT_FALSE(plat::FolderExists(position.data_path() + "SDIRa"));
  EXPECT_EQ(Extr(editor.session()), ".A2");
  EXPECT_EQ(editor.Title(), "Position A2");
  EXPECT_EQ(editor.session().position.folder(), position.data_path() + "SDIRA2/");
}

TEST(PositionCommands, PositionNamesThatCannotNameAFolderAreRefused) {
  for (const std::string& name : std::vector<std::string>{"", "a\\b", "..", std::string(241, 'x')}) {
    EXPECT_NE(PositionNameFault(name), "") << name;
  }
  EXPECT_EQ(PositionNameFault(std::string(240, 'x')), "");
  EXPECT_EQ(PositionNameFault("A 2"), "");
}

TEST(PositionCommands, OpenLoadsAPositionOfTheDataPathOnly) {
  const common::Position portal = testing::ExamplePosition("PORTAL");
  const common::Position start(portal.data_path(), ".12");
  ASSERT_TRUE(common::EnsurePositionFolder(start));
  Editor editor(start);
  ASSERT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(editor.session().settings, "DPATH"),
                                     portal.data_path()));
  const std::string elsewhere = plat::testing::TestFolder() + "other/SDIRX";
  ASSERT_TRUE(plat::MakeFolder(plat::testing::TestFolder() + "other/"));
  ASSERT_TRUE(plat::MakeFolder(elsewhere));
  plat::testing::DialogScript script;
  script.AnswerFolder(elsewhere);
  script.AnswerFolder(plat::FolderWithoutSlash(portal.folder()));
  editor.Command(ids::kOpen);
  ASSERT_EQ(script.shown().size(), 3u);
  EXPECT_EQ(script.shown()[0].caption, "Pfad + Position");
  EXPECT_EQ(script.shown()[1].caption, "No directory with a position!");
  EXPECT_EQ(script.shown()[1].text, elsewhere);
  EXPECT_EQ(editor.session().position.ext(), ".PORTAL");
  EXPECT_EQ(editor.session().model.elements.count(), 3);
  EXPECT_EQ(editor.Title(), "Position PORTAL");
  EXPECT_EQ(Extr(editor.session()), ".PORTAL");
}

TEST(PositionCommands, CopyToClipboardPutsTheShownPictureThere) {
  Editor editor(testing::ExamplePosition("PORTAL"), true);
  editor.view().UpdateWindow();
  editor.Command(ids::kCopyToClipboard);
  const plat::Bitmap copied = plat::GetClipboardImage();
  plat::Rect client;
  editor.view().GetClientRect(&client);
  EXPECT_EQ(copied.width(), client.Width());
  EXPECT_EQ(copied.height(), client.Height());
}

TEST(PositionCommands, HelpOpensTheKeysPageElseStartsTheHelpViewer) {
  Editor editor(testing::TestPosition());
  plat::testing::ProcessRecorder processes;
  editor.Command(ids::kKeysHelp);
  processes.FailNext("no viewer for pages");
  editor.Command(ids::kKeysHelp);
  ASSERT_EQ(processes.calls().size(), 3u);
  using Kind = plat::hooks::ProcessCall::Kind;
  EXPECT_EQ(processes.calls()[0].kind, Kind::kOpenDocument);
  EXPECT_EQ(processes.calls()[0].program, plat::ProgramFolder() + "KELMFKEYS.HTM");
  EXPECT_EQ(processes.calls()[2].kind, Kind::kStartDetached);
  EXPECT_EQ(processes.calls()[2].program, plat::SiblingProgram("LERVENTA.EXE"));
  EXPECT_EQ(processes.calls()[2].args, std::vector<std::string>{"KELMFKEYS.HTM"});
  EXPECT_EQ(editor.Boxes(), "");
}

TEST(PositionCommands, AuxLinesDrawTheGridWithoutTheGridTool) {
  Editor editor(testing::TestPosition());
  editor.Command(ids::kAuxLines);
  EXPECT_TRUE(editor.session().view.aux_lines);
  EXPECT_FALSE(editor.session().view.grid_tool);
  plat::CmdUI ui(ids::kAuxLines);
  EXPECT_TRUE(editor.view().OnCmdMsg(ids::kAuxLines, plat::CN_UPDATE_COMMAND_UI, &ui));
  EXPECT_EQ(ui.check(), 1);
}


TEST(PositionCommands, EscapeWithTheGridOnEndsGraphicalInputThenTheGrid) {
  Editor editor(testing::ExamplePosition("PORTAL"), true);
  ViewState& view = editor.session().view;
  view.grid_tool = true;
  editor.Command(ids::kGraphicalInput);
  plat::testing::PressKey(editor.view(), plat::VK_ESCAPE);
  EXPECT_FALSE(view.graphical_input);
  EXPECT_TRUE(view.grid_tool);
  plat::testing::PressKey(editor.view(), plat::VK_ESCAPE);
  EXPECT_FALSE(view.grid_tool);
  EXPECT_FALSE(editor.view().hint().IsWindowVisible());
  EXPECT_FALSE(editor.quit.code());
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

TEST(PositionCommands, AboutShowsTheAboutBoxAndF1TheManual) {
  Editor editor(testing::TestPosition());
  plat::testing::DialogScript script;
  script.PressNext(plat::IDOK);
  editor.Command(ids::kAbout);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].caption, "About KELMF");
  // No manual beside the test program: F1 reaches the manual command, which says so.
  plat::testing::PressKey(editor.view(), plat::VK_F1);
  plat::testing::PumpMessages();
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[1].caption, "Attention");
  EXPECT_EQ(script.shown()[1].text, "File KELMF.PDF not found!");
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

TEST(PositionCommands, StoreAsAsksAgainWhenTheFolderCannotBeMade) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  ASSERT_TRUE(plat::WriteBlock(position.data_path() + "SDIRB", "x", 1));  // a file where the folder would go
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, dlg::kPosition, "B");
    plat::testing::Press(d, plat::IDOK);
  });
  script.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kPosition), "B");
    plat::testing::Press(d, plat::IDCANCEL);
  });
  editor.Command(ids::kStoreAs);
  ASSERT_EQ(script.shown().size(), 3u);
  EXPECT_EQ(script.shown()[1].caption, "Error");
  EXPECT_EQ(script.shown()[1].text, "Directory " + position.data_path() + "SDIRB cannot be generated!");
  EXPECT_EQ(editor.session().position.ext(), ".12");
  EXPECT_EQ(editor.Title(), "Position 12");
}

TEST(PositionCommands, NewKeepsTheFrameWhenItsEchoCannotBeWritten) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  editor.session().model.elements.Append(testing::MakeElement({0, 0, 4, 0}));
  editor.session().model.editor.model_changed = true;
  ASSERT_TRUE(plat::MakeFolder(position.TextFile("ECHO_G")));  // a folder where the echo goes
  editor.boxes.Answer(plat::IDYES);
  editor.Command(ids::kNew);
  EXPECT_NE(editor.Boxes().find(position.TextFile("ECHO_G")), std::string::npos) << editor.Boxes();
  EXPECT_EQ(editor.session().model.elements.count(), 1);
  EXPECT_EQ(editor.session().position.ext(), ".12");
}

TEST(PositionCommands, OpenKeepsTheFrameWhenThePositionCannotBeLoaded) {
  const common::Position start = testing::ExamplePosition("PORTAL");
  Editor editor(start, true);
  ASSERT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(editor.session().settings, "DPATH"),
                                     start.data_path()));
  plat::testing::DialogScript script;
  script.AnswerFolder(start.data_path() + "SDIRGONE");  // no such folder: nothing can be written there
  editor.Command(ids::kOpen);
  EXPECT_EQ(editor.session().position.ext(), ".PORTAL");
  EXPECT_EQ(editor.session().model.elements.count(), 3);
  EXPECT_EQ(editor.Title(), "Position PORTAL");
  ASSERT_GE(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[1].text, "The file " + start.data_path() + "SDIRGONE/TEST.GONE cannot be stored!");
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

TEST(PositionCommands, StoreOfANewFrameAsksForItsNameFirst) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  editor.boxes.Answer(plat::IDYES);
  editor.Command(ids::kNew);
  ASSERT_EQ(editor.session().position.ext(), ".NEW");
  editor.Command(ids::kGraphicalInput);
  plat::testing::Click(editor.view(), {300, 300});
  plat::testing::Click(editor.view(), {500, 300});
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kPosition), "NEW");
    plat::testing::SetItemText(d, dlg::kPosition, "C3");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kStore);
  EXPECT_EQ(editor.session().position.ext(), ".C3");
  EXPECT_EQ(editor.Title(), "Position C3");
  EXPECT_TRUE(plat::FileExists(position.data_path() + "SDIRC3/ECHO_G.C3.TXT"));
  EXPECT_FALSE(editor.quit.code());  // one bar without supports is a mechanism
}

// New, then Store: a frame without elements is never stored and checked. It
// is refused before it is named, and nothing is written.
TEST(PositionCommands, StoreOfAFrameWithoutElementsIsRefused) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  Editor editor(position);
  editor.boxes.Answer(plat::IDYES);
  editor.Command(ids::kNew);
  ASSERT_EQ(editor.session().model.elements.count(), 0);
  ASSERT_GT(editor.session().model.materials.count(), 0);  // carried over
  const common::Position fresh = editor.session().position;
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(fresh.folder());
  plat::testing::DialogScript script;
  editor.Command(ids::kStore);
  ASSERT_EQ(script.shown().size(), 1u);  // the message, no "Store" dialog
  EXPECT_EQ(script.shown()[0].text, "The frame has no elements: there is nothing to store and check.");
  EXPECT_FALSE(editor.quit.code());
  EXPECT_EQ(plat::testing::SnapshotFolder(fresh.folder()), before);
  EXPECT_FALSE(plat::FileExists(fresh.File("GEOMETRY")));
}

}  // namespace
}  // namespace kelmf
