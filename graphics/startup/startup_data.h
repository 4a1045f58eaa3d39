#pragma once
// The start-up of the results viewer: the position, its diary, model, load case
// shown, results and remembered settings. Run at start and again when another
// position is opened.
#include <functional>
#include <string>
#include <vector>

#include "common/read_outcome.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

struct StartupRequest {
  std::string data_path;    // ending with "/" (one is added when missing)
  std::string ext;          // PositionExt, ".12"
  int start_load_case = 0;  // from the command line; 0 the diary's first
};

// The free texts of the pictures, which the views keep.
struct FreeTextOperations {
  std::function<void()> save;  // of the picture shown, before another position is read
  std::function<void()> read;  // of the load case shown, after its files are read
};

// Reads the position into the state. The load case shown is the one asked for
// when the diary holds it, else the diary's first; its UT8 and RHSG are read.
// On failure the outcome carries the message and the exit code the program
// ends with (0 for a missing PARAMR, -1 for a missing or damaged model file);
// the program's top level shows it and ends. What the viewer goes on from is
// named in `notes`, for the top level to show: a damaged UT8 or RHSG of the load
// case shown (it is then shown without results) and a damaged PSCALA.
common::ReadOutcome StartupData(ViewerState& state, const StartupRequest& request, const FreeTextOperations& texts,
                                std::vector<common::Result>& notes);

}  // namespace revuzavi
