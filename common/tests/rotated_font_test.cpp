// The rotated "ARIAL" font: its height from tenths of a point through the
// device's pixels per inch and the context's extents.
#include "common/rotated_font.h"

#include <gtest/gtest.h>

#include "platform/dc/recording_dc.h"

namespace common {
namespace {

TEST(RotatedFont, HeightFromSizeDpiAndExtents) {
  struct Case {
    int dpi;
    int window, viewport;  // extents of an anisotropic mapping; 0 = MM_TEXT
    int size;
    int height;
  } cases[] = {
      {96, 0, 0, 80, -11},   // 106.7 pixels
      {96, 0, 0, 68, -9},    // 90.7 pixels
      {96, 2, 1, 80, -21},   // two logical units per pixel
      {96, 2, -1, 80, -21},  // with the y axis flipped
      {600, 0, 0, 80, -67},  // a printer: 666.7 pixels
  };
  for (const Case& c : cases) {
    plat::DeviceCaps caps = plat::RecordingDc::FixedCaps();
    caps.log_pixels_x = caps.log_pixels_y = c.dpi;
    plat::RecordingDc dc(caps);
    if (c.window != 0) {
      dc.SetMapMode(plat::MM_ANISOTROPIC);
      dc.SetWindowExt(c.window, c.window);
      dc.SetViewportExt(1, c.viewport);
    }
    const plat::Font font = CreateRotatedFont(dc, c.size, 0);
    EXPECT_EQ(font.height, c.height) << c.dpi << " dpi, " << c.window << "/" << c.viewport
                                     << ", size " << c.size;
  }
}

TEST(RotatedFont, ArialTurnedByTheAngleAndTheContextUnchanged) {
  plat::RecordingDc dc;
  dc.SetMapMode(plat::MM_ISOTROPIC);
  dc.SetWindowExt(2500, 1500);
  dc.SetViewportExt(900, -720);
  dc.SetViewportOrg(50, 670);
  dc.SetWindowOrg(-100, 300);
  const plat::Font font = CreateRotatedFont(dc, 80, -300);
  EXPECT_EQ(font.face, "ARIAL");
  EXPECT_EQ(font.escapement, -300);
  EXPECT_EQ(font.orientation, -300);
  EXPECT_EQ(font.width, 0);
  EXPECT_EQ(font.weight, plat::FW_DONTCARE);
  EXPECT_EQ(font.height, -30);  // 106.7 pixels are 296 logical units

  EXPECT_EQ(dc.GetMapMode(), plat::MM_ISOTROPIC);
  EXPECT_EQ(dc.GetGraphicsMode(), plat::GM_COMPATIBLE);
  EXPECT_EQ(dc.GetViewportOrg(), (plat::Point{50, 670}));
  EXPECT_EQ(dc.GetWindowOrg(), (plat::Point{-100, 300}));
  EXPECT_EQ(dc.GetViewportExt(), (plat::Size{900, -540}));
  EXPECT_EQ(dc.SaveDC(), 1);  // no saved level left behind
}

// Any size gives a font: a height or width beyond 100000 units is cut to it (the sanitizer checks
// that no conversion overflows on the way).
TEST(RotatedFont, AnySizeGivesAFontWithinItsLimits) {
  struct Case {
    int size, width;
    int height;
  } cases[] = {
      {2147483647, 0, -100000}, {-2147483647, 0, -100000}, {2147483647, 2147483647, -100000}, {80, 2147483647, -11},
  };
  for (const Case& c : cases) {
    plat::RecordingDc dc;
    RotatedFontRequest request;
    request.size = c.size;
    request.width = c.width;
    const plat::Font font = CreateRotatedFont(dc, request);
    EXPECT_EQ(font.height, c.height) << c.size << " " << c.width;
    EXPECT_LE(font.width, 100000) << c.size << " " << c.width;
    EXPECT_GE(font.width, 0) << c.size << " " << c.width;
  }
}

}  // namespace
}  // namespace common
