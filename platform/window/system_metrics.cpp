#include "platform/window/system_metrics.h"

#include <QApplication>
#include <QMenuBar>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace plat {
namespace {

int Style(QStyle::PixelMetric metric) {
  QStyle* style = QApplication::style();
  return style ? std::max(0, style->pixelMetric(metric)) : 0;
}

QRect AvailableScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

// One line of a menu bar as the style draws it.
int MenuLineHeight() {
  QMenuBar bar;
  bar.addAction(QStringLiteral("File"));
  return bar.sizeHint().height();
}

}  // namespace

int GetSystemMetrics(int index) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
  switch (index) {
    case SM_CXSCREEN: return AvailableScreen().width();
    case SM_CYSCREEN: return AvailableScreen().height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return Style(QStyle::PM_ScrollBarExtent);
    case SM_CYCAPTION: return Style(QStyle::PM_TitleBarHeight);
    case SM_CXICON:
    case SM_CYICON: return Style(QStyle::PM_LargeIconSize);
    case SM_CYMENU: return MenuLineHeight();
    case SM_CXFRAME:
    case SM_CYFRAME: return Style(QStyle::PM_MdiSubWindowFrameWidth);
    default: return 0;
  }
}

}  // namespace plat
