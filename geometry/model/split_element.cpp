#include "geometry/model/split_element.h"

#include <cmath>
#include <string>
#include <utility>

#include "common/position/limit_messages.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/model/element_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_rebuild.h"

namespace kelmf {
namespace {

constexpr double kEndRadius = 0.2;

std::int16_t Toggled(std::int16_t hinge) { return hinge == 0 ? 1 : 0; }

// Splits element e of `model` at (x, z) in memory.
void Split(FrameModel& model, int e, float x, float z) {
  common::ElementRecord& old = model.elements[e];
  common::ElementRecord added;
  added.set_xa(x);
  added.set_ya(UpwardY(z));
  added.set_za(z);
  added.set_xb(old.xb());
  added.set_yb(old.yb());
  added.set_zb(old.zb());
  added.set_minus_sine(old.minus_sine());
  added.set_normal_cosine(old.normal_cosine());
  added.set_cosine(old.cosine());
  added.set_sine(old.sine());
  added.set_ea(old.ea());
  added.set_ei(old.ei());
  added.set_compression_flag(old.compression_flag());
  added.set_tension_flag(old.tension_flag());
  added.set_material(old.material());
  added.set_cross_section(old.cross_section());
  added.set_hinge_a(0);
  added.set_hinge_b(old.hinge_b());

  old.set_xb(x);
  old.set_yb(UpwardY(z));
  old.set_zb(z);
  old.set_hinge_b(0);
  ComputeElementGeometry(old, model.params);
  ComputeElementGeometry(added, model.params);
  model.elements.Append(added);
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
}

}  // namespace

common::Outcome<SplitAction> SplitElementAt(FrameModel& model, int e, float x, float z,
                                            const common::Position& position) {
  if (e < 1 || e > model.elements.count()) {
    return common::Result::Fail("Element " + std::to_string(e) + " does not exist", "Error");
  }
  common::ElementRecord& element = model.elements[e];
  if (std::hypot(static_cast<double>(x) - element.xa(), static_cast<double>(z) - element.za()) < kEndRadius) {
    element.set_hinge_a(Toggled(element.hinge_a()));
    return SplitAction::kHingeA;
  }
  if (std::hypot(static_cast<double>(x) - element.xb(), static_cast<double>(z) - element.zb()) < kEndRadius) {
    element.set_hinge_b(Toggled(element.hinge_b()));
    return SplitAction::kHingeB;
  }
  if (model.elements.full()) return common::TooManyElements();

  FrameModel trial = model;
  Split(trial, e, x, z);
  if (common::Result rebuilt = RebuildTopology(trial); !rebuilt) {
    model.editor.storey_frame_error = 1;
    return rebuilt;
  }
  model = std::move(trial);
  common::Result stiffness = FillElementStiffness(model);
  if (common::Result files = FirstFailure({stiffness, WriteTopologyFiles(model, position)}); !files) return files;
  return SplitAction::kSplit;
}

}  // namespace kelmf
