// Menu bars filled from a menu model, as the window system shows them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QToolButton>

#include <string>

#include "platform/frames/qt_menus.h"

namespace plat::test {
namespace {

Menu Commands(const std::string& stem, int count) {
  Menu bar;
  for (int i = 0; i < count; ++i) bar.AppendMenu(MF_STRING, 100 + i, stem + std::to_string(i));
  Menu view = Menu::Popup();
  view.AppendMenu(MF_STRING, 200, "&Fit");
  bar.AppendMenu(MF_POPUP, std::move(view), "&View");
  return bar;
}

// A bar too narrow for its items shows Qt's overflow arrow with the rest in a list; a new menu
// in the bar replaces the model's own pop-ups but leaves that list to Qt (deleted with them, the
// arrow opened nothing).
TEST(QtMenusTest, ARefilledBarKeepsTheOverflowArrowsList) {
  Menu first = Commands("Command ", 20);
  Menu second = Commands("Picture ", 20);
  Menu* shown = &first;
  const detail::MenuModel model = [&shown] { return shown; };
  QMenuBar bar;
  bar.resize(240, 30);
  bar.show();
  detail::FillQMenuBar(&bar, model, {});
  QCoreApplication::processEvents();
  shown = &second;
  detail::FillQMenuBar(&bar, model, {});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();

  auto* arrow = bar.findChild<QToolButton*>("qt_menubar_ext_button");
  ASSERT_NE(arrow, nullptr);
  EXPECT_TRUE(arrow->isVisible());
  ASSERT_NE(arrow->menu(), nullptr);
  const QList<QAction*> rest = arrow->menu()->actions();
  ASSERT_FALSE(rest.isEmpty());
  EXPECT_EQ(rest.back()->text(), QStringLiteral("&View"));
  // The first menu's pop-up went; the second's is there.
  int view_popups = 0;
  for (QMenu* child : bar.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
    if (child->title() == QStringLiteral("&View")) ++view_popups;
  }
  EXPECT_EQ(view_popups, 1);
}

}  // namespace
}  // namespace plat::test
