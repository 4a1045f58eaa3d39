#pragma once
// Who chooses from a pop-up menu instead of a person (plat::testing sets it).
#include <functional>

#include "platform/dc/gdi_types.h"
#include "platform/window/messages.h"

namespace plat {
class Menu;
}

namespace plat::hooks {

// Gets the menu (its items brought up to date), the point and the owner;
// returns the chosen command id, 0 for none.
struct PopupMenuHandler {
  std::function<UINT(Menu& menu, Point screen, Window* owner)> choose;
};
extern PopupMenuHandler* popup_menu;

}  // namespace plat::hooks
