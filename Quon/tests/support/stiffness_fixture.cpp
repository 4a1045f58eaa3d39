#include "Quon/tests/support/stiffness_fixture.h"

#include <vector>

#include "Quon/elements/node_rotation.h"
#include "mechanics/assembly.h"
#include "mechanics/factored_system.h"
#include "mechanics/inversion.h"
#include "platform/binary_io.h"

namespace zedir::testing {

mechanics::Matrix StiffnessOf(const FrameModel& model) {
  mechanics::Matrix k(model.params.equation_count());
  for (const common::ElementRecord& e : model.elements.used()) {
    const common::CrossSectionRecord& section = model.sections[e.cross_section()];
    const mechanics::Rigidity rigidity =
        mechanics::RigidityOf(model.materials[e.material()].modulus(), section.area(), section.inertia());
    const mechanics::ElementMatrix m =
        mechanics::ElementStiffness(rigidity, mechanics::DirectionOfEnds(e.xa(), e.ya(), e.xb(), e.yb()));
    mechanics::AddElementMatrix(k, m, {e.dof(1), e.dof(2), e.dof(3), e.dof(4), e.dof(5), e.dof(6)});
  }
  const double s = model.params.support_stiffness();
  for (const common::NodeRecord& node : model.nodes.used()) {
    mechanics::AddSupportSpring(k, node.dof_u(), node.support(1), s);
    mechanics::AddSupportSpring(k, node.dof_v(), node.support(2), s);
    mechanics::AddSupportSpring(k, NodeRotation(node), node.support(3), s);
  }
  return k;
}

mechanics::Matrix InverseOf(const FrameModel& model) {
  const mechanics::FactoredSystem system(StiffnessOf(model), mechanics::PivotRule::kLargest);
  return mechanics::InvertByColumns(system).columns;
}

mechanics::Matrix WriteMatrixFiles(const common::Position& position, const FrameModel& model) {
  const mechanics::Matrix k = StiffnessOf(model);
  WriteStiffness(position.File("MATRIXORI"), k);
  const mechanics::FactoredSystem system(k, mechanics::PivotRule::kLargest);
  mechanics::Matrix inverse = mechanics::InvertByColumns(system).columns;
  WriteInverse(position.File("INVERSE"), inverse);
  return inverse;
}

void WriteInverse(const std::string& path, const mechanics::Matrix& inverse) {
  std::vector<double> columns;
  for (int j = 1; j <= inverse.size(); ++j) {
    for (int i = 1; i <= inverse.size(); ++i) columns.push_back(inverse(j, i));
  }
  plat::WriteBlock(path, columns.data(), columns.size() * sizeof(double));
}

void WriteStiffness(const std::string& path, const mechanics::Matrix& k) {
  plat::WriteBlock(path, k.data(), k.valueCount() * sizeof(double));
}

}  // namespace zedir::testing
