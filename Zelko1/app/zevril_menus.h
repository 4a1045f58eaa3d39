#pragma once
// The menus, keys and tool-bar buttons of the page printer (texts in
// Windows-1252).
#include <vector>

#include "platform/frames/accelerators.h"
#include "platform/frames/menu.h"
#include "platform/frames/tool_bar.h"

namespace zevril {

// The main frame's menu, shown while no document window is open.
plat::Menu MainFrameMenu();
// Menu 129 of a document window.
plat::Menu DocumentMenu();
// Ctrl+N, Ctrl+O, Ctrl+P.
plat::AcceleratorTable ZevrilAccelerators();
// New, Open, Print, About.
std::vector<plat::ToolButton> ZevrilToolButtons();

}  // namespace zevril
