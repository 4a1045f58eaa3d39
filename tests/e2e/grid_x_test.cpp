// The table control in the real programs on a private X server, with real
// mouse and key events: in PUNDF the title tip over a clipped cell goes when
// the pointer leaves it, a click on it goes through to the cell underneath,
// and a click just after leaving it reaches the cell clicked; in the shell's
// start dialog Return on the table opens the focus cell's editor and no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/settings.h"
#include "common/settings_files.h"
#include "platform/script/script_testing.h"
#include "tests/e2e/e2e_positions.h"
#include "tests/e2e/x_session.h"

namespace {

using e2e::XGeometry;
using e2e::XPicture;

struct Rgb {
  unsigned char r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb PixelAt(const XPicture& picture, int x, int y) {
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) * 3;
  return Rgb{picture.rgb[i], picture.rgb[i + 1], picture.rgb[i + 2]};
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kTipBackground{255, 255, 225};

// How many pixels of `area` have the colour.
int CountOf(const XPicture& picture, const XGeometry& area, Rgb colour) {
  int count = 0;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) count += PixelAt(picture, x, y) == colour ? 1 : 0;
  }
  return count;
}

// The places of the grid lines inside `area` (its frame left out): black runs
// of at least `length` pixels, vertical (their x) or horizontal (their y).
std::vector<int> GridLines(const XPicture& picture, const XGeometry& area, bool vertical, int length) {
  std::vector<int> lines;
  const int outer_from = vertical ? area.x + 1 : area.y + 1;
  const int outer_to = vertical ? area.x + area.width - 1 : area.y + area.height - 1;
  const int inner_from = vertical ? area.y + 1 : area.x + 1;
  const int inner_to = vertical ? area.y + area.height - 1 : area.x + area.width - 1;
  for (int a = outer_from; a < outer_to; ++a) {
    int run = 0;
    for (int b = inner_from; b < inner_to && run < length; ++b) {
      run = PixelAt(picture, vertical ? a : b, vertical ? b : a) == kBlack ? run + 1 : 0;
    }
    if (run >= length) lines.push_back(a);
  }
  return lines;
}

// The visible windows of a program other than `known`, with their geometry.
std::vector<XGeometry> OtherWindows(e2e::XSession& x, pid_t pid, const std::vector<std::string>& known) {
  std::vector<XGeometry> windows;
  for (const std::string& id : x.VisibleWindows({"--pid", std::to_string(pid)})) {
    if (std::find(known.begin(), known.end(), id) != known.end()) continue;
    if (const auto g = x.Geometry(id)) windows.push_back(*g);
  }
  return windows;
}

// Waits until the program shows `count` windows besides `known`.
std::vector<XGeometry> WaitForOtherWindows(e2e::XSession& x, pid_t pid, const std::vector<std::string>& known,
                                           std::size_t count) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  for (;;) {
    std::vector<XGeometry> windows = OtherWindows(x, pid, known);
    if (windows.size() == count || std::chrono::steady_clock::now() > deadline) return windows;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// A window on the screen and the grid lines of the table in it.
struct TableOnScreen {
  XGeometry area;
  std::vector<int> columns;  // right edges of the non-fixed columns
  std::vector<int> rows;     // bottoms of the non-fixed rows
};

// Horizontal lines count from `row_length` pixels on.
std::optional<TableOnScreen> FindTable(e2e::XSession& x, const std::string& window, int row_length) {
  const auto area = x.Geometry(window);
  if (!area) return std::nullopt;
  x.Settle(500);
  const auto grab = x.Grab();
  if (!grab) return std::nullopt;
  return TableOnScreen{*area, GridLines(*grab, *area, true, 150), GridLines(*grab, *area, false, row_length)};
}

TEST(GridOnX, ATitleTipGoesWhenThePointerLeavesAndAClickOnItReachesTheCell) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  const common::Position position = e2e::ComputedExample("BEAM2");
  if (HasFailure()) return;
  e2e::XSession x;
  ASSERT_TRUE(x.ok()) << x.error();
  const pid_t pundf = x.Start("PUNDF", {".BEAM2", "@" + position.data_path()});
  ASSERT_GT(pundf, 0);
  const auto main = x.FindWindow("^Position BEAM2");
  ASSERT_TRUE(main) << x.StderrOf(pundf);
  ASSERT_TRUE(x.Focus(*main));
  ASSERT_TRUE(x.Key("alt+o"));
  x.Settle();
  ASSERT_TRUE(x.Key("p"));  // Loads, Point loads
  const auto table = x.FindWindow("^Point loads$");
  ASSERT_TRUE(table) << x.StderrOf(pundf);
  const std::vector<std::string> known{*main, *table};
  const auto found = FindTable(x, *table, 300);
  ASSERT_TRUE(found);
  const XGeometry* area = &found->area;
  const std::vector<int>& columns = found->columns;
  const std::vector<int>& rows = found->rows;
  ASSERT_GE(columns.size(), 6u);
  ASSERT_GE(rows.size(), 3u);
  // Cell (1, 5), "Size": from the right edge of column 4 to its own; row 1 above
  // the first row line, as tall as the rows below it.
  const int left = columns[3] + 1;
  const int right = columns[4];
  const int bottom = rows[0];
  const int top = bottom - (rows[1] - rows[0]) + 1;
  const int cell_x = (left + right) / 2;
  const int cell_y = (top + bottom) / 2;
  const int elsewhere_x = (columns[4] + columns[5]) / 2;  // cell (3, 6)
  const int elsewhere_y = (rows[1] + rows[2]) / 2;

  // A number wider than its cell, then the focus elsewhere.
  ASSERT_TRUE(x.Click(cell_x, cell_y));
  x.Settle();
  ASSERT_TRUE(x.Type("123456789012345"));
  ASSERT_TRUE(x.Key("Return"));
  x.Settle();
  ASSERT_TRUE(x.Click(elsewhere_x, elsewhere_y));  // ends an editor that Return opened
  x.Settle();
  const auto before = x.Grab();
  ASSERT_TRUE(before);
  EXPECT_EQ(PixelAt(*before, cell_x, top), kWhite);  // no focus frame on the cell

  // Resting on the cell shows the whole number over it, wider than the cell.
  ASSERT_TRUE(x.MoveMouse(cell_x, cell_y));
  std::vector<XGeometry> tips = WaitForOtherWindows(x, pundf, known, 1);
  ASSERT_EQ(tips.size(), 1u) << "no tip over the cell";
  EXPECT_EQ(tips[0].x, left);
  EXPECT_EQ(tips[0].y, top);
  EXPECT_GT(tips[0].x + tips[0].width, right + 1);
  x.Settle();
  const auto shown = x.Grab();
  ASSERT_TRUE(shown);
  // Where the tip reaches beyond the cell, mostly its own background.
  const XGeometry beyond{right + 1, tips[0].y, tips[0].x + tips[0].width - right - 1, tips[0].height};
  EXPECT_EQ(CountOf(*before, beyond, kTipBackground), 0);
  EXPECT_GT(CountOf(*shown, beyond, kTipBackground), beyond.width * beyond.height / 2);

  // The pointer leaves it: it is unmapped.
  ASSERT_TRUE(x.MoveMouse(elsewhere_x, elsewhere_y));
  EXPECT_TRUE(WaitForOtherWindows(x, pundf, known, 0).empty()) << "the tip stayed after the pointer left";

  // Back on the cell and a click on the tip: the tip goes and the cell underneath has the focus.
  ASSERT_TRUE(x.MoveMouse(cell_x, cell_y));
  ASSERT_EQ(WaitForOtherWindows(x, pundf, known, 1).size(), 1u) << "no tip the second time";
  ASSERT_TRUE(x.Click(cell_x, cell_y));
  EXPECT_TRUE(WaitForOtherWindows(x, pundf, known, 0).empty()) << "the tip stayed after a click on it";
  x.Settle();
  const auto clicked = x.Grab();
  ASSERT_TRUE(clicked);
  EXPECT_EQ(PixelAt(*clicked, cell_x, top), kBlack);  // the focus frame

  // A click on another cell at once after leaving the tip reaches that cell.
  ASSERT_TRUE(x.MoveMouse(elsewhere_x, elsewhere_y));
  ASSERT_TRUE(WaitForOtherWindows(x, pundf, known, 0).empty());
  ASSERT_TRUE(x.MoveMouse(cell_x, cell_y));
  ASSERT_EQ(WaitForOtherWindows(x, pundf, known, 1).size(), 1u) << "no tip the third time";
  const int below_y = (rows[0] + rows[1]) / 2;  // cell (2, 6)
  // The move and the click in one go, as a quick hand does them.
  ASSERT_TRUE(x.Xdotool({"mousemove", "--sync", std::to_string(elsewhere_x), std::to_string(below_y), "click", "1"}));
  EXPECT_TRUE(WaitForOtherWindows(x, pundf, known, 0).empty()) << "the tip stayed after a click beside it";
  x.Settle();
  const auto moved = x.Grab();
  ASSERT_TRUE(moved);
  EXPECT_EQ(PixelAt(*moved, elsewhere_x, rows[0] + 1), kBlack) << "the click beside the tip was lost";
  // The click ended: the pointer below the table selects or scrolls nothing.
  ASSERT_TRUE(x.MoveMouse(elsewhere_x, area->y + area->height + 50));
  x.Settle(500);
  const auto later = x.Grab();
  ASSERT_TRUE(later);
  EXPECT_EQ(later->Differences(*moved, *area), 0);
  EXPECT_TRUE(x.Running(pundf)) << x.StderrOf(pundf);
}

TEST(GridOnX, ReturnOnTheStartDialogsTableOnlyOpensTheFocusCellsEditor) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  const common::Position position = e2e::ComputedExample("BEAM2");
  if (HasFailure()) return;
  const common::SettingsContext settings = common::SettingsContext::Discover();
  ASSERT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(settings, "DPATH"), position.data_path()));
  ASSERT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(settings, "EXTR"), ".BEAM2"));
  // Compute! opens the dialog; the script then leaves the program to the person.
  plat::testing::WriteScript("QUENTARIS", "command 32779\nwait 60000\n");
  e2e::XSession x;
  ASSERT_TRUE(x.ok()) << x.error();
  const pid_t shell = x.Start("QUENTARIS", {}, {{"PLAT_SCRIPT", plat::testing::TestFolder()}});
  ASSERT_GT(shell, 0);
  const auto dialog = x.FindWindow("^Analysis$");
  ASSERT_TRUE(dialog) << x.StderrOf(shell);
  // The load-case column's right edge and the bottoms of its rows.
  const auto found = FindTable(x, *dialog, 150);
  ASSERT_TRUE(found);
  const std::vector<int>& columns = found->columns;
  const std::vector<int>& rows = found->rows;
  ASSERT_EQ(columns.size(), 1u);
  ASSERT_GE(rows.size(), 3u);
  const int row_height = rows[1] - rows[0];
  const XGeometry row1{columns[0] - 150, rows[0] - row_height + 1, 150, row_height};
  const XGeometry row2{columns[0] - 150, rows[0] + 1, 150, row_height};

  ASSERT_TRUE(x.Click(columns[0] - 20, rows[0] - row_height / 2));  // the focus to row 1
  x.Settle();
  const auto focused = x.Grab();
  ASSERT_TRUE(focused);
  ASSERT_TRUE(x.Key("Return"));
  x.Settle(500);
  const auto editing = x.Grab();
  ASSERT_TRUE(editing);
  EXPECT_GT(editing->Differences(*focused, row1), 0) << "no editor on row 1";
  EXPECT_EQ(editing->Differences(*focused, row2), 0) << "row 2 changed: Return moved on";
  EXPECT_TRUE(x.WindowShown("^Analysis$"));

  // Return that ends the edit moves on to the next row's editor.
  ASSERT_TRUE(x.Type("7"));
  ASSERT_TRUE(x.Key("Return"));
  x.Settle(500);
  const auto moved = x.Grab();
  ASSERT_TRUE(moved);
  EXPECT_GT(moved->Differences(*focused, row2), 0) << "no editor on row 2";
  EXPECT_TRUE(x.WindowShown("^Analysis$"));
  EXPECT_TRUE(x.Running(shell)) << x.StderrOf(shell);
}

}  // namespace
