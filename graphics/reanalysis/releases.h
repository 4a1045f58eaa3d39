#pragma once
// Releases in the loaded frame: a moment release (a kink), a shear release (a transverse jump) or
// a cut (both) at a point of an element. Each release is a unit dislocation whose size is solved
// so that the released force at its point becomes k (of "Scales") times the load case's; the
// displacements then follow from K^-1 of the stored frame, and the diagrams draw the releases
// from their records in the point-load table (kind 2 a kink, kind 4 a jump, placed on the element).
#include <vector>

#include "common/result.h"
#include "graphics/picture/view_state.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

inline constexpr int kMostMomentReleases = 10;
inline constexpr int kMostShearReleases = 10;
inline constexpr int kMostCuts = 5;

// The place of a release along its element: type 0 at 0.1 m, 1 at the end, 2 in the middle.
enum ReleasePosition : int { kNearStart = 0, kAtEnd = 1, kInMiddle = 2 };

// Add a moment release, a shear release or a cut to element e at the position type and recompute
// state.displacements, then redraw. Refused, with nothing changed: beyond the limits ("max 10
// modifications" / "max 5 modifications", caption "OK"), beyond the room of the point-load table
// ("Too many point loads, max = 100", caption "Error"), an element or type that does not exist,
// without a usable INVERSE, UT8 or load vector, and when the release system is singular.
common::Result DrawInfluenceM(ViewerState& state, ReanalysisState& run, const ViewState& view, ReanalysisView& out,
                              int e, int type);
common::Result DrawInfluenceV(ViewerState& state, ReanalysisState& run, const ViewState& view, ReanalysisView& out,
                              int e, int type);
common::Result DrawInfluenceMV(ViewerState& state, ReanalysisState& run, const ViewState& view, ReanalysisView& out,
                               int e, int type);

// The release system, one unknown per release record: rows[i][j] is the force released at
// record i (its moment for a kink, its shear for a jump) that the unit dislocation of record j
// causes. Records are counted from 0 behind the load case's own point loads.
using ReleaseRows = std::vector<std::vector<double>>;

// For every kink record (ComputeAuxForcesM), every jump record (ComputeAuxForcesV) or both
// (ComputeAuxForcesMV): writes its FAUXF<i> or FAUXV<i> (six {int32 dof, float force} of the
// unit dislocation, i the release number) and fills its column of rows (rows has one entry per
// record, each as long). Needs the inverse in state.inverse_rows; state.displacements is used as
// the work vector and left holding the last unit solution. Fails, naming it, when a FAUX file
// cannot be written (the forces would be left out of the displacements).
common::Result ComputeAuxForcesM(ViewerState& state, const ReleaseSet& releases, ReleaseRows& rows);
common::Result ComputeAuxForcesV(ViewerState& state, const ReleaseSet& releases, ReleaseRows& rows);
common::Result ComputeAuxForcesMV(ViewerState& state, const ReleaseSet& releases, ReleaseRows& rows);

// f (n + 1 slots) gets y times the forces of the FAUX file of every release record (y its byte
// 40): ApplyAuxForcesMV adds those of the cuts' records, ApplyAuxForces those of the others and
// the cuts'. A missing FAUX file adds nothing.
void ApplyAuxForcesMV(const ViewerState& state, const ReleaseSet& releases, std::vector<double>& f);
// The load vector of the load case with the forces of all releases; state.displacements becomes
// K^-1 times it. Fails, with the displacements as they were, without the inverse or load vector.
common::Result ApplyAuxForces(ViewerState& state, ReanalysisState& run);

// The point-load table and the load case's count both hold `count` records.
void SetPointLoadCount(ViewerState& state, int count);

// Esc: the releases leave the frame; the point-load count is the load case's own again.
void DropReleases(ViewerState& state, ReleaseSet& releases);

}  // namespace revuzavi
