#pragma once
// MMGRAFIKR1: reading with the start-up's corrections, and writing.
#include <string>

#include "graphics/state/viewer_state.h"

namespace revuzavi {

// "MMGRAFIKR1"
inline constexpr const char* kGraphicsSettingsFile = "MMGRAFIKR1";

// Reads the block into state.graphics and corrects it: 0 at offset 0 becomes 5
// (and the float at 68 becomes 1.0), a value below 0 at 12 becomes 6, the
// floats at 72 and 100 below the frame's tolerance become 1.0 and 0.5. A
// missing or short file gives the defaults. Then the mirrors, the page-head
// style and the page margins follow the block.
void ReadGraphicsSettings(ViewerState& state);

// Writes the block into the settings folder only; the solid-band mirror
// follows the block on success and is 0 on failure, which names the file.
common::Result WriteGraphicsSettings(ViewerState& state);

// The margins that a page-head style selects: 2 gives 0.02 / 0.9 / 0.75, any
// other 0.05 / 0.95 / 0.8.
PageMargins MarginsOfStyle(int page_head_style);

}  // namespace revuzavi
