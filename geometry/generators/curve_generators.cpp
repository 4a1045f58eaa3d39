#include "geometry/generators/curve_generators.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "common/position/limit_messages.h"
#include "common/records/capacities.h"
#include "geometry/generators/generated_frame.h"
#include "geometry/model/node_rebuild.h"

namespace kelmf {
namespace {

struct Point {
  double x = 0.0, z = 0.0;
};

// The element count of a curve; a count beyond the element table is a limit.
common::Result CheckElementCount(FrameModel& model, int n) {
  if (n < 1) return InputError("The number of elements must be at least 1");
  if (n > common::kMaxElements) return RefuseAndFlag(model, common::TooManyElements());
  return common::Result::Ok();
}

// The model with the chain through `points` as its frame and its nodes
// rebuilt, or the refusal (then only the editor's error flag may be set).
common::Outcome<FrameModel> ChainFrame(FrameModel& model, const std::vector<Point>& points) {
  std::vector<Segment> segments;
  for (std::size_t k = 1; k < points.size(); ++k) {
    segments.push_back({points[k - 1].x, points[k - 1].z, points[k].x, points[k].z});
  }
  FrameModel trial = model;
  trial.params.set_vertical_sign(-1);
  if (common::Result elements = ReplaceElements(trial, segments); !elements) return elements;
  if (common::Result rebuilt = RebuildTopology(trial); !rebuilt) return RefuseAndFlag(model, rebuilt);
  return trial;
}

}  // namespace

common::Result GenerateArc(FrameModel& model, int n, double radius, double angle1, double angle2,
                           const common::Position& position) {
  if (common::Result count = CheckElementCount(model, n); !count) return count;
  if (!(radius > 0.0) || !std::isfinite(radius)) return InputError("The radius must be a number greater than 0");
  if (!std::isfinite(angle1) || !std::isfinite(angle2)) return InputError("The angles must be numbers");
  const double a = std::max(angle1, angle2);
  const double b = std::min(angle1, angle2);
  std::vector<Point> points;
  for (int k = 1; k <= n + 1; ++k) {
    const double theta = (a - (k - 1) * (a - b) / n) * 2.0 * std::numbers::pi / 360.0;
    points.push_back({radius * std::cos(theta), radius * std::sin(theta)});
  }
  auto frame = ChainFrame(model, points);
  if (!frame) return frame.failure();
  model = std::move(*frame);
  return WriteGeneratedFrame(model, position);
}

common::Result GenerateParabola(FrameModel& model, const ParabolaInput& input, const common::Position& position) {
  const int n = input.elements;
  if (common::Result count = CheckElementCount(model, n); !count) return count;
  const double length = input.length;
  const double rise = input.height;
  if (!(length > 0.0) || !std::isfinite(length)) {
    return InputError("The length of the base line must be a number greater than 0");
  }
  if (!std::isfinite(rise)) return InputError("The height must be a number");
  std::vector<Point> points;
  for (int k = 1; k <= n + 1; ++k) {
    const double x = (k - 1) * length / n;
    points.push_back({x, 4.0 * rise * x * (length - x) / (length * length)});
  }
  auto frame = ChainFrame(model, points);
  if (!frame) return frame.failure();
  model = std::move(*frame);
  model.parabola = input;
  return WriteGeneratedFrame(model, position);
}

}  // namespace kelmf
