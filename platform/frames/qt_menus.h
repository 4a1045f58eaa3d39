#pragma once
// Menus on the window system's widgets (platform/ only): a menu model shown
// in a QMenu or a QMenuBar, brought up to date each time a pop-up opens.
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

#include "platform/frames/menu.h"

namespace plat::detail {

// Windows-1252 text for a widget (mnemonics "&" and shortcut texts after "\t"
// mean the same there).
QString QtText(std::string_view text);

// What a shown menu does: `command` when an item is chosen, `prepare`
// before a pop-up opens (the frame's update handlers), with the pop-up's
// position in its parent.
struct MenuActions {
  std::function<void(UINT id)> command;
  std::function<void(Menu& popup, int index)> prepare;
  // After a pop-up went away (an item chosen, Escape, a click elsewhere).
  std::function<void()> closed;
};

// Finds the model of a shown menu anew each time it is needed (the model may
// have been replaced since the widget was made); nullptr when it is gone.
using MenuModel = std::function<Menu*()>;

// Fills `widget` with the items of the model; each pop-up below is prepared
// and filled when it opens.
void FillQMenu(QMenu* widget, const MenuModel& model, const MenuActions& actions);
// Fills a menu bar with the top items of the model; where it shows the same items already,
// only their states (enabled, checked) are brought up to date.
void FillQMenuBar(QMenuBar* bar, const MenuModel& model, const MenuActions& actions);
// A text that changes whenever what the bar shows of the model would change.
std::string MenuBarSignature(const Menu& menu);

// The menu item of a widget's action (0 for none).
UINT ActionId(const QAction* action);

}  // namespace plat::detail
