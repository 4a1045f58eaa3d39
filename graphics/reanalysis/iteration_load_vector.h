#pragma once
// The load vector of the iterative reanalysis: RHSG of the load case, plus the forces that
// moved its settled supports (RHSG holds none of them), less the own loads of the picked
// elements that are removed. For an unchanged frame K^-1 f gives UT8 back.
#include <set>
#include <vector>

#include "common/result.h"
#include "graphics/reanalysis/modification.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// The settled equations of the load case shown: its own LKNOTENR when present, else the
// frame's; none without settlements. Fails, naming the file, when LKNOTENR is damaged.
common::Outcome<std::set<int>> SettledEquations(const ViewerState& state);

// f (n + 1 slots) from RHSG into state.right_hand_side and, at every settled equation d of a load
// case with settlements, (K u - RHSG)[d] with K from MATRIXORI and u = UT8 (state.displacements
// as read). Fails, naming the file, when RHSG is missing or damaged, the load case's LKNOTENR is
// damaged, or MATRIXORI is missing or damaged where settlements need it.
common::Outcome<std::vector<double>> IterationLoadVector(ViewerState& state, const Modification& modification);

}  // namespace revuzavi
