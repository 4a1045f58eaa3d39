// Painting on the window's picture: WM_PAINT with its update region,
// WM_ERASEBKGND on request, and drawing outside painting.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <vector>

#include "platform/dc/dc.h"
#include "platform/testing/window_testing.h"
#include "platform/testing/window_widget.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kCyan = Rgb(0, 255, 255);  // red inverted

class Painter : public Window {
 public:
  std::vector<Rect> painted;  // the clip box of each paint
  int erased = 0;
  ColorRef color = kRed;

 protected:
  void OnPaint(Dc& dc) override {
    painted.push_back(dc.GetClipBox());
    Rect client;
    GetClientRect(&client);
    dc.FillRect(client, Brush::Solid(color));
  }
  bool OnEraseBkgnd(Dc& dc) override {
    ++erased;
    return Window::OnEraseBkgnd(dc);
  }
};

class PaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(w.Create("paint", WS_VISIBLE, TopLevelRect()));
    ASSERT_TRUE(PumpMessages());
  }
  Painter w;
};

TEST_F(PaintTest, ShownWindowPaintsItsClientAreaOnce) {
  EXPECT_EQ(w.painted, std::vector<Rect>{(Rect{0, 0, 400, 300})});
  EXPECT_EQ(w.erased, 1);
  const Bitmap shown = WindowPixels(w);
  EXPECT_EQ(shown.width(), 400);
  EXPECT_EQ(shown.height(), 300);
  EXPECT_EQ(shown.Pixel(0, 0), kRed);
  EXPECT_EQ(shown.Pixel(399, 299), kRed);
  EXPECT_EQ(w.painted.size(), 1u);  // showing the picture again paints nothing
}

TEST_F(PaintTest, TheUpdateRegionClipsAndEraseComesOnRequest) {
  w.color = kBlue;
  const Rect area{10, 20, 50, 60};
  w.InvalidateRect(&area, false);
  ASSERT_TRUE(PumpMessages());
  ASSERT_EQ(w.painted.size(), 2u);
  EXPECT_EQ(w.painted.back(), area);
  EXPECT_EQ(w.erased, 1);
  const Bitmap shown = WindowPixels(w);
  EXPECT_EQ(shown.Pixel(10, 20), kBlue);
  EXPECT_EQ(shown.Pixel(49, 59), kBlue);
  EXPECT_EQ(shown.Pixel(50, 60), kRed);  // outside the clip the picture stays

  // Two rectangles paint once, clipped to their bounding rectangle.
  const Rect a{0, 0, 10, 10}, b{90, 80, 100, 100};
  w.InvalidateRect(&a, true);
  w.InvalidateRect(&b, false);
  ASSERT_TRUE(PumpMessages());
  ASSERT_EQ(w.painted.size(), 3u);
  EXPECT_EQ(w.painted.back(), (Rect{0, 0, 100, 100}));
  EXPECT_EQ(w.erased, 2);
}

TEST_F(PaintTest, UpdateWindowPaintsAtOnce) {
  w.Invalidate(false);
  w.UpdateWindow();
  EXPECT_EQ(w.painted.size(), 2u);
  w.UpdateWindow();  // nothing left to paint
  ASSERT_TRUE(PumpMessages());
  EXPECT_EQ(w.painted.size(), 2u);
}

TEST_F(PaintTest, AMinimisedWindowPaintsWhenItIsRestored) {
  w.ShowWindow(SW_MINIMIZE);
  ASSERT_TRUE(PumpMessages());
  ASSERT_TRUE(w.IsIconic());
  const std::size_t before = w.painted.size();
  w.color = kBlue;
  w.Invalidate(false);
  ASSERT_TRUE(PumpMessages());
  EXPECT_EQ(w.painted.size(), before);  // nothing while minimised
  w.ShowWindow(SW_RESTORE);
  ASSERT_TRUE(PumpMessages());
  ASSERT_FALSE(w.IsIconic());
  ASSERT_GT(w.painted.size(), before);
  EXPECT_EQ(WindowPixels(w).Pixel(399, 299), kBlue);
}

TEST_F(PaintTest, DcOutsidePaintingDrawsOnThePictureAndARubberBandUndoes) {
  const Bitmap before = WindowPixels(w);
  auto rubber_band = [&] {
    std::unique_ptr<Dc> dc = w.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->SetROP2(R2_NOT);
    dc->SelectBrush(Brush::Null());
    dc->Rectangle(20, 20, 120, 90);
  };
  rubber_band();
  ASSERT_TRUE(PumpMessages());
  const Bitmap drawn = WindowPixels(w);
  EXPECT_EQ(drawn.Pixel(20, 20), kCyan);
  EXPECT_EQ(drawn.Pixel(60, 50), kRed);
  rubber_band();
  ASSERT_TRUE(PumpMessages());
  EXPECT_TRUE(WindowPixels(w).SamePixels(before));
  EXPECT_EQ(w.painted.size(), 1u);  // drawing outside painting asks for no WM_PAINT
}

TEST_F(PaintTest, ResizingRepaintsTheWholeClientArea) {
  WidgetOf(w)->resize(200, 100);
  ASSERT_TRUE(PumpMessages());
  EXPECT_EQ(w.painted.back(), (Rect{0, 0, 200, 100}));
  EXPECT_EQ(WindowPixels(w).width(), 200);
}

TEST_F(PaintTest, ASizeChangedAndChangedBackBeforeAPaintRepaintsTheWholeClientArea) {
  w.color = kBlue;
  WidgetOf(w)->resize(200, 100);
  WidgetOf(w)->resize(400, 300);
  ASSERT_TRUE(PumpMessages());
  EXPECT_EQ(w.painted.back(), (Rect{0, 0, 400, 300}));
  EXPECT_EQ(WindowPixels(w).Pixel(399, 299), kBlue);
}

TEST(WindowPaintLayout, AWindowSizedAgainAndAgainBeforeItIsShownPaintsOnceAtItsShownSize) {
  Painter w;
  ASSERT_TRUE(w.Create("laid out", 0, TopLevelRect()));
  for (int step = 1; step <= 20; ++step) w.MoveWindow(Rect{0, 0, 100 + 30 * step, 50 + 20 * step});
  ASSERT_TRUE(PumpMessages());
  EXPECT_TRUE(w.painted.empty());
  w.ShowWindow(SW_SHOW);
  ASSERT_TRUE(PumpMessages());
  EXPECT_EQ(w.painted, std::vector<Rect>{(Rect{0, 0, 700, 450})});
  const Bitmap shown = WindowPixels(w);
  EXPECT_EQ(shown.width(), 700);
  EXPECT_EQ(shown.height(), 450);
  EXPECT_EQ(shown.Pixel(699, 449), kRed);
}

// Paints nothing itself: what is drawn outside painting is all the picture holds.
class Canvas : public Window {
 protected:
  void OnPaint(Dc&) override {}
  bool OnEraseBkgnd(Dc&) override { return true; }
};

TEST(WindowPaintLayout, PixelsDrawnOutsidePaintingKeepTheirPlaceWhenTheSizeChanges) {
  Canvas w;
  ASSERT_TRUE(w.Create("canvas", WS_VISIBLE, TopLevelRect()));
  ASSERT_TRUE(PumpMessages());
  {
    std::unique_ptr<Dc> dc = w.GetDC();
    ASSERT_NE(dc, nullptr);
    dc->FillRect(Rect{10, 10, 20, 20}, Brush::Solid(kBlue));
  }
  WidgetOf(w)->resize(100, 80);  // smaller, then larger again before any paint
  WidgetOf(w)->resize(500, 400);
  ASSERT_TRUE(PumpMessages());
  const Bitmap shown = WindowPixels(w);
  ASSERT_EQ(shown.width(), 500);
  EXPECT_EQ(shown.Pixel(15, 15), kBlue);
  EXPECT_EQ(shown.Pixel(9, 9), Rgb(255, 255, 255));
  EXPECT_EQ(shown.Pixel(450, 350), Rgb(255, 255, 255));
}

TEST_F(PaintTest, SentPaintWithNothingInvalidDrawsNothing) {
  w.color = kBlue;
  w.SendMessage(WM_PAINT);
  ASSERT_EQ(w.painted.size(), 2u);
  EXPECT_TRUE(w.painted.back().IsEmpty());
  EXPECT_EQ(WindowPixels(w).Pixel(5, 5), kRed);
}

// A window its child windows cover (a frame under its bars and its view) paints nothing and
// makes no picture; what a child uncovers later is painted then.
TEST(WindowPaintCovered, ACoveredWindowPaintsOnlyWhatAChildUncovers) {
  Painter parent;
  ASSERT_TRUE(parent.Create("parent", WS_VISIBLE, TopLevelRect()));
  Painter left, right;
  ASSERT_TRUE(left.Create("left", WS_CHILD | WS_VISIBLE, Rect{0, 0, 200, 300}, &parent));
  ASSERT_TRUE(right.Create("right", WS_CHILD | WS_VISIBLE, Rect{200, 0, 400, 300}, &parent));
  right.color = kBlue;
  ASSERT_TRUE(PumpMessages());
  EXPECT_TRUE(parent.painted.empty());
  parent.Invalidate(true);
  parent.UpdateWindow();
  ASSERT_TRUE(PumpMessages());
  EXPECT_TRUE(parent.painted.empty());
  EXPECT_EQ(left.painted.size(), 1u);
  EXPECT_EQ(right.painted.size(), 1u);

  right.ShowWindow(SW_HIDE);
  ASSERT_TRUE(PumpMessages());
  ASSERT_EQ(parent.painted, std::vector<Rect>{(Rect{200, 0, 400, 300})});
  EXPECT_EQ(parent.erased, 1);
  const Bitmap shown = WindowPixels(parent);
  EXPECT_EQ(shown.Pixel(300, 150), kRed);  // the parent's own paint where the child was
  EXPECT_EQ(shown.Pixel(100, 150), kRed);  // the left child's
}

// Both scroll bars leave a square between them that neither covers: it shows the window colour,
// never what was on the screen before.
TEST(WindowPaintCovered, TheCornerBetweenTheScrollBarsIsPainted) {
  Painter w;
  ASSERT_TRUE(w.Create("bars", WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, TopLevelRect()));
  w.ShowScrollBar(SB_BOTH, true);
  ASSERT_TRUE(PumpMessages());
  QWidget* widget = WidgetOf(w);
  const QImage grabbed = widget->grab().toImage();
  const QColor corner = grabbed.pixelColor(widget->width() - 2, widget->height() - 2);
  EXPECT_EQ(corner, widget->palette().window().color());
  Rect client;
  w.GetClientRect(&client);
  EXPECT_EQ(grabbed.pixelColor(client.right - 1, client.bottom - 1), QColor(255, 0, 0));
}

TEST(WindowPaintNoWindow, NoDcWithoutAWindow) {
  Window w;
  EXPECT_EQ(w.GetDC(), nullptr);
}

}  // namespace
}  // namespace plat::test
