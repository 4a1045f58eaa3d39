#include "mechanics/model/element_own_loads.h"

#include "mechanics/model/element_load_inputs.h"

namespace mechanics {

Rigidity ElementRigidityOf(const common::ElementRecord& element, const common::MaterialTable& materials,
                           const common::CrossSectionTable& sections) {
  const common::CrossSectionRecord& section = sections[element.cross_section()];
  return RigidityOf(materials[element.material()].modulus(), section.area(), section.inertia());
}

ElementDirection DirectionOfElement(const common::ElementRecord& element) {
  return DirectionOfEnds(element.xa(), element.ya(), element.xb(), element.yb());
}

ElementMatrix ElementStiffnessOf(const common::ElementRecord& element, const common::MaterialTable& materials,
                                 const common::CrossSectionTable& sections) {
  return ElementStiffness(ElementRigidityOf(element, materials, sections), DirectionOfElement(element));
}

LoadAxes LoadAxesOf(const common::ElementRecord& element) {
  return LoadAxes{element.length(), element.cosine(), element.sine()};
}

std::array<int, 6> ElementEquationsOf(const common::ElementRecord& element, const common::NodeTable& nodes) {
  const common::NodeRecord& a = nodes[element.node_a()];
  const common::NodeRecord& b = nodes[element.node_b()];
  return {a.dof_u(), a.dof_v(), element.dof(3), b.dof_u(), b.dof_v(), element.dof(6)};
}

NodalForces TemperatureLoadForces(const common::ElementRecord& element, const Rigidity& rigidity, float section_height,
                                  double alpha, const common::TemperatureLoadRecord& load) {
  return TemperatureForces(LoadAxesOf(element), alpha, load.uniform_t(), load.delta_t(), rigidity.ea, rigidity.ei,
                           TemperatureHeight(section_height));
}

NodalForces ElementPointLoadForces(const common::ElementRecord& element, const Rigidity& rigidity,
                                   const common::PointLoadRecord& load) {
  const LoadAxes axes = LoadAxesOf(element);
  const double a = load.distance();
  switch (load.kind()) {
    case common::PointLoadRecord::kForce:
      return PointForceForces(axes, a, load.force_normal(), load.force_along());
    case common::PointLoadRecord::kMoment:
      return PointMomentForces(axes, a, load.kind_value());
    case common::PointLoadRecord::kKink:
      return KinkForces(axes, a, load.value(), rigidity.ei);
    case common::PointLoadRecord::kVerticalDislocation:
      return TransverseDislocationForces(axes, load.value(), rigidity.ei);
    case common::PointLoadRecord::kHorizontalDislocation:
      return AxialDislocationForces(axes, load.value(), rigidity.ea);
    default:
      return NodalForces{};  // no such kind: nothing
  }
}

void AddToEquations(const std::array<int, 6>& equations, const NodalForces& forces, Vector& f) {
  for (int k = 1; k <= 6; ++k) f[equations[static_cast<std::size_t>(k - 1)]] += forces(k);
}

void AddLineLoadForces(const common::LineLoadRecord& load, const common::ElementTable& elements,
                       const common::NodeTable& nodes, Vector& f) {
  const common::ElementRecord& element = elements[load.element()];
  if (load.start_node() != 0) {
    const common::NodeRecord& node = nodes[load.start_node()];
    f[node.dof_u()] += load.global_force(1);
    f[node.dof_v()] += load.global_force(2);
    f[element.dof(3)] += load.global_force(3);
  }
  if (load.end_node() != 0) {
    const common::NodeRecord& node = nodes[load.end_node()];
    f[node.dof_u()] += load.global_force(4);
    f[node.dof_v()] += load.global_force(5);
    f[element.dof(6)] += load.global_force(6);
  }
}

void AddElementOwnLoads(const ElementLoadModel& model, const common::LineLoadTable& line_loads,
                        const common::PrestressTable& prestress, int e, Vector& f) {
  const common::ElementRecord& element = model.elements[e];
  const Rigidity rigidity = ElementRigidityOf(element, model.materials, model.sections);
  const std::array<int, 6> equations = ElementEquationsOf(element, model.nodes);
  if (model.load_case.temperature_flag() != 0 && e <= model.temperatures.count() &&
      model.temperatures[e].loaded() != 0) {
    AddToEquations(equations,
                   TemperatureLoadForces(element, rigidity, model.sections[element.cross_section()].height(),
                                         model.load_case.alpha_t(), model.temperatures[e]),
                   f);
  }
  for (const common::PointLoadRecord& load : model.point_loads.used()) {
    if (IsElementPointLoad(load) && load.element() == e) {
      AddToEquations(equations, ElementPointLoadForces(element, rigidity, load), f);
    }
  }
  for (const common::LineLoadRecord& load : line_loads.used()) {
    if (load.element() == e) AddLineLoadForces(load, model.elements, model.nodes, f);
  }
  if (model.load_case.prestress_flag() == 0) return;
  for (const common::PrestressEntry& entry : prestress.used()) {
    if (entry.element() == e && entry.force() > 0.0f) {
      AddToEquations(equations, PrestressForces(LoadAxesOf(element), entry.force()), f);
    }
  }
}

}  // namespace mechanics
