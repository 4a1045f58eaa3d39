#include "platform/window/first_paint.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/first_paint_stamp.h"

namespace plat::detail {

void NoteFirstPaint(const QWidget& painted) {
  static bool noted = false;
  if (noted) return;
  noted = true;
  const char* path = std::getenv(kFirstPaintVariable);
  if (!path || !*path || !QCoreApplication::instance()) return;
  const QWidget* window = painted.window();
  // Queued: it runs when the paint of the whole window (and its showing on the screen) is over.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [file = std::string(path), width = window->width(), height = window->height()] {
        if (!WriteFirstPaintStamp(file.c_str(), width, height)) {
          std::fprintf(stderr, "The time of the first paint was not written to %s\n", file.c_str());
        }
      },
      Qt::QueuedConnection);
}

}  // namespace plat::detail
