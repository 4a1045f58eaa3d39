#pragma once
// The support reactions of the load case shown, with KLAGER's values and
// signs (one float per equation: x the force on the frame, z and rotation the
// force the support takes), and the nodal loads of the load vector, each drawn
// as the force that acts on the upright frame.
#include <vector>

#include "common/records/record_files.h"
#include "graphics/picture/canvas.h"

namespace revuzavi {

// KLAGER of the current load case into reactions [1..n] (slot 0 unused). A
// file shorter than n floats, or with a number that is not finite, is
// damaged; reactions are unchanged unless read.
common::FileStatus ReadSupportReactions(const ViewerState& state, std::vector<float>& reactions);

struct ReactionOptions {
  bool horizontal = true;  // off: no horizontal arrows
};

// The world length per kN that draws the largest of `values` (kN) as an arrow
// 0.15 of the frame's larger extent long.
double ArrowSize(const ViewerState& state, double largest);

// For every node shown, by its support flags: an x reaction above 1e-8 in
// magnitude as a horizontal arrow, a z reaction above 0.1 as a vertical one,
// a moment above 0.1 as an arc with its text "%.2f kNm". Labels go to the
// reaction label table. Returns the number of reactions drawn.
int DrawSupportReactions(Canvas& c, const std::vector<float>& reactions, const ReactionOptions& o);

// The load vector's values of magnitude 0.01 and more at their nodes: forces
// as arrows, moments as arcs with their text "%.2f kNm". Returns the number
// drawn.
int DrawNodalLoads(Canvas& c, const std::vector<double>& load_vector);

}  // namespace revuzavi
