#pragma once
// What the nodes dialog (CDiaKnotenR) shows: the base stiffness, and the nodes
// of the current modification step (KNOTENRTEMP<step> from step 1 on, else
// NODES) with their coordinates and support factors as table texts. The
// materials of MATR are read too. A missing file leaves the viewer's own
// table; a damaged one (a count beyond the table or the records present) is
// not shown from: its message is kept and the viewer's own table shown.
#include <array>
#include <string>
#include <vector>

#include "common/result.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Number, x, y ("%.2f") and the factors u, v, phi ("%5.3lE") of one node.
using NodeRowTexts = std::array<std::string, 6>;

struct NodesShown {
  std::string base_stiffness;  // "%.3E"
  std::vector<NodeRowTexts> rows;
  std::vector<common::Result> problems;  // one per damaged file, naming it
};

// The table of `step` (ReanalysisState::current_step) on the state's position.
NodesShown ReadNodesShown(const ViewerState& state, int step);

}  // namespace revuzavi
