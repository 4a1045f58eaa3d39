#pragma once
// The release records behind the load case's own point loads, and the unit dislocation each one
// stands for.
#include <array>
#include <string>

#include "common/records/point_load_record.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"
#include "mechanics/element_loads.h"
#include "mechanics/model/element_curves_of.h"

namespace revuzavi {

// Release record r (0-based behind the own point loads); the caller keeps r below releases.records().
const common::PointLoadRecord& ReleaseRecord(const ViewerState& state, const ReleaseSet& releases, int r);
common::PointLoadRecord& ReleaseRecord(ViewerState& state, const ReleaseSet& releases, int r);

bool IsKinkRecord(const common::PointLoadRecord& record);
// Whether record r is half of a cut (its neighbour holds the same release number).
bool IsCutRecord(const ViewerState& state, const ReleaseSet& releases, int r);

// The station of a release along element e: 0.1 m from its start for type 0 (half the length on
// an element shorter than 0.2 m), its length for type 1, half of it for type 2.
float ReleaseStation(const common::ElementRecord& element, int type);

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

// The force the record releases at its own station (its distance), with the element's curves
// composed by the switches given: its moment for a kink, its shear for a jump.
double ReleasedForce(const ViewerState& state, const mechanics::CurveSwitches& switches,
                     const common::PointLoadRecord& record);

}  // namespace revuzavi
