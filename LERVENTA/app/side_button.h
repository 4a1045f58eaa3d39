#pragma once
// The mouse's first extra button ends LERVENTA at once, wherever it is pressed.
#include "platform/window/window.h"

namespace lerventa {

// For a window's PreTranslateMessage: a press of the extra button posts
// WM_QUIT with 0 and is taken (true); other messages go on (false).
bool EndOnSideButton(const plat::MSG& msg);

}  // namespace lerventa
