#pragma once
// Resource, command and message ids of the page printer.
#include "platform/window/messages.h"

namespace zevril::ids {

inline constexpr plat::UINT kMainFrame = 128;     // the main frame's resources
inline constexpr plat::UINT kDocTemplate = 129;   // the document window's resources (menu 129)
inline constexpr plat::UINT kEditHeader = 32771;  // "&Bearbeiten": the header dialog
// The view's open dialog, posted by a window of the program.
inline constexpr plat::UINT kOpenFromView = plat::WM_USER + 1;

}  // namespace zevril::ids
