#pragma once
// The resources of the geometry editor's frame: its menu bar, accelerators,
// tool buttons and status-bar panes.
#include <vector>

#include "platform/frames/accelerators.h"
#include "platform/frames/menu.h"
#include "platform/frames/tool_bar.h"

namespace kelmf {

// "&Position" and "&View".
plat::Menu EditorMenu();
// Ctrl+N, O, S, P, D; the character "x" for End; F1; the edit keys.
plat::AcceleratorTable EditorAccelerators();
// The context menu "Bearbeiten": cut, copy and paste.
plat::Menu EditContextMenu();
inline constexpr const char* kEditContextMenuName = "Bearbeiten";

// "Store", "Print", "Dimensions", "Copy to Clipboard", "Graphical input", "Grid".
std::vector<plat::ToolButton> EditorToolButtons();

inline constexpr int kStatusPaneCount = 5;
inline constexpr int kCoordinatesPane = 3;

}  // namespace kelmf
