#include "geometry/model/drawing_extents.h"

#include <algorithm>
#include <cmath>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/model/element_writer.h"
#include "geometry/model/model_file_writer.h"
#include "geometry/model/model_files.h"

namespace kelmf {
namespace {

void Widen(common::DrawingExtents& box, float x, float z) {
  box.set_xmin(std::min(box.xmin(), x));
  box.set_xmax(std::max(box.xmax(), x));
  box.set_zmin(std::min(box.zmin(), z));
  box.set_zmax(std::max(box.zmax(), z));
}

}  // namespace

int ChooseScale(const common::DrawingExtents& extents) {
  const double dx = std::fabs(static_cast<double>(extents.xmax()) - extents.xmin());
  const double dz = std::fabs(static_cast<double>(extents.zmax()) - extents.zmin());
  if (dx > 100.0 || dz > 100.0) return 10;
  if (dx > 50.0 && dz > 50.0) return 20;
  if (dx > 40.0 && dz > 40.0) return 25;
  if (dx > 30.0 && dz > 30.0) return 30;
  if (dx > 20.0 && dz > 20.0) return 50;
  if (dx > 10.0 && dz > 10.0) return 100;
  if (dx < 3.0 && dz < 3.0) return 500;
  return 200;
}

common::DrawingExtents ElementExtents(const FrameModel& model) {
  common::DrawingExtents box = common::DrawingExtents::Box(1e20f, 1e20f, -1e20f, -1e20f);
  for (const common::ElementRecord& element : model.elements.used()) {
    Widen(box, element.xa(), element.za());
    Widen(box, element.xb(), element.zb());
  }
  return box;
}

common::Result WriteDrawingExtents(FrameModel& model, const common::Position& position) {
  ComputeElementGeometry(model);
  common::Result written = WriteElements(model, position);
  model.extents = ElementExtents(model);
  common::Result extents = WriteIfChanged(position.File(common::file_names::kExtents), BlockFileBytes(model.extents));
  return FirstFailure({written, extents});
}

common::Result ReadDrawingExtents(FrameModel& model, const common::Position& position) {
  const std::string path = position.File(common::file_names::kExtents);
  auto read = common::ReadBlockRecord<common::DrawingExtents>(path);
  model.extents = read.status.ok() ? read.record : common::DrawingExtents::Default();
  model.editor.view_extents = model.extents;
  model.editor.drawing_scale = ChooseScale(model.extents);
  return common::CheckFile(path, read.status);
}

common::Result WritePoleExtents(FrameModel& model, const common::Position& position) {
  common::DrawingExtents box = ElementExtents(model);
  const PoleTable& poles = model.kinematics.poles;
  const int count = std::min(model.elements.count(), poles.count());
  for (int e = 1; e <= count; ++e) {
    if (!poles[e].at_infinity) Widen(box, poles[e].x, poles[e].z);
  }
  model.extents = box;
  return StoreBlock(position.File(common::file_names::kPoleExtents), model.extents);
}

}  // namespace kelmf
