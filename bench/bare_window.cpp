// bare-window WIDTHxHEIGHT: a plain Qt window of that size that paints itself white and writes
// the first-paint stamp of PLAT_FIRST_PAINT as the suite's programs do. The yardstick of
// first_paint_bench: what a start to a first paint costs Qt itself on the same X server.
#include <QApplication>
#include <QMetaObject>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/first_paint_stamp.h"

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::white);
    if (stamped_) return;
    stamped_ = true;
    const char* path = std::getenv(plat::kFirstPaintVariable);
    if (!path || !*path) return;
    QMetaObject::invokeMethod(
        qApp, [file = std::string(path), w = width(), h = height()] { plat::WriteFirstPaintStamp(file.c_str(), w, h); },
        Qt::QueuedConnection);
  }

 private:
  bool stamped_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  int width = 0;
  int height = 0;
  if (argc != 2 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0) {
    std::fprintf(stderr, "usage: bare-window WIDTHxHEIGHT\n");
    return 2;
  }
  QApplication app(argc, argv);
  BareWindow window;
  window.setWindowTitle("bare-window");
  window.resize(width, height);
  window.show();
  return app.exec();
}
