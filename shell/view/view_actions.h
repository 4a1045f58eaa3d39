#pragma once
// What the main view's keys, wheel and dropped files change in the shell's
// state, without the window.
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// Up (true) or Down steps through the load cases of the DIARY from the
// current one: Up to the next (the last stays), Down to the previous (from
// the first, or from one not listed, to 0 without reading). A new listed
// number reads its PL block. The failure names a damaged PL block.
common::Result StepLoadCase(ShellState& state, bool up);

struct WheelKeys {
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

// One step of the wheel (forward multiplies by 1.1, backward divides; Alt
// steps the pen width within 0..10 and writes PRDB); then PSCALA is written
// with the text factor and the second factor. False when a file cannot be written.
bool ApplyWheelStep(ShellState& state, int delta, WheelKeys keys);

// The first dropped file whose name (not its folder), upper-cased, begins
// with "ECHO_G." or "ACADGEO.".
std::optional<std::string> FirstEchoFile(const std::vector<std::string>& paths);

}  // namespace quentaris
