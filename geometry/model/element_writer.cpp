#include "geometry/model/element_writer.h"

#include <string>

#include "common/position/file_names.h"
#include "geometry/model/model_file_writer.h"

namespace kelmf {
namespace {

common::Result MissingEntry(int element, const char* what, int number) {
  return common::Result::Fail(
      "Element " + std::to_string(element) + ": " + what + " " + std::to_string(number) + " does not exist", "Error");
}

int OrOne(int number) { return number == 0 ? 1 : number; }

}  // namespace

common::Result FillElementStiffness(FrameModel& model) {
  const int materials = model.materials.count();
  const int sections = model.cross_sections.count();
  for (int e = 1; e <= model.elements.count(); ++e) {
    const common::ElementRecord& element = model.elements[e];
    const int material = OrOne(element.material());
    const int section = OrOne(element.cross_section());
    if (material < 1 || material > materials) return MissingEntry(e, "material", material);
    if (section < 1 || section > sections) return MissingEntry(e, "cross section", section);
  }
  for (common::ElementRecord& element : model.elements.used()) {
    element.set_material(static_cast<std::int16_t>(OrOne(element.material())));
    element.set_cross_section(static_cast<std::int16_t>(OrOne(element.cross_section())));
    const double e_modulus = model.materials[element.material()].modulus();
    const common::CrossSectionRecord& section = model.cross_sections[element.cross_section()];
    element.set_ea(static_cast<float>(e_modulus * section.area()));
    element.set_ei(static_cast<float>(e_modulus * section.inertia()));
  }
  return common::Result::Ok();
}

common::Result WriteElements(FrameModel& model, const common::Position& position) {
  if (common::Result filled = FillElementStiffness(model); !filled) return filled;
  return ModelFileWriter(position).Table(common::file_names::kElements, model.elements);
}

}  // namespace kelmf
