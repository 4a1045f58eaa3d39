#include "platform/window/system_changes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QStyleHints>

#include "platform/window/window.h"
#include "platform/window/window_registry.h"

namespace plat::detail {
namespace {

// Listens to the application object: its palette and font events, and the
// style hints' signals.
class SystemChangeWatcher : public QObject {
 public:
  explicit SystemChangeWatcher(QCoreApplication* app) : QObject(app) {
    app->installEventFilter(this);
    if (auto* gui = qobject_cast<QGuiApplication*>(app)) {
      QStyleHints* hints = gui->styleHints();
      connect(hints, &QStyleHints::wheelScrollLinesChanged, this,
              [] { SendToEveryWindow(WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0); });
      connect(hints, &QStyleHints::mouseDoubleClickIntervalChanged, this,
              [] { SendToEveryWindow(WM_SETTINGCHANGE, SPI_SETDOUBLECLICKTIME, 0); });
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent()) {
      if (event->type() == QEvent::ApplicationPaletteChange) {
        SendToEveryWindow(WM_SYSCOLORCHANGE, 0, 0);
      } else if (event->type() == QEvent::ApplicationFontChange) {
        SendToEveryWindow(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
      }
    }
    return false;
  }
};

}  // namespace

void WatchSystemChanges() {
  static QPointer<SystemChangeWatcher> watcher;  // goes with its application object
  QCoreApplication* app = QCoreApplication::instance();
  if (!watcher && app) watcher = new SystemChangeWatcher(app);
}

void SendToEveryWindow(UINT message, WPARAM wParam, LPARAM lParam) {
  for (HWND hwnd : LiveHandles()) {
    if (Window* window = Window::FromHandle(hwnd)) window->SendMessage(message, wParam, lParam);
  }
}

}  // namespace plat::detail
