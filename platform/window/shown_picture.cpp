#include "platform/window/shown_picture.h"

#include <QPainter>
#include <QScrollBar>
#include <QWidget>

#include "platform/dc/qt_bitmap.h"
#include "platform/window/host_widget.h"
#include "platform/window/window_state.h"

namespace plat {
namespace {

detail::HostWidget* HostOf(Window& window) {
  return window.GetSafeHwnd() ? detail::WindowState::Of(window)->host : nullptr;
}

}  // namespace

Bitmap ShownPicture(Window& window) {
  if (!HostOf(window)) return Bitmap();
  window.UpdateWindow();
  detail::HostWidget* host = HostOf(window);
  if (!host) return Bitmap();  // the paint ended the window
  Bitmap picture = host->ClientPicture();
  {
    QPainter painter(&QtImage(picture));
    const QPoint origin = host->ClientOrigin();
    for (QObject* object : host->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (!child || child->isWindow() || !child->isVisibleTo(host)) continue;
      if (child == host->ExistingScrollBar(SB_HORZ) || child == host->ExistingScrollBar(SB_VERT)) continue;
      child->render(&painter, child->pos() - origin, QRegion(), QWidget::DrawChildren);
    }
  }
  return picture;
}

}  // namespace plat
