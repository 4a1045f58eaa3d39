// Painting: what the window shows (focus frame, selection, grid lines,
// headings, the background outside the cells) and the heading fonts.
#include <gtest/gtest.h>

#include <map>

#include "grid/tests/fixture.h"
#include "platform/dc/recording_dc.h"
#include "platform/testing/window_testing.h"

namespace grid::test {
namespace {

constexpr plat::ColorRef kBlack = plat::Rgb(0, 0, 0);
constexpr plat::ColorRef kWhite = plat::Rgb(255, 255, 255);
constexpr plat::ColorRef kGrey = plat::Rgb(192, 192, 192);

TEST(GridPaint, TheWindowShowsTheFocusFrameTheSelectionTheLinesAndTheHeadings) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetTextBkColor(kWhite);
  f.grid.SetFixedBkColor(kGrey);
  f.grid.SetFocusCell(1, 1);
  f.grid.SelectCellRange(1, 1, 1, 1);
  f.grid.SetItemState(2, 2, f.grid.GetItemState(2, 2) | kStateSelected);
  f.grid.Invalidate();
  const plat::Bitmap pixels = plat::testing::WindowPixels(f.grid);
  struct Case {
    plat::Point at;
    plat::ColorRef colour;
  };
  const Case cases[] = {
      {{40, 40}, kBlack},  // focus frame
      {{60, 30}, kBlack},
      {{60, 40}, kWhite},  // inside the focus cell
      {{115, 60}, plat::GetSysColor(plat::COLOR_HIGHLIGHT)},
      {{139, 80}, kBlack},  // grid lines
      {{115, 69}, kBlack},
      {{20, 60}, kGrey},  // a row heading
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pixels.Pixel(c.at.x, c.at.y), c.colour) << c.at.x << "," << c.at.y;
  }
}

TEST(GridPaint, OutsideTheCellsTheBackgroundColourShows) {
  GridFixture f;
  f.MakeGrid(1, 1, 1, 1);
  f.grid.SetBkColor(plat::Rgb(10, 20, 30));
  f.grid.Invalidate();
  EXPECT_EQ(plat::testing::WindowPixels(f.grid).Pixel(150, 80), plat::Rgb(10, 20, 30));
}

TEST(GridPaint, TheHeadingsOfTheFocusRowAndColumnAreSemiBold) {
  GridFixture f;
  f.MakeFixtureA();
  const char* rows[] = {"1", "2", "3", "4"};
  const char* cols[] = {"A", "B", "C"};
  for (int r = 1; r <= 4; ++r) f.grid.SetItemText(r, 0, rows[r - 1]);
  for (int c = 1; c <= 3; ++c) f.grid.SetItemText(0, c, cols[c - 1]);
  f.grid.SetFocusCell(2, 2);
  plat::RecordingDc dc;
  f.grid.OnDraw(dc);
  std::map<std::string, int> weights;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) weights[op.text] = op.font.weight;
  }
  const std::map<std::string, int> expected = {{"1", 400}, {"2", 600}, {"3", 400}, {"4", 400},
                                               {"A", 400}, {"B", 600}, {"C", 400}};
  EXPECT_EQ(weights, expected);
}

TEST(GridPaint, APrinterGetsNoFocusSelectionOrFill) {
  GridFixture f;
  f.MakeFixtureA();
  f.grid.SetItemText(1, 1, "x");
  f.grid.SetItemText(2, 2, "y");
  f.grid.SetFocusCell(1, 1);
  f.grid.SelectCellRange(1, 1, 2, 2);
  plat::DeviceCaps caps = plat::RecordingDc::FixedCaps();
  caps.technology = plat::DT_RASPRINTER;
  plat::RecordingDc dc(caps);
  plat::Rect rect;
  ASSERT_TRUE(f.grid.GetCellRect(1, 1, &rect));
  ASSERT_TRUE(f.grid.DrawCell(dc, 1, 1, rect, false));
  ASSERT_TRUE(f.grid.DrawCell(dc, 2, 2, rect, false));
  ASSERT_EQ(dc.ops().size(), 2u);
  for (const plat::DeviceOp& op : dc.ops()) {
    EXPECT_EQ(op.kind, plat::DeviceOp::Kind::kText) << plat::Describe(op);
  }
}

TEST(GridPaint, ACellsImageIsDrawnBeforeItsText) {
  GridFixture f;
  f.MakeFixtureA();
  const std::vector<plat::Bitmap> images{plat::Bitmap(6, 4, plat::Rgb(255, 0, 0))};
  f.grid.SetImageList(&images);
  GridItem item;
  item.row = 1;
  item.col = 1;
  item.mask = kMaskText | kMaskImage;
  item.text = "x";
  item.image = 0;
  ASSERT_TRUE(f.grid.SetItem(&item));
  plat::RecordingDc dc;
  plat::Rect rect;
  ASSERT_TRUE(f.grid.GetCellRect(1, 1, &rect));
  ASSERT_TRUE(f.grid.DrawCell(dc, 1, 1, rect, false));
  int red = 0;
  int text_x = -1;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) text_x = op.origin.x;
    if (op.kind != plat::DeviceOp::Kind::kText && op.brush.color == plat::Rgb(255, 0, 0)) ++red;
  }
  EXPECT_GT(red, 0);
  EXPECT_EQ(text_x, rect.left + f.grid.GetMargin() + 6 + f.grid.GetMargin() + 1);
}

}  // namespace
}  // namespace grid::test
