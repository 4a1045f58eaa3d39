#include "platform/window/cursor.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QPointer>

#include <map>
#include <memory>

#include "platform/dc/qt_bitmap.h"
#include "platform/window/host_widget.h"

namespace plat {

struct CursorHandle {
  int id = 0;
  QCursor cursor;
};

namespace {

struct CursorTable {
  std::map<int, std::unique_ptr<CursorHandle>> handles;
  HCURSOR current = nullptr;
  int waiting = 0;
  QPointer<detail::HostWidget> target;  // the window under the mouse
};

CursorTable& Table() {
  static CursorTable* table = new CursorTable;  // handles stay valid to the end
  return *table;
}

bool SystemShape(int id, Qt::CursorShape* shape) {
  switch (id) {
    case IDC_ARROW: *shape = Qt::ArrowCursor; return true;
    case IDC_IBEAM: *shape = Qt::IBeamCursor; return true;
    case IDC_WAIT: *shape = Qt::WaitCursor; return true;
    case IDC_CROSS: *shape = Qt::CrossCursor; return true;
    case IDC_UPARROW: *shape = Qt::UpArrowCursor; return true;
    case IDC_SIZENWSE: *shape = Qt::SizeFDiagCursor; return true;
    case IDC_SIZENESW: *shape = Qt::SizeBDiagCursor; return true;
    case IDC_SIZEWE: *shape = Qt::SizeHorCursor; return true;
    case IDC_SIZENS: *shape = Qt::SizeVerCursor; return true;
    case IDC_SIZEALL: *shape = Qt::SizeAllCursor; return true;
    case IDC_NO: *shape = Qt::ForbiddenCursor; return true;
    case IDC_HAND: *shape = Qt::PointingHandCursor; return true;
    case IDC_APPSTARTING: *shape = Qt::BusyCursor; return true;
    case IDC_HELP: *shape = Qt::WhatsThisCursor; return true;
    default: return false;
  }
}

}  // namespace

namespace detail {

void NoteCursorWindow(HostWidget* widget) { Table().target = widget; }

void ShowClassCursor(HostWidget* widget, HCURSOR cursor) {
  NoteCursorWindow(widget);
  SetCursor(cursor ? cursor : LoadCursor(IDC_ARROW));
}

}  // namespace detail

HCURSOR LoadCursor(int id) {
  CursorTable& t = Table();
  auto it = t.handles.find(id);
  if (it != t.handles.end()) return it->second.get();
  Qt::CursorShape shape;
  if (!SystemShape(id, &shape)) return nullptr;
  auto handle = std::make_unique<CursorHandle>();
  handle->id = id;
  handle->cursor = QCursor(shape);
  return (t.handles[id] = std::move(handle)).get();
}

HCURSOR CreateCursor(int id, const Bitmap& picture, ColorRef transparent, Point hotspot) {
  Qt::CursorShape shape;
  if (picture.IsEmpty() || SystemShape(id, &shape)) return nullptr;
  QImage image = QtImage(picture).convertToFormat(QImage::Format_ARGB32);
  const QRgb see_through = qRgb(GetRValue(transparent), GetGValue(transparent), GetBValue(transparent));
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == (see_through & 0xFFFFFF)) line[x] = 0;
    }
  }
  CursorTable& t = Table();
  auto& handle = t.handles[id];
  if (!handle) handle = std::make_unique<CursorHandle>();
  handle->id = id;
  handle->cursor = QCursor(QPixmap::fromImage(image), hotspot.x, hotspot.y);
  return handle.get();
}

int CursorId(HCURSOR cursor) { return cursor ? cursor->id : 0; }

HCURSOR SetCursor(HCURSOR cursor) {
  CursorTable& t = Table();
  const HCURSOR previous = t.current;
  if (!cursor) return previous;
  t.current = cursor;
  if (detail::HostWidget* widget = t.target) widget->ShowCursor(cursor, cursor->cursor);
  return previous;
}

HCURSOR GetCursor() {
  CursorTable& t = Table();
  if (t.waiting > 0) return LoadCursor(IDC_WAIT);
  return t.current ? t.current : LoadCursor(IDC_ARROW);
}

void BeginWaitCursor() {
  if (Table().waiting++ == 0 && QApplication::instance()) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void EndWaitCursor() {
  CursorTable& t = Table();
  if (t.waiting == 0) return;
  if (--t.waiting == 0 && QApplication::instance()) QApplication::restoreOverrideCursor();
}

bool ClipCursor(const Rect*) { return true; }

}  // namespace plat
