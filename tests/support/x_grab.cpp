// x-grab OUTFILE: the whole screen of $DISPLAY as raw RGB (width and height as
// two 32-bit integers, then the rows), for the X-event tests that compare what
// a person sees before and after an act.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdint>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: x-grab OUTFILE\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 1;
  const QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB888);
  if (image.isNull()) return 1;
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) return 1;
  const std::int32_t size[2] = {image.width(), image.height()};
  bool ok = std::fwrite(size, sizeof size, 1, out) == 1;
  for (int y = 0; ok && y < image.height(); ++y) {
    ok = std::fwrite(image.constScanLine(y), 3, static_cast<std::size_t>(image.width()), out) ==
         static_cast<std::size_t>(image.width());
  }
  ok = std::fclose(out) == 0 && ok;
  return ok ? 0 : 1;
}
