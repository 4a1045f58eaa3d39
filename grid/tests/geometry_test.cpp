// Where cells lie, which cells are shown, and the scroll ranges they give.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"

namespace grid::test {
namespace {

using plat::Point;
using plat::Rect;

struct RangeOf {
  int min, max;
  unsigned page;
};

RangeOf Bar(const plat::Window& w, int bar) {
  plat::SCROLLINFO info;
  info.fMask = plat::SIF_RANGE | plat::SIF_PAGE;
  w.GetScrollInfo(bar, &info);
  return RangeOf{info.nMin, info.nMax, info.nPage};
}

class FixtureA : public ::testing::TestWithParam<plat::DWORD>, public GridFixture {};

TEST_P(FixtureA, CellsLieWhereTheSizesPutThem) {
  MakeFixtureA(GetParam());
  Rect rect;
  ASSERT_TRUE(grid.GetCellRect(1, 1, &rect));
  EXPECT_EQ(rect, (Rect{40, 30, 89, 49}));
  ASSERT_TRUE(grid.GetCellRect(0, 0, &rect));
  EXPECT_EQ(rect, (Rect{0, 0, 39, 29}));
  EXPECT_FALSE(grid.GetCellRect(5, 1, &rect));

  struct Hit {
    Point point;
    CCellID cell;
  };
  const Hit hits[] = {
      {{10, 10}, {0, 0}},   {{45, 35}, {1, 1}},   {{250, 35}, {1, 3}},  // right of the last column: the last
      {{45, 109}, {4, 1}},  {{45, 110}, {-1, 1}},                       // below the last row: no row
      {{39, 29}, {0, 0}},   {{40, 30}, {1, 1}},   {{89, 49}, {1, 1}},   {{90, 50}, {2, 2}},
      {{-1, 35}, {1, -1}},  {{45, -1}, {-1, 1}},
  };
  for (const Hit& h : hits) {
    EXPECT_EQ(grid.CellAtPoint(h.point), h.cell) << h.point.x << "," << h.point.y;
  }
  EXPECT_EQ(grid.CellAtPoint(Point{10, 10}, false), CCellID(-1, -1));
  EXPECT_EQ(grid.CellAtPoint(Point{10, 35}, false), CCellID(1, -1));
}

TEST_P(FixtureA, ShowsRowsOneToFourAndColumnsOneToThree) {
  MakeFixtureA(GetParam());
  EXPECT_EQ(grid.TopLeftScrollableCell(), CCellID(1, 1));
  Rect visible;
  EXPECT_EQ(grid.VisibleScrollableRange(&visible), (CellRange{1, 1, 4, 3}));
  EXPECT_EQ(visible, (Rect{0, 0, 190, 100}));
  EXPECT_EQ(grid.FullyVisibleScrollableRange(), (CellRange{1, 1, 3, 2}));
  EXPECT_TRUE(grid.CellIsVisible(4, 3));
  EXPECT_TRUE(grid.CellIsVisible(0, 3));
  EXPECT_FALSE(grid.CellIsVisible(5, 1));
}

TEST_P(FixtureA, ScrollRangesCoverTheNonFixedPartWithAPageOfTheClientArea) {
  MakeFixtureA(GetParam());
  const RangeOf v = Bar(grid, plat::SB_VERT);
  EXPECT_EQ(v.min, 0);
  EXPECT_EQ(v.max, 79);
  EXPECT_EQ(v.page, 70u);
  const RangeOf h = Bar(grid, plat::SB_HORZ);
  EXPECT_EQ(h.min, 0);
  EXPECT_EQ(h.max, 179);
  EXPECT_EQ(h.page, 150u);
  EXPECT_EQ(grid.GetVerticalScrollMaximum(), 79);
  EXPECT_EQ(grid.GetHorizontalScrollMaximum(), 179);
}

INSTANTIATE_TEST_SUITE_P(Bars, FixtureA,
                         ::testing::Values(plat::WS_VSCROLL | plat::WS_HSCROLL, plat::DWORD{0}, plat::WS_VSCROLL));

TEST(GridGeometry, ColumnsThatFitHideTheBarsAgain) {
  GridFixture f;
  f.MakeFixtureA();
  for (int c = 1; c < 4; ++c) ASSERT_TRUE(f.grid.SetColumnWidth(c, 10));
  for (int r = 1; r < 5; ++r) ASSERT_TRUE(f.grid.SetRowHeight(r, 10));
  const int extent = ScrollBarExtent();
  EXPECT_EQ(ClientOf(f.grid), (Rect{0, 0, 190 + extent, 100 + extent}));
  EXPECT_EQ(Bar(f.grid, plat::SB_VERT).max, 0);
  EXPECT_EQ(Bar(f.grid, plat::SB_HORZ).max, 0);
  EXPECT_EQ(f.grid.FullyVisibleScrollableRange(), (CellRange{1, 1, 4, 3}));
}

TEST(GridGeometry, HeadingsTallerThanTheClientAreaKeepTheRanges) {
  GridFixture f;
  f.MakeFixtureA();
  ASSERT_TRUE(f.grid.SetRowHeight(0, 150));
  EXPECT_EQ(Bar(f.grid, plat::SB_VERT).max, 79);
  EXPECT_EQ(Bar(f.grid, plat::SB_VERT).page, 70u);
}

TEST(GridGeometry, AColumnWiderThanTheClientAreaStillScrolls) {
  GridFixture f;
  f.MakeFixtureA();
  ASSERT_TRUE(f.grid.SetColumnWidth(1, 500));
  EXPECT_EQ(f.grid.FullyVisibleScrollableRange().max_col, 1);
  EXPECT_EQ(Bar(f.grid, plat::SB_HORZ).max, 629);
}

// Grids without non-fixed rows or columns: no non-fixed cell, nothing to scroll.
struct Shape {
  int rows, cols, fixed_rows, fixed_cols;
};

class EmptyGrids : public ::testing::TestWithParam<Shape>, public GridFixture {};

TEST_P(EmptyGrids, HaveNoScrollableCellAndNothingScrolls) {
  const Shape s = GetParam();
  MakeGrid(s.rows, s.cols, s.fixed_rows, s.fixed_cols);
  const int extent = ScrollBarExtent();
  ASSERT_TRUE(grid.SetWindowPos(plat::HWND_TOP, 0, 0, 190 + extent, 100 + extent, plat::SWP_NOZORDER));
  grid.UpdateScrollRanges();
  EXPECT_EQ(ClientOf(grid), (Rect{0, 0, 190 + extent, 100 + extent}));  // bars hidden
  const bool no_rows = s.rows == s.fixed_rows;
  const bool no_cols = s.cols == s.fixed_cols;
  const CCellID top_left = grid.TopLeftScrollableCell();
  if (no_rows) {
    EXPECT_EQ(top_left.row, -1);
  }
  if (no_cols) {
    EXPECT_EQ(top_left.col, -1);
  }
  EXPECT_FALSE(grid.VisibleScrollableRange().IsValid());
  EXPECT_FALSE(grid.FullyVisibleScrollableRange().IsValid());
  EXPECT_FALSE(grid.IsValid(grid.CellAtPoint(Point{100, 60}, false)));
  EXPECT_FALSE(grid.IsValid(grid.CellAtPoint(Point{500, 500})));
  for (plat::UINT message : {plat::WM_VSCROLL, plat::WM_HSCROLL}) {
    for (plat::UINT code : {plat::SB_LINEDOWN, plat::SB_LINEUP, plat::SB_PAGEDOWN, plat::SB_PAGEUP, plat::SB_BOTTOM,
                            plat::SB_TOP, plat::SB_THUMBTRACK, plat::SB_THUMBPOSITION}) {
      grid.SendMessage(message, plat::MAKEWPARAM(code, 40), 0);
      EXPECT_EQ(grid.GetScrollPos(plat::SB_VERT), 0) << code;
      EXPECT_EQ(grid.GetScrollPos(plat::SB_HORZ), 0) << code;
    }
  }
  grid.ScrollCellIntoView(s.rows - 1, s.cols - 1);
  EXPECT_EQ(grid.GetScrollPos(plat::SB_VERT), 0);
}

INSTANTIATE_TEST_SUITE_P(Shapes, EmptyGrids,
                         ::testing::Values(Shape{1, 1, 1, 1}, Shape{0, 0, 0, 0}, Shape{3, 0, 1, 0}, Shape{0, 3, 0, 1},
                                           Shape{1, 4, 1, 1}, Shape{5, 1, 1, 1}));

}  // namespace
}  // namespace grid::test
