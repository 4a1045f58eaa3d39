// GetSystemMetrics from Qt's screen and style, and the fixed stock fonts.
#include "platform/window/system_metrics.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/dc/stock_fonts.h"

namespace plat {
namespace {

TEST(SystemMetrics, ScreenIsThePrimaryScreensAvailableSize) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), available.width());
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), available.height());
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
}

TEST(SystemMetrics, PartsOfWindowsHaveTheirSizes) {
  for (int index : {SM_CYCAPTION, SM_CYMENU, SM_CXICON, SM_CYICON, SM_CXVSCROLL, SM_CYHSCROLL, SM_CXFRAME,
                    SM_CYFRAME}) {
    EXPECT_GT(GetSystemMetrics(index), 0) << index;
    EXPECT_LT(GetSystemMetrics(index), 100) << index;
  }
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  // The menu line holds a line of the menu font.
  EXPECT_GE(GetSystemMetrics(SM_CYMENU), QFontInfo(QApplication::font("QMenuBar")).pixelSize());
}

TEST(SystemMetrics, UnknownIndexGivesZero) {
  for (int index : {-1, 5, 10, 31, 34, 1000}) EXPECT_EQ(GetSystemMetrics(index), 0) << index;
}

TEST(StockFonts, FixedFontsAreCourierNewOfTheSystemSize) {
  const int system_pixels = QFontInfo(QGuiApplication::font()).pixelSize();
  for (int index : {ANSI_FIXED_FONT, SYSTEM_FIXED_FONT}) {
    const Font font = StockFont(index);
    EXPECT_EQ(font.face, "Courier New") << index;
    EXPECT_EQ(font.height, -system_pixels) << index;
    Bitmap scratch(1, 1);
    PainterDc dc(scratch);
    dc.SelectFont(font);
    EXPECT_EQ(dc.GetTextExtent("iiiiii").cx, dc.GetTextExtent("WWWWWW").cx) << index;  // fixed pitch
  }
  EXPECT_EQ(StockFont(0), Font{});  // other indices: the default font
}

}  // namespace
}  // namespace plat
