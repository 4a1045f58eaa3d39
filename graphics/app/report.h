#pragma once
// A failed step shown in a message box with its caption; a notice to the main window.
#include "common/result.h"
#include "platform/window/messages.h"

namespace revuzavi {

void ShowFailure(const common::Result& result);

// Posts `message` to the program's main window, when there is one.
void PostToMainWindow(plat::UINT message);

}  // namespace revuzavi
