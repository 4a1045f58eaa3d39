#include "platform/dc/stock_fonts.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <algorithm>

namespace plat {
namespace {

// The character height in pixels of the application's font.
int SystemFontPixels() {
  if (!QGuiApplication::instance()) return 12;
  return std::max(1, QFontInfo(QGuiApplication::font()).pixelSize());
}

}  // namespace

Font StockFont(int index) {
  Font font;
  if (index == ANSI_FIXED_FONT || index == SYSTEM_FIXED_FONT) {
    font.face = "Courier New";
    font.height = -SystemFontPixels();
  }
  return font;
}

}  // namespace plat
