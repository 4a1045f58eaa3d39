#include "geometry/generators/generated_frame.h"

#include <cmath>
#include <string>
#include <utility>

#include "common/position/limit_messages.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/element_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_finding.h"
#include "geometry/model/node_rebuild.h"

namespace kelmf {
namespace {

common::ElementRecord GeneratedElement(const Segment& s) {
  common::ElementRecord e;
  e.set_xa(static_cast<float>(s.xa));
  e.set_za(static_cast<float>(s.za));
  e.set_ya(UpwardY(e.za()));
  e.set_xb(static_cast<float>(s.xb));
  e.set_zb(static_cast<float>(s.zb));
  e.set_yb(UpwardY(e.zb()));
  e.set_material(1);
  e.set_cross_section(1);
  e.set_compression_flag(1);
  e.set_tension_flag(1);
  return e;
}

bool Finite(const common::ElementRecord& e) {
  for (float v : {e.xa(), e.za(), e.xb(), e.zb(), e.length()}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

common::Result Fail(int element, const std::string& what) {
  return InputError("Element " + std::to_string(element) + " " + what);
}

}  // namespace

common::Result ReplaceElements(FrameModel& model, std::span<const Segment> segments) {
  common::ElementTable elements;
  for (const Segment& segment : segments) {
    common::ElementRecord element = GeneratedElement(segment);
    ComputeElementGeometry(element, model.params);
    const int number = elements.count() + 1;
    if (!Finite(element)) return Fail(number, "lies outside the range of numbers");
    if (!(element.length() >= kNodeTolerance)) return Fail(number, "is shorter than 0.05 m");
    if (!elements.Append(element)) return common::TooManyElements();
  }
  FrameModel trial = model;
  trial.elements = std::move(elements);
  trial.params.set_element_count(static_cast<std::int16_t>(trial.elements.count()));
  if (common::Result filled = FillElementStiffness(trial); !filled) return filled;
  model = std::move(trial);
  return common::Result::Ok();
}

common::Result InputError(const std::string& text) { return common::Result::Fail(text, "Error"); }

common::Result RefuseAndFlag(FrameModel& model, common::Result failure) {
  model.editor.storey_frame_error = 1;
  return failure;
}

common::Result WriteGeneratedFrame(FrameModel& model, const common::Position& position) {
  common::Result extents = WriteDrawingExtents(model, position);
  common::Result topology = WriteTopologyFiles(model, position);
  return FirstFailure({extents, topology});
}

}  // namespace kelmf
