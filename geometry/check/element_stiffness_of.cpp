#include "geometry/check/element_stiffness_of.h"

namespace kelmf {

common::Outcome<mechanics::ElementMatrix> ElementStiffness(const FrameModel& model, int e) {
  const common::Result failed = common::Result::Fail(mechanics::StiffnessErrorText(e));
  if (e < 1 || e > model.elements.count()) return failed;
  const common::ElementRecord& element = model.elements[e];
  const int m = element.material();
  const int c = element.cross_section();
  if (m < 1 || m > model.materials.count() || c < 1 || c > model.cross_sections.count()) return failed;
  const common::CrossSectionRecord& section = model.cross_sections[c];
  const mechanics::Rigidity rigidity =
      mechanics::RigidityOf(model.materials[m].modulus(), section.area(), section.inertia());
  if (!mechanics::RigidityIsUsable(rigidity)) return failed;
  return mechanics::ElementStiffness(
      rigidity, mechanics::DirectionOfEnds(element.xa(), element.ya(), element.xb(), element.yb()));
}

mechanics::ElementDofs ElementDofs(const common::ElementRecord& element) {
  mechanics::ElementDofs dofs{};
  for (int k = 1; k <= 6; ++k) dofs[static_cast<std::size_t>(k - 1)] = element.dof(k);
  return dofs;
}

}  // namespace kelmf
