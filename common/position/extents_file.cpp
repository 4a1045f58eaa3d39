#include "common/position/extents_file.h"

#include <cmath>

#include "common/position/file_names.h"
#include "common/records/record_files.h"

namespace common {
namespace {

bool Finite(const DrawingExtents& e) {
  return std::isfinite(e.xmin()) && std::isfinite(e.zmin()) && std::isfinite(e.xmax()) && std::isfinite(e.zmax());
}

}  // namespace

Outcome<FrameExtents> ReadExtents(const Position& position) {
  const std::string path = position.File(file_names::kExtents);
  auto read = ReadBlockRecord<DrawingExtents>(path);
  if (auto check = CheckFile(path, read.status); !check) return check;
  // The box sizes every picture of the frame: a number that is not finite is damage.
  if (read.status.ok() && !Finite(read.record)) return DamagedFile(path, "it holds a number that is not finite");
  FrameExtents e;
  if (read.status.ok()) e.box = read.record;
  e.step = DrawingStep(e.box);
  return e;
}

int DrawingStep(const DrawingExtents& box) {
  const float w = std::fabs(box.xmax() - box.xmin());
  const float h = std::fabs(box.zmax() - box.zmin());
  if (w > 100.0f || h > 100.0f) return 100;
  struct Rule {
    float both_above;
    int step;
  };
  for (const Rule rule : {Rule{50.0f, 200}, Rule{40.0f, 250}, Rule{30.0f, 300}, Rule{20.0f, 500}, Rule{10.0f, 1000}}) {
    if (w > rule.both_above && h > rule.both_above) return rule.step;
  }
  if (w < 3.0f && h < 3.0f) return 5000;
  return 2000;
}

}  // namespace common
