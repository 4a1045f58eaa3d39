#pragma once
// The release records behind the load case's own point loads, and the unit dislocation each one
// stands for.
#include <array>
#include <string>

#include "common/records/point_load_record.h"
#include "graphics/diagrams/force_diagrams.h"
#include "graphics/picture/view_state.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"
#include "mechanics/element_loads.h"

namespace revuzavi {

// Release record r (0-based behind the own point loads); the caller keeps r below releases.records().
const common::PointLoadRecord& ReleaseRecord(const ViewerState& state, const ReleaseSet& releases, int r);
common::PointLoadRecord& ReleaseRecord(ViewerState& state, const ReleaseSet& releases, int r);

bool IsKinkRecord(const common::PointLoadRecord& record);
// Whether record r is half of a cut (its neighbour holds the same release number).
bool IsCutRecord(const ViewerState& state, const ReleaseSet& releases, int r);

// A release record of kind 2 (kink) or 4 (jump) on element e at the position type, size 1.
common::PointLoadRecord MakeReleaseRecord(const ViewerState& state, int e, int type, int number, std::uint8_t kind);

// FAUXF<i> of a kink, FAUXV<i> of a jump.
std::string AuxForcesFile(const ViewerState& state, const common::PointLoadRecord& record);

// The nodal forces of the record's unit dislocation at the element's six equations.
struct UnitForces {
  std::array<int, 6> dofs{};
  mechanics::NodalForces forces;
};
UnitForces UnitDislocationForces(const ViewerState& state, const common::PointLoadRecord& record);

// The force the record releases, as the moment or shear diagram composes it with the view and
// options given: its moment for a kink, its shear for a jump, at the sample of its position type.
double ReleasedForce(const ViewerState& state, const ViewState& view, const DiagramOptions& options,
                     const common::PointLoadRecord& record);

}  // namespace revuzavi
