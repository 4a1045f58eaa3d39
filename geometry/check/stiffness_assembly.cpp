#include "geometry/check/stiffness_assembly.h"

#include <array>
#include <span>
#include <string>

#include "geometry/check/element_stiffness_of.h"
#include "mechanics/assembly.h"
#include "mechanics/supported_rotation.h"

namespace kelmf {
namespace {

common::Result EquationsOutside(const char* what, int number, int n) {
  return common::Result::Fail(std::string(what) + " " + std::to_string(number) +
                                  " has equation numbers outside 1.." + std::to_string(n),
                              "Error");
}

bool InRange(int dof, int n) { return dof >= 1 && dof <= n; }

bool NodeDofsValid(const common::NodeRecord& node, int n) {
  const int r = node.rotation_count();
  if (r < 1 || r > common::NodeRecord::kMaxRotations) return false;
  if (!InRange(node.dof_u(), n) || !InRange(node.dof_v(), n)) return false;
  for (int k = 1; k <= r; ++k) {
    if (!InRange(node.rotation_dof(k), n)) return false;
  }
  return true;
}

}  // namespace

int SupportedRotationDof(const common::NodeRecord& node) {
  const int r = node.rotation_count();
  if (r < 1 || r > common::NodeRecord::kMaxRotations) return 0;
  std::array<int, common::NodeRecord::kMaxRotations> rotations{};
  for (int k = 1; k <= r; ++k) rotations[static_cast<std::size_t>(k - 1)] = node.rotation_dof(k);
  return mechanics::SupportedRotationEquation(std::span<const int>(rotations.data(), static_cast<std::size_t>(r)),
                                              node.hinged_end_count(), node.end_count());
}

common::Outcome<mechanics::Matrix> AssembleStiffness(const FrameModel& model, int n, float support_stiffness) {
  mechanics::Matrix k(n);
  for (int e = 1; e <= model.elements.count(); ++e) {
    const common::Outcome<mechanics::ElementMatrix> m = ElementStiffness(model, e);
    if (!m.ok()) return m.failure();
    if (!mechanics::AddElementMatrix(k, *m, ElementDofs(model.elements[e]))) return EquationsOutside("Element", e, n);
  }
  for (int i = 1; i <= model.nodes.count(); ++i) {
    const common::NodeRecord& node = model.nodes[i];
    if (!NodeDofsValid(node, n)) return EquationsOutside("Node", i, n);
    mechanics::AddSupportSpring(k, node.dof_u(), node.support(1), support_stiffness);
    mechanics::AddSupportSpring(k, node.dof_v(), node.support(2), support_stiffness);
    mechanics::AddSupportSpring(k, SupportedRotationDof(node), node.support(3), support_stiffness);
  }
  return k;
}

}  // namespace kelmf
