#pragma once
// A failed step shown in a message box with its caption.
#include "common/result.h"

namespace revuzavi {

void ShowFailure(const common::Result& result);

}  // namespace revuzavi
