#pragma once
// The messages of a load or a store, shown in their order.
#include <vector>

#include "common/result.h"

namespace kelmf {

// One message box (OK) per message, with its caption.
void ShowMessages(const std::vector<common::Result>& messages);

}  // namespace kelmf
