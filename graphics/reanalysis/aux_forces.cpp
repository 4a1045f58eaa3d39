// The release system's columns and the FAUX files of the unit dislocations.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/position/file_names.h"
#include "graphics/picture/view_state.h"
#include "graphics/reanalysis/inverse_in_memory.h"
#include "graphics/reanalysis/inverse_products.h"
#include "graphics/reanalysis/iteration_load_vector.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "graphics/reanalysis/release_records.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/reanalysis/working_copies.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace {

// One {int32 dof, float force} pair of a FAUX file.
constexpr std::size_t kPairBytes = 8;
constexpr std::size_t kAuxFileBytes = 6 * kPairBytes;

bool WriteAuxForces(const ViewerState& state, const common::PointLoadRecord& record, const UnitForces& unit) {
  std::byte bytes[kAuxFileBytes];
  for (int k = 0; k < 6; ++k) {
    const std::int32_t dof = unit.dofs[static_cast<std::size_t>(k)];
    const float force = static_cast<float>(unit.forces(k + 1));
    std::memcpy(bytes + kPairBytes * static_cast<std::size_t>(k), &dof, 4);
    std::memcpy(bytes + kPairBytes * static_cast<std::size_t>(k) + 4, &force, 4);
  }
  return plat::WriteBlock(AuxForcesFile(state, record), bytes, sizeof bytes);
}

// Adds y times the forces of the record's FAUX file to f; a missing or short file adds nothing,
// a dof outside the frame or a force that is not finite is passed over.
void AddAuxForces(const ViewerState& state, const common::PointLoadRecord& record, std::vector<double>& f) {
  std::byte bytes[kAuxFileBytes];
  if (!plat::ReadBlock(AuxForcesFile(state, record), bytes, sizeof bytes)) return;
  const int n = state.equation_count();
  for (std::size_t k = 0; k < 6; ++k) {
    std::int32_t dof = 0;
    float force = 0.0f;
    std::memcpy(&dof, bytes + kPairBytes * k, 4);
    std::memcpy(&force, bytes + kPairBytes * k + 4, 4);
    if (dof < 1 || dof > n || static_cast<std::size_t>(dof) >= f.size() || !std::isfinite(force)) continue;
    f[static_cast<std::size_t>(dof)] += static_cast<double>(record.value()) * force;
  }
}

// Column j: w = K^-1 F_j of record j's unit dislocation, then the force at every record's point
// with the dislocation's own line on its element.
common::Result FillColumn(ViewerState& state, const ReleaseSet& releases, int j, ReleaseRows& rows) {
  const common::PointLoadRecord& source = ReleaseRecord(state, releases, j);
  const UnitForces unit = UnitDislocationForces(state, source);
  if (!WriteAuxForces(state, source, unit)) {
    return common::Result::Fail("The file " + AuxForcesFile(state, source) + " cannot be written.", "Error");
  }
  const int n = state.equation_count();
  std::vector<double> r(static_cast<std::size_t>(n) + 1, 0.0);
  for (int k = 0; k < 6; ++k) {
    const int dof = unit.dofs[static_cast<std::size_t>(k)];
    if (dof >= 1 && dof <= n) r[static_cast<std::size_t>(dof)] += unit.forces(k + 1);
  }
  std::vector<double> w(static_cast<std::size_t>(n) + 1, 0.0);
  InverseTimes(state.inverse_rows, r, w, ParallelThreads(n));
  std::copy(w.begin(), w.end(), state.displacements.begin());

  // The forces of the unit solution, with the dislocation's own line on its element.
  mechanics::CurveSwitches elsewhere;
  elsewhere.loads = false;
  mechanics::CurveSwitches own = elsewhere;
  own.dislocation = mechanics::GreenDislocation(IsKinkRecord(source) ? GreenPoint::kMoment : GreenPoint::kShear,
                                                source.distance(), own.unit_dislocation);
  for (int i = 0; i < releases.records(); ++i) {
    const common::PointLoadRecord& at = ReleaseRecord(state, releases, i);
    rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
        ReleasedForce(state, at.element() == source.element() ? own : elsewhere, at);
  }
  return common::Result::Ok();
}

template <class Takes>
common::Result FillColumns(ViewerState& state, const ReleaseSet& releases, ReleaseRows& rows, Takes takes) {
  for (int j = 0; j < releases.records(); ++j) {
    if (!takes(ReleaseRecord(state, releases, j))) continue;
    if (common::Result filled = FillColumn(state, releases, j, rows); !filled) return filled;
  }
  return common::Result::Ok();
}

}  // namespace

common::Result ComputeAuxForcesM(ViewerState& state, const ReleaseSet& releases, ReleaseRows& rows) {
  return FillColumns(state, releases, rows, [](const common::PointLoadRecord& r) { return IsKinkRecord(r); });
}

common::Result ComputeAuxForcesV(ViewerState& state, const ReleaseSet& releases, ReleaseRows& rows) {
  return FillColumns(state, releases, rows, [](const common::PointLoadRecord& r) { return !IsKinkRecord(r); });
}

common::Result ComputeAuxForcesMV(ViewerState& state, const ReleaseSet& releases, ReleaseRows& rows) {
  return FillColumns(state, releases, rows, [](const common::PointLoadRecord&) { return true; });
}

void ApplyAuxForcesMV(const ViewerState& state, const ReleaseSet& releases, std::vector<double>& f) {
  for (int r = 0; r < releases.records(); ++r) {
    if (IsCutRecord(state, releases, r)) AddAuxForces(state, ReleaseRecord(state, releases, r), f);
  }
}

common::Result ApplyAuxForces(ViewerState& state, ReanalysisState& run) {
  if (!EnsureInverse(state, run.inverse)) {
    return InverseMissingForRun();
  }
  // The settlement terms of the load vector take UT8.
  const std::vector<double> before = state.displacements;
  if (const common::FileStatus read = ReadDisplacementCopy(state, 0); !read.ok()) {
    state.displacements = before;
    return UnusableFile(state.position.LoadCaseFile(common::file_names::kDisplacements, state.current_load_case),
                        read);
  }
  auto f = IterationLoadVector(state, Modification{});
  if (!f) {
    state.displacements = before;
    return f.failure();
  }
  for (int r = 0; r < run.releases.records(); ++r) {
    if (!IsCutRecord(state, run.releases, r)) AddAuxForces(state, ReleaseRecord(state, run.releases, r), *f);
  }
  ApplyAuxForcesMV(state, run.releases, *f);
  const int n = state.equation_count();
  std::vector<double> u(static_cast<std::size_t>(n) + 1, 0.0);
  InverseTimes(state.inverse_rows, *f, u, ParallelThreads(n));
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  std::copy(u.begin(), u.end(), state.displacements.begin());
  return common::Result::Ok();
}

}  // namespace revuzavi
