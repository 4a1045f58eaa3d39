// A new palette, font or wheel setting reaches every window as
// WM_SYSCOLORCHANGE or WM_SETTINGCHANGE, top-level windows before their children.
#include "platform/window/system_changes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleHints>

#include <string>
#include <vector>

#include "platform/testing/window_testing.h"
#include "platform/window/window.h"

namespace plat {
namespace {

struct Heard {
  std::string who;
  UINT message;
  WPARAM wParam;
  friend bool operator==(const Heard&, const Heard&) = default;
};

class Listener : public Window {
 public:
  Listener(std::string name, std::vector<Heard>* log) : name_(std::move(name)), log_(log) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE) log_->push_back({name_, message, wParam});
    return Window::WindowProc(message, wParam, lParam);
  }

 private:
  std::string name_;
  std::vector<Heard>* log_;
};

class SystemChanges : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(top.Create("top", WS_VISIBLE, Rect{100, 100, 400, 300}));
    ASSERT_TRUE(child.Create("", WS_CHILD | WS_VISIBLE, Rect{10, 10, 100, 100}, &top));
    ASSERT_TRUE(other.Create("other", 0, Rect{0, 0, 50, 50}));
    ASSERT_TRUE(testing::PumpMessages());
    log.clear();
  }
  void TearDown() override {
    QApplication::setPalette(palette_);
    QApplication::setFont(font_);
    QGuiApplication::styleHints()->setWheelScrollLines(lines_);
    testing::PumpMessages();
  }

  std::vector<Heard> log;
  Listener top{"top", &log};
  Listener child{"child", &log};
  Listener other{"other", &log};

 private:
  QPalette palette_ = QApplication::palette();
  QFont font_ = QApplication::font();
  int lines_ = QGuiApplication::styleHints()->wheelScrollLines();
};

TEST_F(SystemChanges, NewPaletteSendsSysColorChangeToEveryWindow) {
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Window, QColor(10, 20, 30));
  QApplication::setPalette(palette);
  testing::PumpMessages();
  const std::vector<Heard> expected = {
      {"top", WM_SYSCOLORCHANGE, 0}, {"child", WM_SYSCOLORCHANGE, 0}, {"other", WM_SYSCOLORCHANGE, 0}};
  EXPECT_EQ(log, expected);
}

TEST_F(SystemChanges, NewFontOrWheelLinesSendSettingChange) {
  QFont font = QApplication::font();
  font.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() + 3 : 21);
  QApplication::setFont(font);
  testing::PumpMessages();
  std::vector<Heard> expected = {{"top", WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS},
                                 {"child", WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS},
                                 {"other", WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS}};
  EXPECT_EQ(log, expected);

  log.clear();
  QGuiApplication::styleHints()->setWheelScrollLines(QGuiApplication::styleHints()->wheelScrollLines() + 4);
  testing::PumpMessages();
  expected = {{"top", WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES},
              {"child", WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES},
              {"other", WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES}};
  EXPECT_EQ(log, expected);
}

TEST_F(SystemChanges, AWindowGoneInAHandlerIsSkipped) {
  class Closer : public Window {
   public:
    Window* victim = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_SYSCOLORCHANGE && victim) victim->DestroyWindow();
      return Window::WindowProc(message, wParam, lParam);
    }
  } closer;
  ASSERT_TRUE(closer.Create("closer", 0, Rect{0, 0, 50, 50}));
  closer.victim = &other;  // made before the closer: hears it first
  Listener last{"last", &log};
  ASSERT_TRUE(last.Create("last", 0, Rect{0, 0, 50, 50}));
  closer.victim = &last;
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Base, QColor(1, 2, 3));
  QApplication::setPalette(palette);
  testing::PumpMessages();
  const std::vector<Heard> expected = {
      {"top", WM_SYSCOLORCHANGE, 0}, {"child", WM_SYSCOLORCHANGE, 0}, {"other", WM_SYSCOLORCHANGE, 0}};
  EXPECT_EQ(log, expected);
  EXPECT_FALSE(IsWindow(last.GetSafeHwnd()));
}

}  // namespace
}  // namespace plat
