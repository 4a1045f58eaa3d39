#include "Quon/elements/element_data.h"

#include "mechanics/model/element_own_loads.h"

namespace zedir {

mechanics::Rigidity ElementRigidity(const Run& run, int e) {
  return mechanics::ElementRigidityOf(run.elements[e], run.materials, run.sections);
}

mechanics::ElementMatrix ElementStiffnessOf(const Run& run, int e) {
  return mechanics::ElementStiffnessOf(run.elements[e], run.materials, run.sections);
}

mechanics::LoadAxes ElementLoadAxes(const Run& run, int e) {
  return mechanics::LoadAxesOf(run.elements[e]);
}

std::array<int, 6> ElementEquations(const Run& run, int e) {
  return mechanics::ElementEquationsOf(run.elements[e], run.nodes);
}

mechanics::SampleTable ClampedBeamTableOf(const Run& run, int e) {
  return mechanics::ClampedBeamTable(run.elements[e].length(), ElementRigidity(run, e).ei);
}

ElementData GatherElementData(const Run& run, int e) {
  const common::ElementRecord& element = run.elements[e];
  const std::vector<double>& u = run.displacements;
  ElementData d;
  d.length = element.length();
  d.node_a = element.node_a();
  d.node_b = element.node_b();
  const common::NodeRecord& a = run.nodes[d.node_a];
  const common::NodeRecord& b = run.nodes[d.node_b];
  d.dof_ua = a.dof_u();
  d.dof_va = a.dof_v();
  d.dof_rotation_a = element.dof(3);
  d.dof_ub = b.dof_u();
  d.dof_vb = b.dof_v();
  d.dof_rotation_b = element.dof(6);
  d.ua = u[d.dof_ua];
  d.va = u[d.dof_va];
  d.ub = u[d.dof_ub];
  d.vb = u[d.dof_vb];
  d.c = element.cosine();
  d.s = element.sine();
  d.axial_a = d.c * d.ua + d.s * d.va;
  d.transverse_a = d.c * d.va - d.s * d.ua;
  d.transverse_a_stored = element.minus_sine() * d.ua + element.normal_cosine() * d.va;
  d.rotation_a = u[d.dof_rotation_a];
  d.axial_b = d.c * d.ub + d.s * d.vb;
  d.transverse_b = d.c * d.vb - d.s * d.ub;
  d.transverse_b_stored = element.minus_sine() * d.ub + element.normal_cosine() * d.vb;
  d.rotation_b = u[d.dof_rotation_b];
  const mechanics::Rigidity rigidity = ElementRigidity(run, e);
  d.ei = rigidity.ei;
  d.ea = rigidity.ea;
  return d;
}

}  // namespace zedir
