#pragma once
// The widget behind a window, for platform tests that send Qt events the
// helpers of window_testing.h do not script.
#include "platform/window/window.h"

class QWidget;

namespace plat::testing {

QWidget* WidgetOf(Window& window);

}  // namespace plat::testing
