// Pictures of a drawing stored as JPEG and BMP files and put on the clipboard.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <string>

#include "platform/print/picture.h"
#include "platform/testing/testing.h"

namespace plat {
namespace {

constexpr ColorRef kRed = Rgb(220, 30, 30);
constexpr ColorRef kBlue = Rgb(20, 40, 200);

Bitmap TwoColourPicture() {
  return RenderPicture(120, 80, [](Dc& dc) {
    dc.FillRect(Rect{0, 0, 60, 80}, Brush::Solid(kRed));
    dc.FillRect(Rect{60, 0, 120, 80}, Brush::Solid(kBlue));
  });
}

bool Near(QRgb pixel, ColorRef expected, int tolerance) {
  return std::abs(qRed(pixel) - GetRValue(expected)) <= tolerance &&
         std::abs(qGreen(pixel) - GetGValue(expected)) <= tolerance &&
         std::abs(qBlue(pixel) - GetBValue(expected)) <= tolerance;
}

TEST(Picture, SavedAsJpegAndBmpReloadsWithItsSizeAndColours) {
  const std::string folder = testing::TestFolder();
  const Bitmap picture = TwoColourPicture();
  ASSERT_TRUE(picture.Save(folder + "G1.jpg").ok());
  ASSERT_TRUE(picture.Save(folder + "G1.bmp").ok());

  struct Case {
    const char* file;
    int tolerance;  // JPEG is lossy
  };
  for (const Case& c : {Case{"G1.bmp", 0}, Case{"G1.jpg", 12}}) {
    SCOPED_TRACE(c.file);
    const QImage image(QString::fromStdString(folder + c.file));
    ASSERT_EQ(image.size(), QSize(120, 80));
    EXPECT_TRUE(Near(image.pixel(30, 40), kRed, c.tolerance));
    EXPECT_TRUE(Near(image.pixel(90, 40), kBlue, c.tolerance));
    EXPECT_TRUE(Near(image.pixel(5, 5), kRed, c.tolerance));
    EXPECT_TRUE(Near(image.pixel(114, 74), kBlue, c.tolerance));
  }
}

TEST(Picture, TheClipboardHoldsThePictureAfterwards) {
  SetClipboardImage(Bitmap(10, 10, Rgb(0, 0, 0)));
  const Bitmap picture = TwoColourPicture();
  SetClipboardImage(picture);
  const Bitmap held = GetClipboardImage();
  EXPECT_TRUE(held.SamePixels(picture));
}

TEST(Picture, AnEmptyPictureDrawsNothing) {
  bool drawn = false;
  const Bitmap picture = RenderPicture(0, 10, [&](Dc&) { drawn = true; });
  EXPECT_TRUE(picture.IsEmpty());
  EXPECT_FALSE(drawn);
}

}  // namespace
}  // namespace plat
