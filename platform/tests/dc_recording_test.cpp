// Recordings: every drawing call with its resolved pen, brush, font and device
// points, the same on every machine.
#include <gtest/gtest.h>

#include "platform/dc/recording_dc.h"

namespace plat {
namespace {

TEST(DcRecording, GoldenPictureOfTwoLinesAndAText) {
  RecordingDc dc;
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowExt(2500, 1500);
  dc.SetViewportExt(900, -720);
  dc.SetViewportOrg(50, 670);
  dc.SelectPen(Pen{PS_SOLID, 5, Rgb(255, 10, 10)});  // 5 x 0.36 = 1.8 pixels
  dc.MoveTo(0, 0);
  dc.LineTo(2500, 0);
  dc.SelectPen(Pen{PS_DASH, 0, Rgb(0, 0, 0)});
  dc.LineTo(2500, 1500);
  Font font;
  font.height = -30;  // 10.8 pixels
  font.escapement = 450;
  font.weight = FW_BOLD;
  dc.SelectFont(font);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextAlign(TA_CENTER | TA_BASELINE);
  dc.SetTextColor(Rgb(0, 0, 200));
  dc.TextOut(1250, 750, "N 1");

  EXPECT_EQ(dc.Text(),
            "LineTo pen(solid,2,#FF0A0A) [50,670 950,670]\n"
            "LineTo pen(dash,1,#000000) [950,670 950,130]\n"
            "TextOut font(\"ARIAL\",-11,w0,esc450,700) color #0000C8 transparent at 494,406 \"N 1\"\n");
}

TEST(DcRecording, GoldenPictureOfShapesWithRasterStateAndClip) {
  RecordingDc dc;
  const Point triangle[] = {{10, 10}, {50, 10}, {30, 40}};
  dc.SelectBrush(Brush::Hatched(HS_BDIAGONAL, Rgb(255, 0, 0)));
  dc.SetPolyFillMode(WINDING);
  dc.Polygon(triangle);
  dc.SelectBrush(StockBrush(NULL_BRUSH));
  dc.SetROP2(R2_NOT);
  dc.Rectangle(40, 30, 5, 5);  // corners in any order
  dc.SetROP2(R2_COPYPEN);
  dc.SelectPen(StockPen(NULL_PEN));
  dc.SelectBrush(StockBrush(GRAY_BRUSH));
  dc.Ellipse(0, 0, 8, 8);
  dc.SelectClipRect(Rect{0, 0, 20, 20});
  dc.FillRect(Rect{5, 5, 30, 30}, StockBrush(LTGRAY_BRUSH));
  dc.DrawFocusRect(Rect{1, 1, 9, 9});
  dc.Polyline(std::span<const Point>(triangle, 2));

  EXPECT_EQ(dc.Text(),
            "Polygon pen(solid,1,#000000) brush(bdiagonal,#FF0000) winding [10,10 50,10 30,40]\n"
            "Rectangle pen(solid,1,#000000) brush(null) rect(5,5,40,30) rop R2_NOT\n"
            "Ellipse pen(null,1,#000000) brush(solid,#808080) rect(0,0,8,8)\n"
            "FillRect brush(solid,#C0C0C0) rect(5,5,30,30) clip(0,0,20,20)\n"
            "DrawFocusRect rect(1,1,9,9) clip(0,0,20,20)\n"
            "Polyline pen(null,1,#000000) [10,10 50,10] clip(0,0,20,20)\n");
}

TEST(DcRecording, RaisedEdgeInSystemColours) {
  RecordingDc dc;
  dc.DrawEdge(Rect{0, 0, 4, 3}, EDGE_RAISED, BF_RECT);
  EXPECT_EQ(dc.Text(),
            "DrawEdge pen(solid,1,#E3E3E3) [0,0 4,0]\n"
            "DrawEdge pen(solid,1,#E3E3E3) [0,0 0,3]\n"
            "DrawEdge pen(solid,1,#696969) [0,2 4,2]\n"
            "DrawEdge pen(solid,1,#696969) [3,0 3,3]\n"
            "DrawEdge pen(solid,1,#FFFFFF) [1,1 3,1]\n"
            "DrawEdge pen(solid,1,#FFFFFF) [1,1 1,2]\n"
            "DrawEdge pen(solid,1,#A0A0A0) [1,1 3,1]\n"
            "DrawEdge pen(solid,1,#A0A0A0) [2,1 2,2]\n");
}

TEST(DcRecording, PenWidthsInLogicalUnits) {
  struct Case {
    int window, viewport, width, pixels;
  } cases[] = {
      {1, 1, 0, 1}, {1, 1, 3, 3}, {2, 1, 10, 5}, {2, 1, 1, 1},  // at least one pixel
      {100, 36, 5, 2},
  };
  for (const Case& c : cases) {
    RecordingDc dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(c.window, c.window);
    dc.SetViewportExt(c.viewport, -c.viewport);
    dc.SelectPen(Pen{PS_SOLID, c.width, 0});
    dc.LineTo(10, 10);
    ASSERT_EQ(dc.ops().size(), 1u);
    EXPECT_EQ(dc.ops()[0].pen.width, c.pixels) << c.window << "/" << c.viewport << " " << c.width;
  }
}

TEST(DcRecording, CurrentPositionFollowsLineTo) {
  RecordingDc dc;
  EXPECT_EQ(dc.MoveTo(3, 4), (Point{0, 0}));
  dc.LineTo(10, 4);
  dc.LineTo(10, 20);
  EXPECT_EQ(dc.GetCurrentPosition(), (Point{10, 20}));
  EXPECT_EQ(dc.ops()[1].points, (std::vector<Point>{{10, 4}, {10, 20}}));
  const Point one[] = {{1, 1}};
  EXPECT_FALSE(dc.Polyline(one));
  EXPECT_FALSE(dc.Polygon(one));
  EXPECT_EQ(dc.ops().size(), 2u);
}

TEST(DcRecording, FarPointsAndHugeFontsStayWithinLimits) {
  RecordingDc dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(1, 1);
  dc.SetViewportExt(100000, 100000);
  dc.MoveTo(0, 0);
  dc.LineTo(2000000, -3000000);
  Font font;
  font.height = -500000;
  dc.SelectFont(font);
  dc.TextOut(0, 0, "x");
  ASSERT_EQ(dc.ops().size(), 2u);
  EXPECT_EQ(dc.ops()[0].points[1], (Point{1 << 30, -(1 << 30)}));
  EXPECT_EQ(dc.ops()[1].font.height, -10000);
}

}  // namespace
}  // namespace plat
