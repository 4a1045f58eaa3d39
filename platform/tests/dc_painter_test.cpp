// The painter backend on offscreen images: pixels of lines, shapes, fills,
// raster operations, clipping, text direction and fonts.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/dc/qt_bitmap.h"
#include "platform/dc/qt_fonts.h"
#include "platform/testing/testing.h"

namespace plat {
namespace {

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);

bool IsDark(ColorRef c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128; }

// A row of the image as '#' (dark) and '.' (light) from x0 to x1 (exclusive).
std::string Row(const Bitmap& b, int y, int x0, int x1) {
  std::string row;
  for (int x = x0; x < x1; ++x) row += IsDark(b.Pixel(x, y)) ? '#' : '.';
  return row;
}

std::string Column(const Bitmap& b, int x, int y0, int y1) {
  std::string column;
  for (int y = y0; y < y1; ++y) column += IsDark(b.Pixel(x, y)) ? '#' : '.';
  return column;
}

TEST(DcPainter, LinesLeaveOutTheirEndPointAndShapesTheirRightAndBottom) {
  Bitmap b(20, 12);
  {
    PainterDc dc(b);
    dc.MoveTo(2, 1);
    dc.LineTo(8, 1);
    dc.Rectangle(2, 3, 7, 7);
    dc.FillRect(Rect{10, 3, 14, 6}, StockBrush(BLACK_BRUSH));
    const Point zigzag[] = {{10, 9}, {13, 9}, {13, 11}};
    dc.Polyline(zigzag);
  }
  EXPECT_EQ(Row(b, 1, 0, 10), "..######..");
  EXPECT_EQ(Row(b, 3, 0, 10), "..#####...");
  EXPECT_EQ(Row(b, 4, 0, 10), "..#...#...");
  EXPECT_EQ(Row(b, 6, 0, 10), "..#####...");
  EXPECT_EQ(Row(b, 7, 0, 10), "..........");
  EXPECT_EQ(Row(b, 3, 9, 15), ".####.");
  EXPECT_EQ(Column(b, 10, 2, 7), ".###.");
  EXPECT_EQ(Row(b, 9, 9, 15), ".####.");
  EXPECT_EQ(Column(b, 13, 9, 12), "##.");
}

TEST(DcPainter, NotRubberBandTwiceRestoresTheImageExactly) {
  Bitmap b(200, 120, Rgb(200, 220, 240));
  {
    PainterDc dc(b);
    dc.SelectBrush(Brush::Hatched(HS_BDIAGONAL, Rgb(255, 0, 0)));
    dc.Ellipse(10, 10, 150, 100);
    Font font;
    font.height = -14;
    dc.SelectFont(font);
    dc.TextOut(20, 40, "Moment 12.5 kNm");
  }
  const Bitmap before = b;
  auto rubber_band = [&](int dx) {
    PainterDc dc(b);
    dc.SaveDC();
    dc.SetROP2(R2_NOT);
    dc.SelectBrush(StockBrush(NULL_BRUSH));
    dc.Rectangle(30 + dx, 20, 120 + dx, 90);
    const Point box[] = {{5, 5}, {190, 30}, {100, 110}, {5, 5}};
    dc.Polyline(box);
    dc.SelectPen(Pen{PS_SOLID, 3, kBlack});
    dc.MoveTo(0, 60);
    dc.LineTo(199, 61);
    dc.RestoreDC(-1);
  };
  rubber_band(0);
  EXPECT_FALSE(b.SamePixels(before));
  EXPECT_EQ(b.Pixel(5, 5), Rgb(55, 35, 15));  // inverted where the band runs
  rubber_band(0);
  EXPECT_TRUE(b.SamePixels(before));
  rubber_band(7);
  rubber_band(7);
  EXPECT_TRUE(b.SamePixels(before));
}

TEST(DcPainter, FocusRectTwiceRestoresTheImage) {
  Bitmap b(40, 30, Rgb(10, 200, 30));
  const Bitmap before = b;
  for (int i = 0; i < 2; ++i) {
    PainterDc dc(b);
    dc.DrawFocusRect(Rect{3, 4, 30, 25});
    if (i == 0) {
      EXPECT_FALSE(b.SamePixels(before));
      EXPECT_EQ(b.Pixel(4, 4), Rgb(245, 55, 225));  // pixels with x + y even
      EXPECT_EQ(b.Pixel(3, 4), Rgb(10, 200, 30));
      EXPECT_EQ(b.Pixel(10, 10), Rgb(10, 200, 30));
    }
  }
  EXPECT_TRUE(b.SamePixels(before));
}

TEST(DcPainter, AlternateFillLeavesTheInnerOverlapUnfilled) {
  // A five-pointed star drawn in one stroke: its inner pentagon is covered twice.
  std::vector<Point> star;
  for (int i = 0; i < 5; ++i) {
    const double a = std::numbers::pi / 2 + i * 4 * std::numbers::pi / 5;
    star.push_back({static_cast<int>(std::lround(100 + 90 * std::cos(a))),
                    static_cast<int>(std::lround(100 - 90 * std::sin(a)))});
  }
  for (int mode : {ALTERNATE, WINDING}) {
    Bitmap b(200, 200);
    {
      PainterDc dc(b);
      dc.SelectPen(StockPen(NULL_PEN));
      dc.SelectBrush(Brush::Solid(kBlack));
      dc.SetPolyFillMode(mode);
      dc.Polygon(star);
    }
    EXPECT_EQ(b.Pixel(100, 100), mode == ALTERNATE ? kWhite : kBlack) << mode;  // the centre
    EXPECT_EQ(b.Pixel(100, 25), kBlack) << mode;                                // the top point
    EXPECT_EQ(b.Pixel(5, 5), kWhite) << mode;
  }
}

TEST(DcPainter, HatchedBrushDrawsGdiPatternsOnTheBackground) {
  struct Case {
    int hatch;
    bool (*on)(int x, int y);
  } cases[] = {
      {HS_BDIAGONAL, [](int x, int y) { return (x + y) % 8 == 7; }},
      {HS_FDIAGONAL, [](int x, int y) { return (x - y + 8) % 8 == 0; }},
      {HS_CROSS, [](int x, int y) { return x % 8 == 0 || y % 8 == 0; }},
  };
  for (const Case& c : cases) {
    for (int bk_mode : {OPAQUE, TRANSPARENT}) {
      Bitmap b(24, 24, Rgb(0, 255, 0));
      {
        PainterDc dc(b);
        dc.SetBkMode(bk_mode);
        dc.SetBkColor(Rgb(0, 0, 255));
        dc.FillRect(Rect{0, 0, 24, 24}, Brush::Hatched(c.hatch, Rgb(255, 0, 0)));
      }
      const ColorRef gap = bk_mode == OPAQUE ? Rgb(0, 0, 255) : Rgb(0, 255, 0);
      for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
          ASSERT_EQ(b.Pixel(x, y), c.on(x, y) ? Rgb(255, 0, 0) : gap)
              << "hatch " << c.hatch << " mode " << bk_mode << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(DcPainter, PenStylesAndWidths) {
  Bitmap b(120, 40);
  {
    PainterDc dc(b);
    dc.SelectPen(Pen{PS_DASH, 0, kBlack});
    dc.MoveTo(0, 2);
    dc.LineTo(100, 2);
    dc.SelectPen(Pen{PS_DOT, 0, kBlack});
    dc.MoveTo(0, 5);
    dc.LineTo(100, 5);
    dc.SelectPen(StockPen(NULL_PEN));
    dc.MoveTo(0, 8);
    dc.LineTo(100, 8);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, 1);
    dc.SelectPen(Pen{PS_SOLID, 10, Rgb(0, 0, 255)});  // 5 pixels
    dc.MoveTo(20, 40);
    dc.LineTo(180, 40);
  }
  EXPECT_EQ(Row(b, 2, 0, 30), "##################......######");
  EXPECT_EQ(Row(b, 5, 0, 12), "###...###...");
  EXPECT_EQ(Row(b, 8, 0, 100), std::string(100, '.'));
  EXPECT_EQ(Column(b, 50, 15, 25), "...#####..");
}

TEST(DcPainter, ClipRectKeepsDrawingInsideAndTouchedRectReportsIt) {
  Bitmap b(50, 50);
  PainterDc dc(b);
  EXPECT_TRUE(dc.TouchedRect().IsEmpty());
  dc.SelectClipRect(Rect{10, 10, 20, 20});
  dc.FillRect(Rect{0, 0, 50, 50}, StockBrush(BLACK_BRUSH));
  EXPECT_EQ(b.Pixel(9, 15), kWhite);
  EXPECT_EQ(b.Pixel(10, 10), kBlack);
  EXPECT_EQ(b.Pixel(19, 19), kBlack);
  EXPECT_EQ(b.Pixel(20, 15), kWhite);
  EXPECT_EQ(dc.TouchedRect(), (Rect{10, 10, 20, 20}));
  dc.RemoveClip();
  dc.MoveTo(30, 40);
  dc.LineTo(40, 40);
  const Rect touched = dc.TouchedRect();
  EXPECT_LE(touched.left, 10);
  EXPECT_GE(touched.right, 40);
  EXPECT_GE(touched.bottom, 41);
}

// The ink of a text: the pixels darker than the background, as projections on
// a direction and its normal from the text's origin.
struct Ink {
  double along_min = 1e9, along_max = -1e9;
  double above = 0, below = 0;  // dark pixels on either side of the baseline
  double angle_degrees = 0;     // principal direction of the ink, counter-clockwise
};

Ink MeasureInk(const Bitmap& b, Point origin, double escapement_degrees) {
  const double a = escapement_degrees * std::numbers::pi / 180;
  const double ux = std::cos(a), uy = -std::sin(a);    // along the baseline
  const double nx = -std::sin(a), ny = -std::cos(a);   // towards the ascent
  Ink ink;
  double sx = 0, sy = 0, n = 0;
  std::vector<std::pair<double, double>> points;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      if (!IsDark(b.Pixel(x, y))) continue;
      const double dx = x + 0.5 - origin.x, dy = y + 0.5 - origin.y;
      const double along = dx * ux + dy * uy;
      const double across = dx * nx + dy * ny;
      ink.along_min = std::min(ink.along_min, along);
      ink.along_max = std::max(ink.along_max, along);
      (across > 0 ? ink.above : ink.below) += 1;
      points.push_back({dx, dy});
      sx += dx;
      sy += dy;
      n += 1;
    }
  }
  const double mx = sx / n, my = sy / n;
  double cxx = 0, cyy = 0, cxy = 0;
  for (auto [x, y] : points) {
    cxx += (x - mx) * (x - mx);
    cyy += (y - my) * (y - my);
    cxy += (x - mx) * (y - my);
  }
  // y points down on the device: counter-clockwise is -y.
  ink.angle_degrees = -0.5 * std::atan2(2 * cxy, cxx - cyy) * 180 / std::numbers::pi;
  return ink;
}

TEST(DcPainter, EscapementTurnsTextBelowTheBaselineWithUprightGlyphs) {
  for (bool flipped : {false, true}) {
    Bitmap b(400, 300);
    PainterDc dc(b);
    if (flipped) {
      dc.SetMapMode(MM_ANISOTROPIC);
      dc.SetWindowExt(1, 1);
      dc.SetViewportExt(1, -1);
      dc.SetViewportOrg(0, 300);
    }
    Font font;
    font.height = flipped ? 24 : -20;  // a cell height works as well
    font.escapement = -300;
    dc.SelectFont(font);
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    dc.SetBkMode(TRANSPARENT);
    const Point device{40, 60};
    const Point logical = dc.DPtoLP(device);
    dc.TextOut(logical.x, logical.y, "HHHHHHHHHHHHHHHHHHHH");
    const int width = dc.GetTextExtent("HHHHHHHHHHHHHHHHHHHH").cx;

    const Ink ink = MeasureInk(b, device, -30);
    EXPECT_NEAR(ink.angle_degrees, -30, 1.5) << "flipped " << flipped;
    EXPECT_GT(ink.along_min, -2) << "text starts at the reference point";
    EXPECT_NEAR(ink.along_max, width, 4) << "and runs forwards";
    EXPECT_GT(ink.above, 20 * ink.below) << "glyphs stand on the baseline, not hanging";
  }
}

TEST(DcPainter, NamedFacesUseTheLiberationTwins) {
  EXPECT_EQ(FontFamilyFor("ARIAL"), "Liberation Sans");
  EXPECT_EQ(FontFamilyFor("Courier New"), "Liberation Mono");
  EXPECT_EQ(FontFamilyFor("times new roman"), "Liberation Serif");
  for (const char* face : {"ARIAL", "Courier New", "Times New Roman"}) {
    DeviceFont font;
    font.face = face;
    EXPECT_TRUE(QFontInfo(MakeQtDeviceFont(font, nullptr).font).family().startsWith("Liberation"))
        << face;
  }
  // The monospaced twin gives every character the same width.
  Bitmap b(10, 10);
  PainterDc dc(b);
  Font font;
  font.face = "Courier New";
  font.height = -20;
  dc.SelectFont(font);
  EXPECT_EQ(dc.GetTextExtent("iiiiiiiiii").cx, dc.GetTextExtent("MMMMMMMMMM").cx);
  EXPECT_NEAR(dc.GetTextMetrics().ave_char_width, 12, 1);  // 0.6 em
}

TEST(DcPainter, FontMetricsFollowHeightWidthAndMapping) {
  Bitmap b(10, 10);
  PainterDc dc(b);
  Font font;
  font.height = -20;
  dc.SelectFont(font);
  const TextMetrics tm = dc.GetTextMetrics();
  EXPECT_NEAR(tm.ascent, 18, 1);  // Arial's ascent is 0.905 em
  EXPECT_NEAR(tm.descent, 4, 1);
  EXPECT_EQ(tm.height, tm.ascent + tm.descent);
  EXPECT_EQ(tm.internal_leading, tm.height - 20);
  const int wide = dc.GetTextExtent("Wide text").cx;

  font.width = 2 * tm.ave_char_width;  // twice as wide
  dc.SelectFont(font);
  EXPECT_NEAR(dc.GetTextExtent("Wide text").cx, 2 * wide, 4);

  font.width = 0;
  dc.SelectFont(font);
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(4, 4);
  dc.SetViewportExt(1, 1);
  font.height = -80;  // the same 20 pixels
  dc.SelectFont(font);
  EXPECT_NEAR(dc.GetTextExtent("Wide text").cx, 4 * wide, 2);
  EXPECT_NEAR(dc.GetTextMetrics().height, 4 * tm.height, 2);
}

TEST(DcPainter, OpaqueTextFillsItsCell) {
  Bitmap b(100, 40, Rgb(0, 255, 0));
  {
    PainterDc dc(b);
    Font font;
    font.height = -20;
    dc.SelectFont(font);
    dc.SetBkColor(Rgb(0, 0, 255));
    dc.TextOut(10, 5, "....");
  }
  EXPECT_EQ(b.Pixel(11, 6), Rgb(0, 0, 255));
  EXPECT_EQ(b.Pixel(9, 6), Rgb(0, 255, 0));
}

TEST(DcPainter, AThinLineDrawsTheSamePixelsAsQtsPolyline) {
  const QLine lines[] = {QLine(5, 5, 60, 5),    QLine(60, 8, 5, 8),     QLine(10, 10, 10, 50), QLine(12, 50, 12, 10),
                         QLine(20, 12, 70, 40), QLine(70, 45, 20, 15),  QLine(30, 55, 31, 20), QLine(40, 40, 40, 40),
                         QLine(-5, 2, 90, 2),   QLine(90, 58, -5, 58),  QLine(78, -4, 78, 70), QLine(1, 70, 1, -4),
                         QLine(50, 30, 51, 30), QLine(52, 31, 52, 32), QLine(25, 44, 75, 44), QLine(44, 20, 44, 59)};
  const QRect clips[] = {QRect(0, 0, 80, 60), QRect(30, 25, 30, 25)};
  for (int rop : {R2_COPYPEN, R2_NOT}) {
    for (const QRect& clip : clips) {
      Bitmap b(80, 60);
      {
        PainterDc dc(b);
        dc.SelectClipRect(Rect{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
        dc.SetROP2(rop);
        dc.SelectPen(Pen{PS_SOLID, 0, Rgb(200, 30, 10)});
        for (const QLine& l : lines) {
          dc.MoveTo(l.x1(), l.y1());
          dc.LineTo(l.x2(), l.y2());
        }
      }
      QImage reference(80, 60, QImage::Format_RGB32);
      reference.fill(Qt::white);
      QPainter painter(&reference);
      QPen pen(QColor(200, 30, 10));
      pen.setWidth(0);
      pen.setCapStyle(Qt::FlatCap);
      pen.setJoinStyle(Qt::RoundJoin);
      painter.setPen(pen);
      painter.setClipRect(clip);
      if (rop == R2_NOT) painter.setCompositionMode(QPainter::RasterOp_NotDestination);
      for (const QLine& l : lines) painter.drawPolyline(QPolygon({l.p1(), l.p2()}));
      painter.end();
      EXPECT_EQ(QtImage(b), reference) << "rop " << rop << " clip " << clip.left();
    }
  }
}

// What Qt's own drawText makes of a text at a baseline point, clipped.
QImage DrawnByQt(const DeviceFont& font, const char* text, ColorRef color, const QRect& clip, int x, int y) {
  QImage image(220, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setClipRect(clip);
  painter.setFont(MakeQtDeviceFont(font, &image).font);
  painter.setPen(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
  painter.drawText(QPointF(x, y), QStringFromCp1252(text));
  return image;
}

TEST(DcPainter, TextDrawsTheSamePixelsAsQtAtEveryPaintAndClip) {
  struct Case {
    const char* face;
    int height;
    int weight;
    bool italic;
    const char* text;
  };
  const Case cases[] = {
      {"ARIAL", -12, 400, false, "1.000E+00"},       {"ARIAL", -12, 600, false, "Support y [m]"},
      {"ARIAL", -17, 700, true, "\xe4\xf6\xfc\xdf \x80 fifl"}, {"Courier New", -13, 400, false, "x = 12.5"},
      {"Times New Roman", -15, 400, true, "Wave ffi"},
  };
  const QRect clips[] = {QRect(0, 0, 220, 60), QRect(20, 10, 60, 30), QRect(0, 0, 41, 60)};
  for (int paint = 0; paint < 2; ++paint) {  // a second Dc reuses what the first laid out
    for (const Case& c : cases) {
      for (const QRect& clip : clips) {
        Bitmap b(220, 60);
        {
          PainterDc dc(b);
          Font font;
          font.face = c.face;
          font.height = c.height;
          font.weight = c.weight;
          font.italic = c.italic;
          dc.SelectFont(font);
          dc.SetBkMode(TRANSPARENT);
          dc.SetTextColor(Rgb(20, 40, 160));
          dc.SetTextAlign(TA_LEFT | TA_BASELINE);
          dc.SelectClipRect(Rect{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
          dc.TextOut(7, 30, c.text);
        }
        DeviceFont font;
        font.face = c.face;
        font.height = c.height;
        font.weight = c.weight;
        font.italic = c.italic;
        EXPECT_EQ(QtImage(b), DrawnByQt(font, c.text, Rgb(20, 40, 160), clip, 7, 30))
            << c.text << " in " << c.face << ", clip " << clip.left() << "," << clip.top() << " paint " << paint;
      }
    }
  }
}

TEST(DcPainter, TextOverOneColourOrOverOtherPixelsDrawsAsQtDoes) {
  struct Case {
    ColorRef background;
    ColorRef color;
    QRect line;  // black under the texts: no longer one colour there
    QRect clip;
  };
  const Case cases[] = {
      {Rgb(255, 255, 255), Rgb(0, 0, 0), QRect(), QRect(0, 0, 220, 60)},
      {Rgb(0, 120, 215), Rgb(255, 255, 255), QRect(), QRect(0, 0, 220, 60)},
      {Rgb(255, 255, 224), Rgb(20, 40, 160), QRect(), QRect(12, 24, 150, 10)},
      {Rgb(255, 255, 255), Rgb(0, 0, 0), QRect(40, 0, 1, 60), QRect(0, 0, 220, 60)},  // down through the first
      {Rgb(255, 255, 255), Rgb(0, 0, 0), QRect(0, 26, 220, 1), QRect(0, 0, 220, 60)},  // across both
  };
  DeviceFont font;
  font.face = "ARIAL";
  font.height = -13;
  for (const Case& c : cases) {
    for (int paint = 0; paint < 2; ++paint) {  // the second paint copies what the first drew
      const QColor fill(GetRValue(c.background), GetGValue(c.background), GetBValue(c.background));
      Bitmap b(220, 60, c.background);
      QImage reference(220, 60, QImage::Format_RGB32);
      reference.fill(fill);
      {
        PainterDc dc(b);
        if (!c.line.isEmpty()) {
          dc.FillRect(Rect{c.line.left(), c.line.top(), c.line.right() + 1, c.line.bottom() + 1}, Brush::Solid(kBlack));
        }
        Font f;
        f.face = font.face;
        f.height = font.height;
        dc.SelectFont(f);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(c.color);
        dc.SetTextAlign(TA_LEFT | TA_BASELINE);
        dc.SelectClipRect(Rect{c.clip.left(), c.clip.top(), c.clip.right() + 1, c.clip.bottom() + 1});
        dc.TextOut(7, 30, "1.250E+03");
        dc.TextOut(118, 31, "1.250E+03");  // the same text elsewhere
      }
      QPainter painter(&reference);
      if (!c.line.isEmpty()) painter.fillRect(c.line, Qt::black);
      painter.setClipRect(c.clip);
      painter.setFont(MakeQtDeviceFont(font, &reference).font);
      painter.setPen(QColor(GetRValue(c.color), GetGValue(c.color), GetBValue(c.color)));
      painter.drawText(QPointF(7, 30), QStringLiteral("1.250E+03"));
      painter.drawText(QPointF(118, 31), QStringLiteral("1.250E+03"));
      painter.end();
      EXPECT_EQ(QtImage(b), reference) << "background " << std::hex << c.background << std::dec << " line at "
                                       << c.line.left() << "," << c.line.top() << " paint " << paint;
    }
  }
}

TEST(DcPainter, BitmapSavesAsBmpAndJpg) {
  Bitmap b(30, 20, Rgb(255, 0, 0));
  {
    PainterDc dc(b);
    dc.FillRect(Rect{0, 0, 15, 20}, Brush::Solid(Rgb(0, 0, 255)));
  }
  const std::string folder = testing::TestFolder();
  ASSERT_TRUE(b.Save(folder + "G1.bmp").ok());
  ASSERT_TRUE(b.Save(folder + "G2.JPG").ok());
  const QImage bmp(QString::fromStdString(folder + "G1.bmp"), "BMP");
  ASSERT_EQ(bmp.size(), QSize(30, 20));
  EXPECT_EQ(bmp.pixel(2, 2), qRgb(0, 0, 255));
  EXPECT_EQ(bmp.pixel(20, 2), qRgb(255, 0, 0));
  const QImage jpg(QString::fromStdString(folder + "G2.JPG"), "JPG");
  EXPECT_EQ(jpg.size(), QSize(30, 20));

  const common::Result unknown = b.Save(folder + "G3.xyz");
  EXPECT_FALSE(unknown.ok());
  EXPECT_NE(unknown.text().find("G3.xyz"), std::string::npos);
  EXPECT_FALSE(b.Save(folder + "missing/G4.bmp").ok());
}

TEST(DcPainter, ResizeKeepsTheTopLeftPixels) {
  Bitmap b(10, 10, kBlack);
  b.Resize(20, 5, kWhite);
  EXPECT_EQ(b.width(), 20);
  EXPECT_EQ(b.height(), 5);
  EXPECT_EQ(b.Pixel(9, 4), kBlack);
  EXPECT_EQ(b.Pixel(10, 4), kWhite);
  EXPECT_EQ(b.Pixel(25, 0), kBlack);  // outside
  Bitmap empty;
  EXPECT_TRUE(empty.IsEmpty());
  PainterDc dc(empty);  // draws nowhere, harmlessly
  dc.LineTo(5, 5);
  EXPECT_TRUE(dc.TouchedRect().IsEmpty());
}

}  // namespace
}  // namespace plat

namespace plat {
namespace {

// A window's backing image takes its memory apart from small ones; both fill, draw, share their
// pixels with a copy until one of them changes, and keep them through a resize alike.
TEST(DcPainter, LargeAndSmallImagesBehaveAlike) {
  for (const auto& [width, height] : {std::pair{40, 30}, std::pair{1024, 768}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    Bitmap b(width, height, Rgb(10, 200, 30));
    EXPECT_EQ(b.Pixel(width - 1, height - 1), Rgb(10, 200, 30));
    const Bitmap copy = b;
    {
      PainterDc dc(b);
      dc.FillRect(Rect{0, 0, 10, 10}, Brush::Solid(Rgb(255, 0, 0)));
    }
    EXPECT_EQ(b.Pixel(5, 5), Rgb(255, 0, 0));
    EXPECT_EQ(copy.Pixel(5, 5), Rgb(10, 200, 30));  // the copy kept its pixels
    b.Resize(width + 8, height + 4, Rgb(0, 0, 255));
    EXPECT_EQ(b.Pixel(5, 5), Rgb(255, 0, 0));
    EXPECT_EQ(b.Pixel(width + 7, height + 3), Rgb(0, 0, 255));
    EXPECT_EQ(b.Pixel(width - 1, height - 1), Rgb(10, 200, 30));
  }
}

}  // namespace
}  // namespace plat
