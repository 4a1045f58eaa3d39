#pragma once
// The application-look commands of a main frame (205..219): each applies its
// look to every window with a wait cursor and stores it; the menu item of the
// look in use is checked.
#include "platform/frames/command_target.h"
#include "platform/frames/menu.h"

namespace common {

void MapApplicationLooks(plat::CommandTarget& frame, plat::UINT first, plat::UINT last);

// The popup "Application look" of a View menu: the looks 215..219.
plat::Menu ApplicationLooksPopup();

// The stored look applied again (a frame's creation).
void ApplyStoredLook();

}  // namespace common
