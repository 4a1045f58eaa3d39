// The geometry editor's window opened in process: its frame, Store, End,
// the close box, the status bar and the cursor.
#include <gtest/gtest.h>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/frame_drawing.h"
#include "geometry/editor/kelmw_app.h"
#include "geometry/editor/main_frame.h"
#include "geometry/model/element_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/tests/drawing_fixture.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/frame_builder.h"
#include "geometry/tests/position_fixture.h"
#include "platform/frames/view.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/window/cursor.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
using testing::CommandLine;
using testing::OpenedEditor;
using testing::ReadAll;

namespace {

using testing::GeometryMarker;

bool WriteAll(const std::string& path, std::string_view text) { return plat::WriteBlock(path, text.data(), text.size()); }

TEST(EditorWindow, OpensThePositionInAMaximisedFrameWithItsBars) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  CMainFrame& frame = editor.frame();
  EXPECT_TRUE(frame.IsZoomed());
  EXPECT_EQ(frame.GetWindowText(), "Position PORTAL");
  EXPECT_EQ(plat::testing::MenuBarTexts(frame), (std::vector<std::string>{"&Position", "&View"}));
  EXPECT_EQ(frame.tool_bar().GetWindowText(), "Standard");
  ASSERT_EQ(frame.tool_bar().GetCount(), 6);
  EXPECT_EQ(frame.status_bar().GetCount(), 5);
  const plat::Menu* edit = editor.app.GetContextMenu("Bearbeiten");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetMenuString(2, plat::MF_BYPOSITION), "&Einf\xFCgen\tCtrl+V");
  plat::testing::IdleUpdate(frame);
  EXPECT_TRUE(plat::testing::ToolButtonEnabled(frame.tool_bar(), ids::kStore));
  EXPECT_TRUE(plat::testing::ToolButtonEnabled(frame.tool_bar(), ids::kPrint));
  EXPECT_TRUE(plat::testing::ToolButtonEnabled(frame.tool_bar(), ids::kDimensionsButton));
  EXPECT_FALSE(plat::testing::ToolButtonPressed(frame.tool_bar(), ids::kGrid));
  editor.session().view.grid_tool = true;
  editor.session().view.graphical_input = true;
  plat::testing::IdleUpdate(frame);
  EXPECT_TRUE(plat::testing::ToolButtonPressed(frame.tool_bar(), ids::kGrid));
  EXPECT_TRUE(plat::testing::ToolButtonPressed(frame.tool_bar(), ids::kGraphicalInput));
  EXPECT_EQ(editor.Boxes(), "");
  EXPECT_FALSE(editor.quit.code());
  // The window as the screen shows it, for the eye.
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(frame).Save(snapshots + "kelmf-window.png").ok());
}

TEST(EditorWindow, StoreOfACheckedFrameWritesTheMarkerAndEnds) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  EXPECT_EQ(GeometryMarker(position), 0);
  EXPECT_TRUE(plat::testing::ChooseMenuItem(editor.frame(), {"&Position", "S&tore\tCtrl+S"}));
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_EQ(GeometryMarker(position), 1);
  EXPECT_EQ(plat::FileSize(position.File("INVERSE")), 1152);
  const auto params = common::ReadBlockRecord<common::FrameParams>(position.File("PARAMR"));
  ASSERT_TRUE(params.status.ok());
  EXPECT_EQ(params.record.support_stiffness(), 5580000.0f);
  EXPECT_EQ(ReadAll(position.TextFile("ECHO_G")), ReadAll(plat::testing::SourceFolder() + "examples/ECHO_G.PORTAL.TXT"));
}

TEST(EditorWindow, StoreOfAMechanismStaysAndShowsItsPoles) {
  const common::Position position = testing::TestPosition();
  ASSERT_TRUE(WriteAll(position.TextFile("ECHO_G"),
                                   "TITEL\r\nOne bar\r\nMATERIAL\r\n1\r\n1 26700000.00 0.000000\r\n"
                                   "CROSSECTIONS\r\n1\r\n1 0.200 0.400 8.0000E-02 1.0667E-03\r\n"
                                   "ELEMENTS\r\n1\r\n1 0.00 0.00 3.00 4.00 0 0 1 1 1 1\r\n"
                                   "NODES\r\n2\r\n1 0.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00\r\n"
                                   "2 3.00 4.00  0.0000E+00  0.0000E+00  0.0000E+00\r\n"
                                   "SUPPORTS\r\n1\r\n1 1.000000 1.000000 0.000000\r\n"));
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  editor.Command(ids::kStore);
  EXPECT_NE(editor.Boxes().find("Singularity in row 6"), std::string::npos) << editor.Boxes();
  EXPECT_FALSE(editor.quit.code());
  EXPECT_NE(GeometryMarker(position), 1);

  EditorSession& s = editor.session();
  plat::RecordingDc dc;
  ASSERT_TRUE(Zeichnen(dc, s.model, s.view, s.pens, DrawArea{plat::Rect{0, 0, 1000, 800}, 900, 720}));
  const int d = s.model.editor.drawing_scale;
  const auto at = [&](double x, double z) { return dc.LPtoDP(plat::Point{int(x * d), int(z * d)}); };
  EXPECT_TRUE(testing::HasCircleAt(dc, plat::Rgb(255, 0, 0), at(3, 4)));
  EXPECT_TRUE(testing::HasLine(dc, at(3, 4), at(-1, 7)));
  EXPECT_TRUE(testing::HasCircleAt(dc, plat::Rgb(255, 0, 0), at(0, 0)));
  EXPECT_NE(testing::TextCall(dc, "Pole 1"), nullptr);
}

TEST(EditorWindow, EndWritesTheEchoWithNodesRebuiltFromTheElements) {
  const common::Position position = testing::TestPosition();
  FrameModel model = testing::Frame({{0, 0, 0, 3}, {0, 3, 4, 3}});
  ASSERT_TRUE(WriteElements(model, position).ok());
  ASSERT_TRUE(StoreTable(position.File(common::file_names::kMaterials), model.materials).ok());
  ASSERT_TRUE(StoreTable(position.File(common::file_names::kCrossSections), model.cross_sections).ok());
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position)));
  ASSERT_EQ(editor.session().model.nodes.count(), 0);
  EXPECT_TRUE(plat::testing::ChooseMenuItem(editor.frame(), {"&Position", "&End\t2 x ESC"}));
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
  const std::string echo = ReadAll(position.TextFile("ECHO_G"));
  EXPECT_NE(echo.find("NODES\r\n3\r\n"), std::string::npos) << echo;
  EXPECT_EQ(GeometryMarker(position), 0);  // new model files: not a stored geometry
}

TEST(EditorWindow, EndWithoutElementsWritesNoEcho) {
  const common::Position position = testing::TestPosition();
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position)));
  editor.Command(ids::kEnd);
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_FALSE(plat::FileExists(position.TextFile("ECHO_G")));
}

TEST(EditorWindow, EndAfterAnEditRemovesTheInverseOfTheFormerFrame) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  editor.Command(ids::kStore);
  ASSERT_EQ(editor.quit.code(), 1);
  ASSERT_TRUE(plat::FileExists(position.File("INVERSE")));
  // An edit after the store: element 1 starts half a metre further right.
  editor.session().model.elements[1].set_xa(editor.session().model.elements[1].xa() + 0.5f);
  editor.session().model.editor.model_changed = true;
  editor.Command(ids::kEnd);
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));
  EXPECT_FALSE(plat::FileExists(position.File("FLEXDIA")));
  EXPECT_EQ(GeometryMarker(position), 0);
}

TEST(EditorWindow, EndWithoutAnEditKeepsTheStoredGeometry) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  editor.Command(ids::kStore);
  ASSERT_EQ(GeometryMarker(position), 1);
  const std::string inverse = ReadAll(position.File("INVERSE"));
  editor.Command(ids::kEnd);
  EXPECT_EQ(ReadAll(position.File("INVERSE")), inverse);
  EXPECT_EQ(GeometryMarker(position), 1);
  EXPECT_EQ(ReadAll(position.TextFile("ECHO_G")), ReadAll(plat::testing::SourceFolder() + "examples/ECHO_G.PORTAL.TXT"));
}

// End says what was not saved and asks; No keeps the editor, Yes ends it.
TEST(EditorWindow, AnEchoThatCannotBeWrittenIsShownAndTheEditorEndsOnlyWhenAsked) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  const std::string echo = position.TextFile("ECHO_G");
  // A folder in the echo's place.
  ASSERT_TRUE(plat::RemoveFile(echo));
  ASSERT_TRUE(plat::MakeFolder(echo));
  editor.boxes.Answer(plat::IDNO);
  editor.Command(ids::kEnd);
  EXPECT_FALSE(editor.quit.code());
  EXPECT_NE(editor.Boxes().find(echo), std::string::npos) << editor.Boxes();
  EXPECT_NE(editor.Boxes().find("End all the same?"), std::string::npos) << editor.Boxes();
  editor.boxes.Answer(plat::IDYES);
  editor.Command(ids::kEnd);
  EXPECT_EQ(editor.quit.code(), 1);
}

TEST(EditorWindow, TheCloseBoxEndsAsEnd) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  const std::string echo = position.TextFile("ECHO_G");
  ASSERT_TRUE(plat::RemoveFile(echo));
  editor.frame().SendMessage(plat::WM_CLOSE);
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_TRUE(plat::FileExists(echo));
  EXPECT_TRUE(editor.frame().IsWindowVisible());  // the program ends through WM_QUIT, not by the close
}

// The whole text, also in the window maximised on a screen 800 pixels wide.
TEST(EditorWindow, StartedToRebuildItSaysThatTheShellWaitsForStore) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  for (const bool rebuild : {true, false}) {
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(CommandLine(position, rebuild)));
    const std::string shown = plat::testing::PaneTextShown(editor.frame().status_bar(), 0);
    EXPECT_EQ(shown.find("Store") != std::string::npos, rebuild) << shown;
    plat::Rect frame;
    editor.frame().GetWindowRect(&frame);
    ASSERT_TRUE(editor.frame().IsZoomed());
    ASSERT_LE(frame.Width(), 800);
    EXPECT_GE(plat::testing::PaneRoomBesideText(editor.frame().status_bar(), 0), 0) << shown;
  }
}

TEST(EditorWindow, TheStatusBarShowsTheMouseInMetres) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  editor.session().model.editor.drawing_scale = 50;
  editor.session().view.mouse_logical = plat::Point{1250, 750};
  editor.frame().SendMessage(ids::kMouseCoordinates, 1);
  EXPECT_EQ(plat::testing::PaneTextShown(editor.frame().status_bar(), 3), "25.00  15.00");
  const int beeps = plat::testing::BeepCount();
  editor.frame().SendMessage(ids::kCoordinateMessage);
  EXPECT_EQ(plat::testing::BeepCount(), beeps + 1);
  EXPECT_EQ(plat::testing::PaneTextShown(editor.frame().status_bar(), 1), "XXXXXX 25.00  15.00");
  EXPECT_EQ(plat::testing::PaneTextShown(editor.frame().status_bar(), 2), "y = 15.00");
  editor.session().view.status_text = "Graphical input";
  editor.frame().SendMessage(ids::kStatusText);
  EXPECT_EQ(plat::testing::PaneTextShown(editor.frame().status_bar(), 0), "Graphical input");
  EXPECT_EQ(editor.frame().SendMessage(ids::kQuietMessage), 0);
}

TEST(EditorWindow, TheApplicationLookIsChosenAndKept) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  EXPECT_EQ(editor.app.GetApplicationLook(), 215);
  editor.Command(208);
  EXPECT_EQ(editor.app.GetApplicationLook(), 208);
  plat::CmdUI ui(208);
  EXPECT_TRUE(editor.frame().OnCmdMsg(208, plat::CN_UPDATE_COMMAND_UI, &ui));
  EXPECT_EQ(ui.check(), 1);
}

TEST(EditorWindow, TheDrawingCursorShowsOverThePictureOnly) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  plat::testing::FakeInput input;
  CMainFrame& frame = editor.frame();
  const auto cursor_at = [&](plat::Point client) {
    frame.ClientToScreen(&client);
    input.SetCursorPos(client);
    frame.SendMessage(plat::WM_SETCURSOR, 0, plat::MAKELPARAM(plat::HTCLIENT, plat::WM_MOUSEMOVE));
    return plat::CursorId(plat::GetCursor());
  };
  EXPECT_EQ(cursor_at({500, 300}), ids::kDrawingCursor);
  EXPECT_EQ(cursor_at({500, 20}), plat::IDC_ARROW);
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

TEST(EditorWindow, PrintsTheFrameInLandscapeUnderThePositionLine) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  const std::string pdf = plat::testing::TestFolder() + "print.pdf";
  plat::testing::PrintToPdf print_to(pdf);
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  const std::string echo = ReadAll(position.TextFile("ECHO_G"));
  EXPECT_TRUE(plat::testing::ChooseMenuItem(editor.frame(), {"&Position", "&Print...\tCtrl+P"}));
  plat::testing::PumpMessages();
  const auto pages = plat::testing::PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_GT(pages[0].width, pages[0].height);  // 6 m wide, 4 m high
  const std::string text = plat::testing::PdfPageText(pdf, 1);
  // (pdftotext joins blanks)
  EXPECT_NE(text.find("Pos. PORTAL Portal frame 6 m x 4 m, left foot clamped, right foot hinged"), std::string::npos)
      << text;
  EXPECT_NE(text.find("6.00"), std::string::npos) << text;
  EXPECT_FALSE(editor.quit.code());
  EXPECT_EQ(ReadAll(position.TextFile("ECHO_G")), echo);
}

TEST(EditorWindow, TheKeyXEnds) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  plat::View* view = editor.frame().GetActiveView();
  ASSERT_NE(view, nullptr);
  plat::testing::TypeText(*view, "x");
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
}

}  // namespace
}  // namespace kelmf

namespace kelmf {
namespace {

TEST(EditorWindow, TwoEscapesWithinASecondEnd) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  plat::testing::FakeClock clock;
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  plat::View& view = *editor.frame().GetActiveView();
  plat::testing::PressKey(view, plat::VK_ESCAPE);
  clock.AdvanceMilliseconds(1500);
  plat::testing::PressKey(view, plat::VK_ESCAPE);  // too late: counts as a second one only
  plat::testing::PressKey(view, plat::VK_ESCAPE);  // a first one again
  clock.AdvanceMilliseconds(400);
  plat::testing::PumpMessages();
  EXPECT_FALSE(editor.quit.code());
  plat::testing::PressKey(view, plat::VK_ESCAPE);
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
}

TEST(EditorWindow, TheMouseXButtonEnds) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  plat::testing::MouseDown(*editor.frame().GetActiveView(), {100, 100}, plat::testing::MouseButton::kX1);
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
}

}  // namespace
}  // namespace kelmf
