// bare-window WIDTHxHEIGHT: a plain Qt window of that size that paints itself white and writes
// the first-paint stamp of PLAT_FIRST_PAINT as the suite's programs do. The yardstick of
// first_paint_bench: what a start to a first paint costs Qt itself on the same X server.
#include <QApplication>

#include "bench/white_widget.h"

int main(int argc, char** argv) {
  int width = 0;
  int height = 0;
  if (!bench::SizeArgument(argc, argv, "bare-window", &width, &height)) return 2;
  QApplication app(argc, argv);
  bench::WhiteWidget window;
  window.setWindowTitle("bare-window");
  window.resize(width, height);
  window.show();
  return app.exec();
}
