#pragma once
// The widget behind a window, for platform tests that send Qt events the
// helpers of window_testing.h do not script.
#include <Qt>

#include "platform/window/window.h"

class QWidget;

namespace plat::testing {

QWidget* WidgetOf(Window& window);
// The Qt modifiers of kShift, kCtrl and kAlt.
Qt::KeyboardModifiers QtModifiers(unsigned mods);

}  // namespace plat::testing
