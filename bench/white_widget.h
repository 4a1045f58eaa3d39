#pragma once
// The part of the start benchmark's yardsticks that paints: a widget that fills itself white and,
// after its first paint, writes the first-paint stamp of PLAT_FIRST_PAINT with its window's size,
// as the suite's programs do. Also the WIDTHxHEIGHT argument both yardsticks take.
#include <QApplication>
#include <QMetaObject>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/first_paint_stamp.h"

namespace bench {

class WhiteWidget : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::white);
    if (stamped_) return;
    stamped_ = true;
    const char* path = std::getenv(plat::kFirstPaintVariable);
    if (!path || !*path) return;
    const QWidget* shown = window();
    // Queued: it runs when the paint of the whole window is over.
    QMetaObject::invokeMethod(
        qApp,
        [file = std::string(path), w = shown->width(), h = shown->height()] {
          plat::WriteFirstPaintStamp(file.c_str(), w, h);
        },
        Qt::QueuedConnection);
  }

 private:
  bool stamped_ = false;
};

// The window's size from the only argument "WIDTHxHEIGHT"; false (after a usage line on stderr)
// when it is not there.
inline bool SizeArgument(int argc, char** argv, const char* program, int* width, int* height) {
  if (argc != 2 || std::sscanf(argv[1], "%dx%d", width, height) != 2 || *width <= 0 || *height <= 0) {
    std::fprintf(stderr, "usage: %s WIDTHxHEIGHT\n", program);
    return false;
  }
  return true;
}

}  // namespace bench
