// The real KELMF on a private X server, used as a person uses it with real
// mouse and key events: Return in a table never stores, a number too large is
// refused at OK, Home shows a focus cell the wheel scrolled away, a click on a
// menu title runs no command, after a tool bar click the keys still reach the
// picture, and a bar of one's own made with the customise button carries
// commands.
#include <gtest/gtest.h>

#include <string>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/text_file.h"
#include "tests/e2e/e2e_positions.h"
#include "tests/e2e/file_bytes.h"
#include "tests/e2e/x_session.h"

namespace {

using e2e::ReadBytes;
using e2e::XGeometry;

// Points of the windows as they are laid out, from their top left corner [pixels].
struct Offset {
  int x, y;
};
constexpr Offset kViewTitle{86, 9};          // the menu title "View"
constexpr Offset kDialogInputItem{132, 96};  // "Dialog Input" in the open "View" menu
constexpr Offset kDimensionsButton{142, 34};  // the tool bar's "Dimensions"
constexpr Offset kCopyButton{250, 34};        // the tool bar's "Copy to Clipboard"
constexpr Offset kPicture{512, 420};         // inside the picture
constexpr Offset kElementsButton{48, 53};    // the Input panel's buttons
constexpr Offset kSupportsButton{48, 84};
constexpr Offset kSectionsButton{61, 115};
constexpr Offset kMaterialButton{48, 146};
constexpr Offset kSecondRowCell{150, 60};  // a data cell of row 2 of a table's grid
constexpr Offset kTableCells{90, 32};       // the nodes table's data cells below their headings
constexpr Offset kTableCellsSize{430, 250};

struct KelmfOnX {
  e2e::XSession x;
  common::Position position;
  std::string messages;
  pid_t kelmf = -1;
  XGeometry frame;

  KelmfOnX()
      : position(e2e::PositionWithEchoes("PORTAL", e2e::ExampleText("ECHO_G", "PORTAL"),
                                         e2e::ExampleText("ECHO_L", "PORTAL"))),
        messages(plat::testing::TestFolder() + "messages.txt") {}

  // KELMF started on the position. With `logged_boxes` its message boxes go to the file (and its
  // script only waits); else they are windows of their own that a person answers.
  bool Start(bool logged_boxes) {
    const std::string script = plat::testing::TestFolder() + "script/";
    if (!plat::MakeFolder(script) || !plat::WriteTextFile(script + "KELMF.script", "wait 600000\n")) return false;
    const std::vector<std::pair<std::string, std::string>> logged = {{"PLAT_MESSAGES", messages},
                                                                     {"PLAT_SCRIPT", script}};
    const std::vector<std::pair<std::string, std::string>> shown = {{"PLAT_MESSAGES", ""}, {"PLAT_SCRIPT", ""}};
    kelmf = x.Start("KELMF", {position.ext(), "@" + position.data_path()}, logged_boxes ? logged : shown);
    const auto window = x.FindWindow("^Position PORTAL$");
    if (!window) return false;
    const auto geometry = x.Geometry(*window);
    if (!geometry) return false;
    frame = *geometry;
    x.Settle(500);
    return true;
  }
  bool ClickAt(const XGeometry& window, Offset offset) {
    const bool clicked = x.Click(window.x + offset.x, window.y + offset.y);
    x.Settle(400);
    return clicked;
  }
  // The Input panel opened with View, Dialog Input.
  std::optional<XGeometry> InputPanel() {
    if (!ClickAt(frame, kViewTitle) || !ClickAt(frame, kDialogInputItem)) return std::nullopt;
    return Window("^Input$");
  }
  std::optional<XGeometry> Window(const std::string& title) {
    const auto id = x.FindWindow(title, 10);
    return id ? x.Geometry(*id) : std::nullopt;
  }
  // The pixels of the picture (the frame below its bars).
  std::optional<e2e::XPicture> Picture() {
    x.Settle(400);
    return x.Grab();
  }
  XGeometry PictureArea() const { return {frame.x + 20, frame.y + 100, frame.width - 40, frame.height - 160}; }
  std::string Messages() const { return ReadBytes(messages); }
};

TEST(KelmfOnX, ReturnInATableNeverStoresAndANumberTooLargeIsRefused) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  KelmfOnX k;
  ASSERT_TRUE(k.x.ok()) << k.x.error();
  ASSERT_TRUE(k.Start(true)) << k.x.StderrOf(k.kelmf);
  const std::string elements = ReadBytes(k.position.File("ELEMENTS"));
  const std::string nodes = ReadBytes(k.position.File("NODES"));
  const std::string sections = ReadBytes(k.position.File("CROSS"));
  const std::string materials = ReadBytes(k.position.File("MATR"));
  ASSERT_FALSE(elements.empty());

  const auto panel = k.InputPanel();
  ASSERT_TRUE(panel) << k.x.StderrOf(k.kelmf);

  // The elements table: a click on a cell, Return.
  ASSERT_TRUE(k.ClickAt(*panel, kElementsButton));
  const auto table = k.Window("^Frame elements$");
  ASSERT_TRUE(table);
  ASSERT_TRUE(k.ClickAt(*table, kSecondRowCell));  // ends the edit the table opened with
  ASSERT_TRUE(k.x.Key("Return"));
  k.x.Settle(600);
  EXPECT_TRUE(k.x.WindowShown("^Frame elements$"));
  EXPECT_EQ(ReadBytes(k.position.File("ELEMENTS")), elements);

  // Forty digits typed into the cell Return opened, then OK (Alt+O): the message, nothing stored.
  ASSERT_TRUE(k.x.Key("ctrl+a"));
  ASSERT_TRUE(k.x.Type(std::string(40, '9')));
  ASSERT_TRUE(k.x.Key("Return"));
  k.x.Settle(300);
  ASSERT_TRUE(k.x.Key("Escape"));
  k.x.Settle(300);
  ASSERT_TRUE(k.x.Key("alt+o"));
  k.x.Settle(800);
  EXPECT_NE(k.Messages().find("Input error\tRow 2, column "), std::string::npos) << k.Messages();
  EXPECT_NE(k.Messages().find(std::string(40, '9') + "\" is too large for the files."), std::string::npos)
      << k.Messages();
  EXPECT_TRUE(k.x.WindowShown("^Frame elements$"));
  EXPECT_EQ(ReadBytes(k.position.File("ELEMENTS")), elements);
  // Escape on the changed table: "Discard the changes to the table?", answered Yes.
  ASSERT_TRUE(k.x.Key("Escape"));
  EXPECT_TRUE(k.x.WaitGone("^Frame elements$"));
  EXPECT_NE(k.Messages().find("Discard the changes to the table?"), std::string::npos) << k.Messages();
  EXPECT_EQ(ReadBytes(k.position.File("ELEMENTS")), elements);

  // The modal tables: a click on a cell, Return (it edits the cell, in the nodes nothing); Escape ends
  // the cell's edit, and Escape closes the unchanged table.
  struct Table {
    Offset button;
    const char* title;
    std::string file;
    const std::string* before;
    bool edits;
  } tables[] = {{kSupportsButton, "^Nodes$", "NODES", &nodes, false},
                {kSectionsButton, "^Cross sections$", "CROSS", &sections, true},
                {kMaterialButton, "^Material$", "MATR", &materials, true}};
  for (const Table& t : tables) {
    SCOPED_TRACE(t.title);
    ASSERT_TRUE(k.ClickAt(*panel, t.button));
    const auto dialog = k.Window(t.title);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(k.ClickAt(*dialog, kSecondRowCell));
    ASSERT_TRUE(k.x.Key("Return"));
    k.x.Settle(600);
    EXPECT_TRUE(k.x.WindowShown(t.title));
    EXPECT_EQ(ReadBytes(k.position.File(t.file)), *t.before);
    if (t.edits) {
      ASSERT_TRUE(k.x.Key("Escape"));
      k.x.Settle(300);
      EXPECT_TRUE(k.x.WindowShown(t.title));
    }
    ASSERT_TRUE(k.x.Key("Escape"));
    EXPECT_TRUE(k.x.WaitGone(t.title));
    EXPECT_EQ(ReadBytes(k.position.File(t.file)), *t.before);
  }
  ASSERT_TRUE(k.x.Key("Escape"));  // the panel goes
  EXPECT_TRUE(k.x.WaitGone("^Input$"));
  EXPECT_TRUE(k.x.Running(k.kelmf));
}

// The wheel scrolls a table away from its focus cell on row 1; Home, whose
// target is that cell itself, shows the table from row 1 again.
TEST(KelmfOnX, HomeShowsTheFocusCellOfATableTheWheelScrolledAway) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  KelmfOnX k;
  ASSERT_TRUE(k.x.ok()) << k.x.error();
  ASSERT_TRUE(k.Start(true)) << k.x.StderrOf(k.kelmf);
  const auto panel = k.InputPanel();
  ASSERT_TRUE(panel) << k.x.StderrOf(k.kelmf);
  ASSERT_TRUE(k.ClickAt(*panel, kSupportsButton));
  const auto table = k.Window("^Nodes$");
  ASSERT_TRUE(table);
  ASSERT_TRUE(k.ClickAt(*table, kSecondRowCell));
  ASSERT_TRUE(k.x.Key("Up"));  // the focus on row 1
  const auto top = k.Picture();
  ASSERT_TRUE(top);
  // Five notches down over the table (the pointer rests there since the click).
  ASSERT_TRUE(k.x.Xdotool({"click", "--repeat", "5", "--delay", "50", "5"}));
  const auto scrolled = k.Picture();
  ASSERT_TRUE(scrolled);
  const XGeometry cells{table->x + kTableCells.x, table->y + kTableCells.y, kTableCellsSize.x, kTableCellsSize.y};
  ASSERT_GT(scrolled->Differences(*top, cells), 0) << "the wheel did not scroll the table";
  ASSERT_TRUE(k.x.Key("Home"));
  const auto home = k.Picture();
  ASSERT_TRUE(home);
  EXPECT_EQ(home->Differences(*top, cells), 0) << "Home left row 1 out of view";
  ASSERT_TRUE(k.x.Key("Escape"));
  EXPECT_TRUE(k.x.WaitGone("^Nodes$"));
  EXPECT_TRUE(k.x.Running(k.kelmf));
}

TEST(KelmfOnX, AMenuTitleRunsNoCommandAndKeysReachThePictureAfterAToolBarClick) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  KelmfOnX k;
  ASSERT_TRUE(k.x.ok()) << k.x.error();
  ASSERT_TRUE(k.Start(false)) << k.x.StderrOf(k.kelmf);
  const XGeometry picture = k.PictureArea();

  // A click on the title "View" opens its menu; Escape closes it: "Aux. lines" stays off.
  ASSERT_TRUE(k.x.MoveMouse(k.frame.x + kPicture.x, k.frame.y + kPicture.y));
  const auto before = k.Picture();
  ASSERT_TRUE(before);
  ASSERT_TRUE(k.ClickAt(k.frame, kViewTitle));
  const auto open = k.Picture();
  ASSERT_TRUE(open);
  EXPECT_GT(open->Differences(*before, XGeometry{k.frame.x + kViewTitle.x, k.frame.y + 20, 120, 100}), 200)
      << "the menu did not open";
  ASSERT_TRUE(k.x.Key("Escape"));
  ASSERT_TRUE(k.x.MoveMouse(k.frame.x + kPicture.x, k.frame.y + kPicture.y));
  const auto closed = k.Picture();
  ASSERT_TRUE(closed);
  EXPECT_EQ(closed->Differences(*before, picture), 0) << "a menu title changed the picture";

  // Ctrl+NumPad- makes the picture smaller; after a tool bar click, Ctrl+NumPad+ makes it larger again.
  ASSERT_TRUE(k.x.Key("ctrl+KP_Subtract"));
  const auto smaller = k.Picture();
  ASSERT_TRUE(smaller);
  EXPECT_GT(smaller->Differences(*before, picture), 100);
  ASSERT_TRUE(k.ClickAt(k.frame, kCopyButton));
  ASSERT_TRUE(k.x.MoveMouse(k.frame.x + kPicture.x, k.frame.y + kPicture.y));
  const auto after_click = k.Picture();
  ASSERT_TRUE(after_click);
  ASSERT_TRUE(k.x.Key("ctrl+KP_Add"));
  const auto larger = k.Picture();
  ASSERT_TRUE(larger);
  EXPECT_GT(larger->Differences(*after_click, picture), 100) << "the picture did not zoom";
  EXPECT_EQ(larger->Differences(*before, picture), 0);

  // A message box answered with Return ("Dimensions" before any store: D1 is missing), then Ctrl+NumPad-.
  ASSERT_TRUE(k.ClickAt(k.frame, kDimensionsButton));
  ASSERT_TRUE(k.x.FindWindow("^Missing input$", 10));
  ASSERT_TRUE(k.x.Key("Return"));
  ASSERT_TRUE(k.x.WaitGone("^Missing input$"));
  ASSERT_TRUE(k.x.MoveMouse(k.frame.x + kPicture.x, k.frame.y + kPicture.y));
  ASSERT_TRUE(k.x.Key("ctrl+KP_Subtract"));
  const auto after_box = k.Picture();
  ASSERT_TRUE(after_box);
  EXPECT_EQ(after_box->Differences(*smaller, picture), 0) << "the keys did not reach the picture after the box";

  // "x" ends the editor as End does.
  ASSERT_TRUE(k.x.Key("x"));
  EXPECT_EQ(k.x.WaitExit(k.kelmf, 20), 1) << k.x.StderrOf(k.kelmf);
}

constexpr Offset kCustomizeButton{507, 34};       // the tool bar's "Anpassen..."
constexpr Offset kSecondBarFirstButton{28, 63};  // the first button of the bar under it
// Points of the "Customize" dialog: New..., the menu's field, the first command, Add to tool bar, Close.
constexpr Offset kNewBarButton{68, 284};
constexpr Offset kMenuCombo{570, 39};
constexpr Offset kFirstCommand{530, 63};
constexpr Offset kAddButton{504, 314};
constexpr Offset kCloseButton{645, 353};

// A click on "Anpassen...", a new bar named in its own dialog, "Store" of the menu "Position" put on it, and
// a click on that button stores the frame as the menu's Store does.
TEST(KelmfOnX, ABarOfOnesOwnMadeWithTheCustomiseButtonStoresTheFrame) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  KelmfOnX k;
  ASSERT_TRUE(k.x.ok()) << k.x.error();
  ASSERT_TRUE(k.Start(true)) << k.x.StderrOf(k.kelmf);
  ASSERT_TRUE(k.ClickAt(k.frame, kCustomizeButton));
  const auto dialog = k.Window("^Customize$");
  ASSERT_TRUE(dialog) << k.x.StderrOf(k.kelmf);
  ASSERT_TRUE(k.ClickAt(*dialog, kNewBarButton));
  ASSERT_TRUE(k.Window("^New Tool Bar$"));
  ASSERT_TRUE(k.x.Type("Storing"));
  ASSERT_TRUE(k.x.Key("Return"));
  ASSERT_TRUE(k.x.WaitGone("^New Tool Bar$"));
  // The menu "Position", its third command "Store", added to the new bar.
  ASSERT_TRUE(k.ClickAt(*dialog, kMenuCombo));
  ASSERT_TRUE(k.x.Key("Down"));
  ASSERT_TRUE(k.x.Key("Return"));
  k.x.Settle(300);
  ASSERT_TRUE(k.ClickAt(*dialog, kFirstCommand));
  ASSERT_TRUE(k.x.Key("Down"));
  ASSERT_TRUE(k.x.Key("Down"));
  k.x.Settle(300);
  ASSERT_TRUE(k.ClickAt(*dialog, kAddButton));
  ASSERT_TRUE(k.ClickAt(*dialog, kCloseButton));
  ASSERT_TRUE(k.x.WaitGone("^Customize$"));
  k.x.Settle(400);
  EXPECT_NE(ReadBytes(k.position.File("GEOMETRY")), std::string("\1\0\0\0", 4));
  ASSERT_TRUE(k.ClickAt(k.frame, kSecondBarFirstButton));
  EXPECT_EQ(k.x.WaitExit(k.kelmf, 30), 1) << k.x.StderrOf(k.kelmf);
  EXPECT_EQ(ReadBytes(k.position.File("GEOMETRY")), std::string("\1\0\0\0", 4));
  EXPECT_EQ(k.Messages(), "");
}

}  // namespace
