#include "graphics/reanalysis/releases.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "common/position/file_names.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/picture/element_values.h"
#include "graphics/reanalysis/inverse_in_memory.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "graphics/reanalysis/release_records.h"
#include "graphics/reanalysis/scales.h"
#include "graphics/reanalysis/working_copies.h"
#include "mechanics/factored_system.h"

namespace revuzavi {
namespace {

enum class ReleaseKind { kMoment, kShear, kCut };

// What a release changes, put back when it gives no result.
class ReleaseUndo {
 public:
  ReleaseUndo(ViewerState& state, ReanalysisState& run)
      : state_(state),
        run_(run),
        point_loads_(state.point_loads),
        params_(state.load_case_params),
        releases_(run.releases),
        displacements_(state.displacements) {}
  common::Result Restore(common::Result failure) {
    state_.point_loads = std::move(point_loads_);
    state_.load_case_params = params_;
    run_.releases = releases_;
    state_.displacements = std::move(displacements_);
    return failure;
  }

 private:
  ViewerState& state_;
  ReanalysisState& run_;
  common::PointLoadTable point_loads_;
  common::LoadCaseParams params_;
  ReleaseSet releases_;
  std::vector<double> displacements_;
};

common::Result Refused(const ReleaseSet& set, ReleaseKind kind) {
  if (kind == ReleaseKind::kMoment && set.moments >= kMostMomentReleases) {
    return common::Result::Fail("max 10 modifications", "OK");
  }
  if (kind == ReleaseKind::kShear && set.shears >= kMostShearReleases) {
    return common::Result::Fail("max 10 modifications", "OK");
  }
  if (kind == ReleaseKind::kCut && set.cuts >= kMostCuts) return common::Result::Fail("max 5 modifications", "OK");
  return common::Result::Ok();
}

common::Result CheckedPlace(const ViewerState& state, int e, int type) {
  if (e < 1 || e > state.elements.count()) {
    return common::Result::Fail("Element " + std::to_string(e) + " lies outside 1.." +
                                    std::to_string(state.elements.count()) + ".",
                                "Error");
  }
  if (type < kNearStart || type > kInMiddle) {
    return common::Result::Fail("Position type " + std::to_string(type) + " does not exist (0, 1 or 2).", "Error");
  }
  return common::Result::Ok();
}

// The release's records behind those of the releases before it; all sizes 1.
void AppendRelease(ViewerState& state, ReleaseSet& set, int e, int type, ReleaseKind kind) {
  SetPointLoadCount(state, set.own_point_loads + set.records());
  const int number = set.count() + 1;
  if (kind != ReleaseKind::kShear) {
    state.point_loads.Append(MakeReleaseRecord(state, e, type, number, common::PointLoadRecord::kKink));
  }
  if (kind != ReleaseKind::kMoment) {
    state.point_loads.Append(MakeReleaseRecord(state, e, type, number, common::PointLoadRecord::kVerticalDislocation));
  }
  (kind == ReleaseKind::kMoment ? set.moments : kind == ReleaseKind::kShear ? set.shears : set.cuts) += 1;
  for (int r = 0; r < set.records(); ++r) ReleaseRecord(state, set, r).set_value(1.0f);
}

// The sizes y that scale the released forces by k: rows y = (k - 1) times the load case's forces.
bool SolveSizes(const ReleaseRows& rows, const std::vector<double>& load_case_forces, double k,
                std::vector<double>& sizes) {
  const int m = static_cast<int>(rows.size());
  mechanics::Matrix a(m);
  mechanics::Vector b(m);
  for (int i = 1; i <= m; ++i) {
    // Each equation divided by its largest coefficient, so that a pivot is measured against 1.
    const std::vector<double>& row = rows[static_cast<std::size_t>(i - 1)];
    double largest = 0.0;
    for (const double c : row) largest = std::max(largest, std::fabs(c));
    if (!(largest > 0.0) || !std::isfinite(largest)) return false;
    b[i] = (k - 1.0) * load_case_forces[static_cast<std::size_t>(i - 1)] / largest;
    // Stored transposed: entry (j, i) is the coefficient of y_j in equation i.
    for (int j = 1; j <= m; ++j) a(j, i) = row[static_cast<std::size_t>(j - 1)] / largest;
  }
  const mechanics::FactoredSystem system(std::move(a), mechanics::PivotRule::kLargest);
  if (!system.factored()) return false;
  // The coefficients come from single-precision curves: releases that leave a mechanism give
  // pivots of rounding size, not 0.
  constexpr double kSmallestPivot = 1e-6;
  for (int i = 1; i <= m; ++i) {
    if (std::fabs(system.factors()(i, i)) < kSmallestPivot) return false;
  }
  if (!system.SolveWithRefinement(b).solved) return false;
  sizes.assign(static_cast<std::size_t>(m), 0.0);
  for (int i = 1; i <= m; ++i) {
    if (!std::isfinite(b[i])) return false;
    sizes[static_cast<std::size_t>(i - 1)] = b[i];
  }
  return true;
}

// A release changes the moments of every element: the "M" curve files hold the frame as it now
// stands, one file for each element the moment picture draws.
void WriteMomentFiles(const ViewerState& state, const ViewState& plain) {
  for (int e = 1; e <= state.elements.count(); ++e) {
    if (!ElementShown(state, plain, e)) continue;
    (void)WriteElementCurveFile(state, 'M', e, PictureElementCurves(state, plain, e, PictureCurveSwitches{}).m);
  }
}

// The forces the releases release under the load case alone (displacements UT8, no release records).
std::vector<double> LoadCaseForces(const ViewerState& state, const ReleaseSet& set) {
  std::vector<double> forces(static_cast<std::size_t>(set.records()), 0.0);
  for (int i = 0; i < set.records(); ++i) {
    forces[static_cast<std::size_t>(i)] = ReleasedForce(state, mechanics::CurveSwitches{}, ReleaseRecord(state, set, i));
  }
  return forces;
}

common::Result AddRelease(ViewerState& state, ReanalysisState& run, const ViewState& view, ReanalysisView& out, int e,
                          int type, ReleaseKind kind) {
  ReadScales(state, run.scales);
  if (common::Result refused = Refused(run.releases, kind); !refused) return refused;
  if (common::Result place = CheckedPlace(state, e, type); !place) return place;
  const int own = run.releases.count() == 0 ? state.point_loads.count() : run.releases.own_point_loads;
  if (own + run.releases.records() + (kind == ReleaseKind::kCut ? 2 : 1) > common::PointLoadTable::kCapacity) {
    return common::Result::Fail("Too many point loads, max = " + std::to_string(common::PointLoadTable::kCapacity),
                                "Error");
  }
  if (!EnsureInverse(state, run.inverse)) return InverseMissingForRun();

  ReleaseUndo undo(state, run);
  ReleaseSet& set = run.releases;
  set.own_point_loads = own;
  AppendRelease(state, set, e, type, kind);

  // The load case's own forces at the release points, without the releases.
  SetPointLoadCount(state, own);
  if (const common::FileStatus read = ReadDisplacementCopy(state, 0); !read.ok()) {
    return undo.Restore(UnusableFile(
        state.position.LoadCaseFile(common::file_names::kDisplacements, state.current_load_case), read));
  }
  ViewState plain = view;
  plain.reanalysis_mode = false;
  plain.green = GreenPoint{};
  const int m = set.records();
  const std::vector<double> load_case_forces = LoadCaseForces(state, set);
  ReleaseRows rows(static_cast<std::size_t>(m), std::vector<double>(static_cast<std::size_t>(m), 0.0));
  const common::Result filled = ComputeAuxForcesMV(state, set, rows);
  SetPointLoadCount(state, own + m);
  common::Result solved = filled;
  std::vector<double> sizes;
  if (solved && !SolveSizes(rows, load_case_forces, state.scales_factor, sizes)) {
    solved = common::Result::Fail("The system of the releases is singular.", "Error");
  }
  if (solved) {
    for (int i = 0; i < m; ++i) {
      ReleaseRecord(state, set, i).set_value(static_cast<float>(sizes[static_cast<std::size_t>(i)]));
    }
    solved = ApplyAuxForces(state, run);
  }
  if (!solved) return undo.Restore(solved);
  WriteMomentFiles(state, plain);
  out.Redraw();
  return common::Result::Ok();
}

}  // namespace

void SetPointLoadCount(ViewerState& state, int count) {
  state.point_loads.SetCount(count);
  state.load_case_params.set_point_load_count(static_cast<std::int16_t>(count));
}

void DropReleases(ViewerState& state, ReleaseSet& releases) {
  if (releases.count() > 0) SetPointLoadCount(state, releases.own_point_loads);
  releases = ReleaseSet{};
}

common::Result DrawInfluenceM(ViewerState& state, ReanalysisState& run, const ViewState& view, ReanalysisView& out,
                              int e, int type) {
  return AddRelease(state, run, view, out, e, type, ReleaseKind::kMoment);
}

common::Result DrawInfluenceV(ViewerState& state, ReanalysisState& run, const ViewState& view, ReanalysisView& out,
                              int e, int type) {
  return AddRelease(state, run, view, out, e, type, ReleaseKind::kShear);
}

common::Result DrawInfluenceMV(ViewerState& state, ReanalysisState& run, const ViewState& view, ReanalysisView& out,
                               int e, int type) {
  return AddRelease(state, run, view, out, e, type, ReleaseKind::kCut);
}

}  // namespace revuzavi
