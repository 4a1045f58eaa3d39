// bare-main-window WIDTHxHEIGHT: a plain Qt main window of that size with what every program of
// the suite shows around its view: a menu bar of eight menus, a tool bar of twenty buttons with
// small images, a status bar with a message, and a white view that writes the first-paint stamp
// of PLAT_FIRST_PAINT. A second yardstick of first_paint_bench: what these elements cost Qt itself
// (their fonts, text and layout) beside the bare window, so that a program's figure can be read
// against both.
#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>

#include "bench/white_widget.h"

int main(int argc, char** argv) {
  int width = 0;
  int height = 0;
  if (!bench::SizeArgument(argc, argv, "bare-main-window", &width, &height)) return 2;
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("bare-main-window");
  for (const char* title : {"&File", "&Edit", "&View", "&Picture", "&Results", "&Options", "&Window", "&Help"}) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
    for (int item = 1; item <= 10; ++item) menu->addAction(QStringLiteral("Item %1").arg(item));
  }
  QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
  for (int button = 0; button < 20; ++button) {
    QPixmap image(16, 16);
    image.fill(QColor::fromHsv(button * 18, 200, 200));
    bar->addAction(QIcon(image), QStringLiteral("Button %1").arg(button + 1));
  }
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  window.setCentralWidget(new bench::WhiteWidget);
  window.resize(width, height);
  window.show();
  return app.exec();
}
