// The mapping of a device context: GDI's isotropic adjustment, conversions in
// both directions, fixed and free extents, and saved states.
#include <gtest/gtest.h>

#include "platform/dc/recording_dc.h"

namespace plat {
namespace {

TEST(DcMapping, IsotropicShrinksTheViewportLikeGdi) {
  struct Case {
    Size window;
    Size viewport_asked;
    Size viewport_read;
  } cases[] = {
      {{2500, 1500}, {900, -720}, {900, -540}},    // the geometry editor's picture
      {{5000, 2750}, {1000, -700}, {1000, -550}},
      {{1000, 1000}, {800, -400}, {400, -400}},    // x is the axis that shrinks
      {{3, 7}, {-300, 300}, {-129, 300}},          // 128.57 rounds, the sign stays
  };
  for (const Case& c : cases) {
    RecordingDc dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(c.window.cx, c.window.cy);
    dc.SetViewportExt(c.viewport_asked.cx, c.viewport_asked.cy);
    EXPECT_EQ(dc.GetViewportExt(), c.viewport_read)
        << c.window.cx << "x" << c.window.cy << " on " << c.viewport_asked.cx;
    EXPECT_EQ(dc.GetWindowExt(), c.window);
  }
}

TEST(DcMapping, GeometryEditorPointsMapBothWays) {
  RecordingDc dc;
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowExt(2500, 1500);
  dc.SetViewportExt(900, -720);
  dc.SetViewportOrg(50, 670);
  EXPECT_EQ(dc.LPtoDP(Point{2500, 1500}), (Point{950, 130}));
  EXPECT_EQ(dc.LPtoDP(Point{0, 0}), (Point{50, 670}));
  EXPECT_EQ(dc.DPtoLP(Point{500, 400}), (Point{1250, 750}));
  const PointD exact = dc.DeviceToLogical(PointD{501, 400});
  EXPECT_DOUBLE_EQ(exact.x, 451.0 * 2500 / 900);
  EXPECT_DOUBLE_EQ(exact.y, 750.0);
}

TEST(DcMapping, IsotropicAdjustmentIsKeptSoTheWindowExtentComesFirst) {
  // As in GDI the adjusted extent is stored: a viewport set before the window
  // extent is shrunk against the default window first.
  RecordingDc dc;
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetViewportExt(900, -720);
  EXPECT_EQ(dc.GetViewportExt(), (Size{720, -720}));
  dc.SetWindowExt(2500, 1500);
  EXPECT_EQ(dc.GetViewportExt(), (Size{720, -432}));
}

TEST(DcMapping, AnisotropicKeepsBothExtentsAndRoundsHalfUp) {
  RecordingDc dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(3, 2);
  dc.SetViewportExt(10, -20);
  EXPECT_EQ(dc.GetViewportExt(), (Size{10, -20}));
  EXPECT_EQ(dc.LPtoDP(Point{1, 1}), (Point{3, -10}));  // 3.33
  EXPECT_EQ(dc.LPtoDP(Point{2, 0}), (Point{7, 0}));    // 6.67
  EXPECT_EQ(dc.DPtoLP(Point{5, -5}), (Point{2, 1}));   // 1.5 and 0.5 round up
  EXPECT_EQ(dc.DPtoLP(Point{-5, 5}), (Point{-1, 0}));  // -1.5 and -0.5 round up too
}

TEST(DcMapping, TextModeIgnoresExtentsAndRefusesUnknownModes) {
  RecordingDc dc;
  EXPECT_EQ(dc.SetWindowExt(100, 100), (Size{1, 1}));
  EXPECT_EQ(dc.GetWindowExt(), (Size{1, 1}));
  dc.SetWindowOrg(10, 20);
  dc.SetViewportOrg(5, 5);
  EXPECT_EQ(dc.LPtoDP(Point{10, 20}), (Point{5, 5}));
  EXPECT_EQ(dc.SetMapMode(99), 0);
  EXPECT_EQ(dc.GetMapMode(), MM_TEXT);

  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(10, 10);
  EXPECT_EQ(dc.SetViewportExt(0, 5), (Size{1, 1}));  // a zero extent changes nothing
  EXPECT_EQ(dc.GetViewportExt(), (Size{1, 1}));
  dc.SetMapMode(MM_TEXT);
  EXPECT_EQ(dc.GetWindowExt(), (Size{1, 1}));
  EXPECT_EQ(dc.GetViewportExt(), (Size{1, 1}));
}

TEST(DcMapping, DeviceSizeOfThreePixelsInLogicalUnits) {
  // The pictures size their small marks from DPtoLP of (3, 3) and (0, 0).
  RecordingDc dc;
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowExt(2500, 1500);
  dc.SetViewportExt(900, -720);
  dc.SetViewportOrg(50, 670);
  dc.SetWindowOrg(-100, -200);
  Point points[2] = {{0, 0}, {3, 3}};
  dc.DPtoLP(points);
  EXPECT_EQ(points[1].x - points[0].x, 8);   // 3 * 2500 / 900 = 8.33
  EXPECT_EQ(points[1].y - points[0].y, -8);
}

TEST(DcMapping, WorldTransformOnlyInAdvancedMode) {
  RecordingDc dc;
  XForm shift;
  shift.eDx = 10;
  EXPECT_FALSE(dc.SetWorldTransform(shift));
  EXPECT_EQ(dc.SetGraphicsMode(GM_ADVANCED), GM_COMPATIBLE);
  EXPECT_TRUE(dc.SetWorldTransform(shift));
  EXPECT_EQ(dc.LPtoDP(Point{1, 1}), (Point{11, 1}));
  EXPECT_EQ(dc.DPtoLP(Point{11, 1}), (Point{1, 1}));
  EXPECT_EQ(dc.SetGraphicsMode(GM_COMPATIBLE), 0);  // not while the transform is in use
  EXPECT_TRUE(dc.SetWorldTransform(XForm{}));
  EXPECT_EQ(dc.SetGraphicsMode(GM_COMPATIBLE), GM_ADVANCED);
}

TEST(DcMapping, SaveAndRestoreBringBackTheWholeState) {
  RecordingDc dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(2, 2);
  dc.SetViewportExt(1, 1);
  dc.SelectPen(Pen{PS_DASH, 4, Rgb(1, 2, 3)});
  dc.SetROP2(R2_NOT);
  EXPECT_EQ(dc.SaveDC(), 1);
  dc.SetMapMode(MM_TEXT);
  dc.SelectPen(StockPen(NULL_PEN));
  dc.SetROP2(R2_COPYPEN);
  dc.SelectClipRect(Rect{0, 0, 10, 10});
  dc.MoveTo(5, 5);
  EXPECT_EQ(dc.SaveDC(), 2);
  dc.SetTextColor(Rgb(9, 9, 9));
  EXPECT_EQ(dc.SaveDC(), 3);

  EXPECT_TRUE(dc.RestoreDC(-1));  // level 3: colour 9,9,9 again
  EXPECT_EQ(dc.GetTextColor(), Rgb(9, 9, 9));
  EXPECT_TRUE(dc.RestoreDC(1));  // drops level 2 as well
  EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
  EXPECT_EQ(dc.GetWindowExt(), (Size{2, 2}));
  EXPECT_EQ(dc.GetCurrentPen(), (Pen{PS_DASH, 4, Rgb(1, 2, 3)}));
  EXPECT_EQ(dc.GetROP2(), R2_NOT);
  EXPECT_EQ(dc.GetCurrentPosition(), (Point{0, 0}));
  EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 2000, 1400}));
  EXPECT_EQ(dc.GetTextColor(), Rgb(0, 0, 0));
  EXPECT_FALSE(dc.RestoreDC(1));  // gone
  EXPECT_FALSE(dc.RestoreDC(-1));
  EXPECT_FALSE(dc.RestoreDC(0));
}

TEST(DcMapping, ClipBoxInLogicalUnits) {
  RecordingDc dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(10, 10);
  dc.SetViewportExt(1, -1);
  dc.SetViewportOrg(0, 700);
  EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 10000, 7000}));
  EXPECT_EQ(dc.IntersectClipRect(100, 200, 300, 400), SIMPLEREGION);  // y up: device 660..680
  EXPECT_EQ(dc.GetClipBox(), (Rect{100, 200, 300, 400}));
  EXPECT_EQ(dc.IntersectClipRect(5000, 5000, 6000, 6000), NULLREGION);
  dc.RemoveClip();
  EXPECT_EQ(dc.SelectClipRect(Rect{150, 150, 900, 665}), SIMPLEREGION);
  EXPECT_EQ(dc.GetClipBox(), (Rect{1500, 350, 9000, 5500}));
}

TEST(DcMapping, DeviceCapsOfTheRecording) {
  RecordingDc dc;
  EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 1000);
  EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 700);
  EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 264);
  EXPECT_EQ(dc.GetDeviceCaps(VERTSIZE), 185);
  EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
  EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
  EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
  EXPECT_FALSE(dc.IsPrinting());
  DeviceCaps printer = RecordingDc::FixedCaps();
  printer.technology = DT_RASPRINTER;
  EXPECT_TRUE(RecordingDc(printer).IsPrinting());
}

}  // namespace
}  // namespace plat
