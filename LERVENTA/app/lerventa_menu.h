#pragma once
// LERVENTA's menu bar (resource 128) and its shortcut keys.
#include "platform/frames/accelerators.h"
#include "platform/frames/menu.h"

namespace lerventa {

plat::Menu LerventaMenu();
plat::AcceleratorTable LerventaAccelerators();

}  // namespace lerventa
