// A window's shown picture: the client area's pixels as shown, rubber bands
// drawn outside painting and child windows included; on the clipboard as is.
#include "platform/window/shown_picture.h"

#include <gtest/gtest.h>

#include "platform/print/picture.h"
#include "platform/testing/window_testing.h"

namespace plat {
namespace {

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kCyan = Rgb(0, 255, 255);  // red inverted
constexpr ColorRef kBlue = Rgb(0, 0, 255);

// A window filled with one colour; a view also draws a red line across it.
class Painted : public Window {
 public:
  explicit Painted(ColorRef fill, bool line) : fill_(fill), line_(line) {}

 protected:
  void OnPaint(Dc& dc) override {
    Rect client;
    GetClientRect(&client);
    dc.FillRect(client, Brush::Solid(fill_));
    if (!line_) return;
    dc.SelectPen(Pen{PS_SOLID, 3, kRed});
    dc.MoveTo(10, 50);
    dc.LineTo(190, 50);
  }

 private:
  ColorRef fill_;
  bool line_;
};

class LineView : public Painted {
 public:
  LineView() : Painted(kWhite, true) {}
};

class Filled : public Painted {
 public:
  Filled() : Painted(kBlue, false) {}
};

TEST(ShownPicture, HoldsThePaintedLineAndTheRubberBand) {
  LineView view;
  ASSERT_TRUE(view.Create("view", WS_VISIBLE | WS_VSCROLL | WS_BORDER, Rect{100, 100, 340, 260}));
  Rect client;
  view.GetClientRect(&client);
  // Not painted yet: the picture paints what is pending first.
  Bitmap picture = ShownPicture(view);
  ASSERT_EQ(picture.width(), client.Width());
  ASSERT_EQ(picture.height(), client.Height());
  EXPECT_EQ(picture.Pixel(100, 50), kRed);

  {  // A rubber band in R2_NOT, drawn outside painting.
    std::unique_ptr<Dc> dc = view.GetDC();
    dc->SetROP2(R2_NOT);
    dc->SelectBrush(Brush::Null());
    dc->Rectangle(20, 20, 120, 80);
  }
  picture = ShownPicture(view);
  EXPECT_EQ(picture.Pixel(150, 50), kRed);    // the line outside the band
  EXPECT_EQ(picture.Pixel(100, 50), kRed);    // ... and inside it
  EXPECT_EQ(picture.Pixel(60, 20), kBlack);   // the band's top edge on white
  EXPECT_EQ(picture.Pixel(20, 50), kCyan);    // its left edge across the line
  EXPECT_EQ(picture.Pixel(60, 40), kWhite);   // inside the band
  EXPECT_EQ(picture.Pixel(60, 100), kWhite);

  // The clipboard gives back the same pixels.
  SetClipboardImage(picture);
  EXPECT_TRUE(GetClipboardImage().SamePixels(picture));
}

TEST(ShownPicture, ChildWindowsShowInTheirPlace) {
  LineView view;
  ASSERT_TRUE(view.Create("view", WS_VISIBLE, Rect{100, 100, 300, 250}));
  Filled child;
  ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, Rect{150, 100, 190, 140}, &view));
  Filled hidden;
  ASSERT_TRUE(hidden.Create("", WS_CHILD, Rect{10, 100, 40, 140}, &view));
  ASSERT_TRUE(testing::PumpMessages());
  const Bitmap picture = ShownPicture(view);
  EXPECT_EQ(picture.Pixel(150, 100), kBlue);
  EXPECT_EQ(picture.Pixel(189, 139), kBlue);
  EXPECT_EQ(picture.Pixel(149, 100), kWhite);
  EXPECT_EQ(picture.Pixel(20, 120), kWhite);  // a hidden child shows nothing
  EXPECT_EQ(picture.Pixel(100, 50), kRed);
}

TEST(ShownPicture, NoWindowGivesAnEmptyPicture) {
  LineView view;
  EXPECT_TRUE(ShownPicture(view).IsEmpty());
  ASSERT_TRUE(view.Create("view", 0, Rect{0, 0, 50, 50}));
  view.DestroyWindow();
  EXPECT_TRUE(ShownPicture(view).IsEmpty());
}

}  // namespace
}  // namespace plat
