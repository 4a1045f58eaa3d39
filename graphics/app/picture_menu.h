#pragma once
// The menus, keys and tool-bar buttons of the results viewer, and the
// enabling of the picture menu (130) by the position's results.
#include <vector>

#include "common/records/load_case_diary.h"
#include "graphics/state/viewer_state.h"
#include "platform/frames/accelerators.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/menu.h"
#include "platform/frames/tool_bar.h"

namespace revuzavi {

// The main frame's menu 128: File, View, Help.
plat::Menu MainMenu();
// Menu 130 of the picture window: items 0..12 "<" .. "Forces f+", then Fit,
// Eigen and GF-Nodes, the Display popup (toggles, scales, line width), then
// File, Window, Help.
plat::Menu PictureMenu();
// Menu 160 of the text window: "&Dimensions", "&Load cases", "&Results", then
// File (printing), Window, Help.
plat::Menu TextMenu();
// Ctrl+C and Ctrl+Insert tile (57634), Ctrl+V and Shift+Insert cascade (57637).
plat::AcceleratorTable MainAccelerators();
std::vector<plat::ToolButton> MainToolButtons();

// Which of the items 0..12 of menu 130 are enabled: all, but Energy without
// ENERGIES of the load case, 5..12 without its results, Forces f+ without the
// ForcesFPlus file.
std::vector<bool> PictureMenuEnabling(const ViewerState& state);
// Applies it to the picture frame's menu (nothing without a frame).
void EnablePictureMenu(const ViewerState& state, plat::FrameWnd* picture_frame);

// The diary lists load case lc.
bool DiaryHolds(const common::LoadCaseDiary& diary, int lc);

}  // namespace revuzavi
