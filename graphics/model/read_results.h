#pragma once
// Reading the solver's results of a load case and the inverse stiffness matrix
// into the viewer's state. A result file that is shorter than it must be, or
// holds a number that is not finite, is damaged: it is not used.
#include <string>
#include <string_view>

#include "common/records/record_files.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// UT8 + text + ext (1001 doubles) into state.displacements; unchanged unless read. A vector read
// is the load case's own field (state.foreign_field cleared).
common::FileStatus ReadDisplacementVector(ViewerState& state, std::string_view load_case_text);

// A displacement vector file (1001 doubles) at `path` into state.displacements; unchanged unless read.
common::FileStatus ReadDisplacementFile(ViewerState& state, const std::string& path);

// RHSG + text (n doubles, no extension) into state.right_hand_side [1..n]; a
// missing file gives zeros, a damaged one leaves the vector unchanged.
common::FileStatus ReadRightHandSide(ViewerState& state, std::string_view load_case_text);

// ENERGIES of the current load case: floats [0..m] into state.energies. 1 when
// read; 0, with [0..m] set to 0, when the file is missing or damaged.
int ReadEnergies(ViewerState& state);
// The same read with its status: a file shorter than m + 1 floats, or with a number that is not
// finite, is damaged.
common::FileStatus ReadEnergyTable(ViewerState& state);
// ENERGIES of the current load case.
std::string EnergiesFile(const ViewerState& state);

// INVERSE (n x n doubles, row r = column r) into state.inverse_rows. A file of
// another size than 8 n^2 bytes, or with a number that is not finite, is
// damaged; the rows are unchanged unless read.
common::FileStatus ReadInverseRows(ViewerState& state);

}  // namespace revuzavi
