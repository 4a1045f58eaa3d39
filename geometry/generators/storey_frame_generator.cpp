#include "geometry/generators/storey_frame_generator.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/position/limit_messages.h"
#include "common/records/capacities.h"
#include "geometry/generators/generated_frame.h"
#include "geometry/model/beam_numbering.h"
#include "geometry/model/node_finding.h"

namespace kelmf {
namespace {

bool AtLeastTolerance(float value) { return std::isfinite(value) && value >= kNodeTolerance; }

common::Result CheckStoreys(const StoreyTable& storeys) {
  if (storeys.count() > kMaxStoreys) return InputError("Too many floors, max = " + std::to_string(kMaxStoreys));
  for (int i = 1; i <= storeys.count(); ++i) {
    const StoreyRecord& storey = storeys[i];
    const std::string floor = std::to_string(i);
    if (storey.piers() > kMaxPiers) {
      return InputError("Too many columns in floor " + floor + ", max = " + std::to_string(kMaxPiers));
    }
    if (storey.piers() < 2) return InputError("2 piers and more make a frame");
    if (!AtLeastTolerance(storey.height())) return InputError("Floor " + floor + ": the height must be at least 0.05 m");
    if (!AtLeastTolerance(storey.spacing())) return InputError("Floor " + floor + ": the spacing must be at least 0.05 m");
  }
  return common::Result::Ok();
}

std::vector<double> PierPositions(const StoreyRecord& storey) {
  std::vector<double> x;
  for (int k = 1; k <= storey.piers(); ++k) x.push_back((k - 1) * static_cast<double>(storey.spacing()));
  return x;
}

// The positions of both storeys' piers, ascending; one closer than the node
// tolerance to the last one kept is dropped.
std::vector<double> LevelPositions(const std::vector<double>& below, const std::vector<double>& above) {
  std::vector<double> all = below;
  all.insert(all.end(), above.begin(), above.end());
  std::sort(all.begin(), all.end());
  std::vector<double> kept;
  for (double x : all) {
    if (kept.empty() || x - kept.back() >= kNodeTolerance) kept.push_back(x);
  }
  return kept;
}

std::vector<Segment> StoreySegments(const StoreyTable& storeys) {
  std::vector<Segment> segments;
  double bottom = 0.0;
  for (int i = 1; i <= storeys.count(); ++i) {
    const double top = bottom + storeys[i].height();
    const std::vector<double> piers = PierPositions(storeys[i]);
    for (double x : piers) segments.push_back({x, bottom, x, top});
    const std::vector<double> level =
        LevelPositions(piers, i < storeys.count() ? PierPositions(storeys[i + 1]) : std::vector<double>());
    for (std::size_t k = 1; k < level.size(); ++k) segments.push_back({level[k - 1], top, level[k], top});
    bottom = top;
  }
  return segments;
}

}  // namespace

common::Result GenerateStoreyFrame(FrameModel& model, const common::Position& position) {
  model.editor.storey_frame_error = 0;
  if (model.storeys.empty()) return common::Result::Ok();
  if (common::Result valid = CheckStoreys(model.storeys); !valid) return RefuseAndFlag(model, valid);
  const std::vector<Segment> segments = StoreySegments(model.storeys);
  if (static_cast<int>(segments.size()) > common::kMaxElements) {
    return RefuseAndFlag(model, common::TooManyElements());
  }
  FrameModel trial = model;
  common::Result built = ReplaceElements(trial, segments);
  if (built) built = NumberAndSupportGround(trial);
  if (!built) return RefuseAndFlag(model, built);
  model = std::move(trial);
  return WriteGeneratedFrame(model, position);
}

}  // namespace kelmf
