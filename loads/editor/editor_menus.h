#pragma once
// The resources of the load editor's frame: its menu bar, accelerators and
// tool buttons.
#include <vector>

#include "platform/frames/accelerators.h"
#include "platform/frames/menu.h"
#include "platform/frames/tool_bar.h"

namespace pundf {

// "&Load case", "L&oads", "&View" and "&Help".
plat::Menu EditorMenu();
// Ctrl+N, Ctrl+O, Ctrl+S and Escape.
plat::AcceleratorTable EditorAccelerators();
// The tool bar 128: New, Open, Store, the listing, Preview, Print, the clipboard.
std::vector<plat::ToolButton> EditorToolButtons();

inline constexpr int kStatusPaneCount = 4;
inline constexpr int kCoordinatesPane = 3;

}  // namespace pundf
