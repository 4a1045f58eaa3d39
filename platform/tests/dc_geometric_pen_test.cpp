// Geometric pens: width in logical units, end caps and joins as GDI draws
// them; the recording names them, cosmetic pens stay as they were.
#include <gtest/gtest.h>

#include <string>

#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/dc/recording_dc.h"

namespace plat {
namespace {

bool IsDark(ColorRef c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128; }

int DarkInColumn(const Bitmap& b, int x) {
  int dark = 0;
  for (int y = 0; y < b.height(); ++y) dark += IsDark(b.Pixel(x, y)) ? 1 : 0;
  return dark;
}

// Two device pixels per logical unit.
void TwoPixelsPerUnit(Dc& dc) {
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowExt(100, 100);
  dc.SetViewportExt(200, 200);
}

TEST(GeometricPen, RecordingResolvesTheWidthAndNamesCapAndJoin) {
  struct Case {
    int style;
    int width;
    const char* pen;
  } cases[] = {
      {PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER, 10, "pen(solid,20,#000000,flat,miter)"},
      {PS_GEOMETRIC, 10, "pen(solid,20,#000000,round,round)"},
      {PS_GEOMETRIC | PS_DASH | PS_ENDCAP_SQUARE | PS_JOIN_BEVEL, 3, "pen(dash,6,#000000,square,bevel)"},
      {PS_GEOMETRIC | 0x300 | 0x3000, 10, "pen(solid,20,#000000,round,round)"},  // unknown bits: defaults
      {PS_GEOMETRIC, 0, "pen(solid,1,#000000,round,round)"},  // width 0: one pixel
      {PS_SOLID, 10, "pen(solid,20,#000000)"},                 // cosmetic: as before
      {PS_ENDCAP_FLAT | PS_DOT, 10, "pen(dot,20,#000000)"},   // cosmetic ignores caps
  };
  for (const Case& c : cases) {
    RecordingDc dc;
    TwoPixelsPerUnit(dc);
    dc.SelectPen(Pen{c.style, c.width, 0});
    dc.MoveTo(10, 50);
    dc.LineTo(60, 50);
    ASSERT_EQ(dc.ops().size(), 1u);
    EXPECT_EQ(dc.Text(), std::string("LineTo ") + c.pen + " [20,100 120,100]\n") << std::hex << c.style;
  }
}

TEST(GeometricPen, PainterDrawsTheWidthAndTheCaps) {
  // A line from (10, 50) to (60, 50): device x 20 .. 120 at y 100, 20 pixels wide.
  struct Case {
    int cap;
    bool past_end;        // a pixel 6 beyond the end point on the axis is drawn
    bool corner_past_end; // ... and 9 off the axis (square, not round)
  } cases[] = {
      {PS_ENDCAP_FLAT, false, false},
      {PS_ENDCAP_ROUND, true, false},
      {PS_ENDCAP_SQUARE, true, true},
  };
  for (const Case& c : cases) {
    Bitmap b(160, 200);
    {
      PainterDc dc(b);
      TwoPixelsPerUnit(dc);
      dc.SelectPen(Pen{PS_GEOMETRIC | c.cap, 10, Rgb(0, 0, 0)});
      dc.MoveTo(10, 50);
      dc.LineTo(60, 50);
    }
    EXPECT_EQ(DarkInColumn(b, 70), 20) << c.cap;
    EXPECT_TRUE(IsDark(b.Pixel(119, 100))) << c.cap;
    EXPECT_TRUE(IsDark(b.Pixel(20, 100))) << c.cap;
    EXPECT_EQ(IsDark(b.Pixel(126, 100)), c.past_end) << c.cap;
    EXPECT_EQ(IsDark(b.Pixel(14, 100)), c.past_end) << c.cap;
    EXPECT_EQ(IsDark(b.Pixel(126, 91)), c.corner_past_end) << c.cap;
    if (c.cap == PS_ENDCAP_FLAT) {
      EXPECT_EQ(DarkInColumn(b, 121), 0);  // ends at the end point
      EXPECT_EQ(DarkInColumn(b, 18), 0);
    }
  }
}

TEST(GeometricPen, MiterJoinFillsTheCornerThatBevelCuts) {
  // A right angle at device (100, 100); the outer corner of a 20-pixel pen
  // lies at (110, 90): a miter reaches it, a bevel and a round join do not.
  struct Case {
    int join;
    bool corner;
  } cases[] = {{PS_JOIN_MITER, true}, {PS_JOIN_BEVEL, false}, {PS_JOIN_ROUND, false}};
  for (const Case& c : cases) {
    Bitmap b(200, 200);
    {
      PainterDc dc(b);
      TwoPixelsPerUnit(dc);
      dc.SelectPen(Pen{PS_GEOMETRIC | PS_ENDCAP_FLAT | c.join, 10, Rgb(0, 0, 0)});
      const Point corner[] = {{10, 50}, {50, 50}, {50, 90}};
      dc.Polyline(corner);
    }
    EXPECT_EQ(IsDark(b.Pixel(108, 92)), c.corner) << c.join;
    EXPECT_TRUE(IsDark(b.Pixel(100, 100))) << c.join;
  }
}

TEST(GeometricPen, BeyondTheMiterLimitTheJoinIsBevelled) {
  // 11 degrees: a miter would be 10.4 pen widths long, beyond GDI's limit of 10.
  Bitmap b(400, 400);
  {
    PainterDc dc(b);
    dc.SelectPen(Pen{PS_GEOMETRIC | PS_JOIN_MITER, 20, Rgb(0, 0, 0)});
    const Point sharp[] = {{100, 120}, {200, 100}, {100, 100}};
    dc.Polyline(sharp);
  }
  EXPECT_TRUE(IsDark(b.Pixel(200, 100)));
  EXPECT_FALSE(IsDark(b.Pixel(215, 92)));  // inside a miter, outside the bevel
}

TEST(GeometricPen, TouchedRectHoldsAMiterTip) {
  Bitmap b(400, 400);
  Rect touched;
  {
    PainterDc dc(b);
    dc.SelectPen(Pen{PS_GEOMETRIC | PS_JOIN_MITER, 20, Rgb(0, 0, 0)});
    // A sharp angle (22 degrees): the miter reaches 52 pixels beyond the corner at (200, 100).
    const Point sharp[] = {{100, 140}, {200, 100}, {100, 100}};
    dc.Polyline(sharp);
    touched = dc.TouchedRect();
  }
  EXPECT_TRUE(IsDark(b.Pixel(240, 92)));  // the miter tip, which ends at (252, 90)
  for (int x = 0; x < b.width(); ++x) {
    for (int y = 0; y < b.height(); ++y) {
      if (!IsDark(b.Pixel(x, y))) continue;
      ASSERT_TRUE(x >= touched.left && x < touched.right && y >= touched.top && y < touched.bottom)
          << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace plat
